// tansu-script FILE [--trace] [--max-turns N]
//
// Runs a shop script the way the client does (a fresh instance, script code,
// caller and user "test") and prints its log lines on standard output:
// "println:…" and "printf :…", with --trace also "run: …" for every command
// line. Built-ins that need the phone, the page or the network print what
// they were asked to do as "host:name(arguments)". On an error it prints
// "error [SOURCE] MESSAGE" and exits 1.

#include "Impl/Sys/SysHandlers.h"
#include "Script/ScriptEngine.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

void printLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// What a stand-in for a host built-in answers: a page element tag for the
// element makers, "" or nothing for the rest.
SysFunctionResult standInResult(const std::string& name) {
    static int nextTag = 1;
    if (name.rfind("ui_create_", 0) == 0 || name == "ui_show_waitting_alert")
        return BaseFunctionHandler::getSingleResult(std::to_string(nextTag++));
    if (name == "ui_show_alert" || name == "@call")
        return BaseFunctionHandler::getSingleResult("");
    if (name == "sys_add_favorite")
        return BaseFunctionHandler::getSingleResult("0");
    return BaseFunctionHandler::getEmptyResult();
}

SysHostFunctions standIns() {
    SysHostFunctions host;
    for (const BuiltinEntry& entry : builtinCatalog()) {
        if (!entry.needsHost)
            continue;
        const std::string name = entry.scriptName;
        host.functions[name] = [name](const Paramers& paramers) -> std::optional<SysFunctionResult> {
            std::string line = "host:" + name + "(";
            for (int i = 0; i < paramers.size(); ++i) {
                if (i > 0)
                    line += ", ";
                line += paramers.getString(i);
            }
            line += ")";
            printLine(line);
            return standInResult(name);
        };
    }
    return host;
}

int usage() {
    std::fprintf(stderr, "usage: tansu-script FILE [--trace] [--max-turns N]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string file;
    bool trace = false;
    long long maxTurns = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") == 0) {
            trace = true;
        } else if (std::strcmp(argv[i], "--max-turns") == 0 && i + 1 < argc) {
            char* end = nullptr;
            maxTurns = std::strtoll(argv[++i], &end, 10);
            if (!end || *end != '\0' || maxTurns < 0)
                return usage();
        } else if (argv[i][0] == '-' || !file.empty()) {
            return usage();
        } else {
            file = argv[i];
        }
    }
    if (file.empty())
        return usage();

    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "tansu-script: cannot read %s\n", file.c_str());
        return 2;
    }
    std::ostringstream text;
    text << in.rdbuf();

    ScriptEngineOptions options;
    const SysHostFunctions host = standIns();
    options.handlers = [host] { return makeSysHandlers(host); };
    options.log = printLine;
    options.trace = trace;
    if (maxTurns >= 0)
        options.budget.maxTurns = maxTurns;
    ScriptEngine::setOptions(options);

    auto engine = ScriptEngine::initScriptEngine("test", "test", "test", "test");
    const ScriptRunReport report = engine->run(text.str());
    std::fflush(stdout);
    if (!report.ok) {
        printLine("error [" + report.source + "] " + report.message);
        return 1;
    }
    return 0;
}
