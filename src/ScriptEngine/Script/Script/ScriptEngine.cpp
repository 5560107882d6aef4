#include "Script/ScriptEngine.h"

#include "Global/PublicFunctions.h"
#include "Global/ScriptException.h"
#include "Script/Script.h"
#include "Script/ScriptBridge.h"

#include <mutex>

namespace {
std::mutex g_optionsMutex;
ScriptEngineOptions& storedOptions() {
    static ScriptEngineOptions options;
    return options;
}
} // namespace

void ScriptEngine::setOptions(ScriptEngineOptions options) {
    std::lock_guard lock(g_optionsMutex);
    storedOptions() = std::move(options);
}

ScriptEngineOptions ScriptEngine::options() {
    std::lock_guard lock(g_optionsMutex);
    return storedOptions();
}

std::optional<ScriptEngine> ScriptEngine::initScriptEngine(const std::optional<std::string>& scriptCode,
                                                           const std::optional<std::string>& callerId,
                                                           const std::optional<std::string>& userId,
                                                           const std::optional<std::string>& userName) {
    if (!scriptCode || !callerId || !userId)
        return std::nullopt;
    ScriptBridge& bridge = ScriptBridge::current();
    bridge.setUserId(*userId);
    bridge.setUserName(userName.value_or(""));
    bridge.setCallerId(*callerId);
    bridge.setScriptCode(*scriptCode);
    bridge.setScriptName(*scriptCode + std::to_string(PublicFunctions::getNextCanCreateShellId()));
    return ScriptEngine();
}

ScriptRunReport ScriptEngine::run(const std::optional<std::string>& text) {
    const ScriptEngineOptions opts = options();
    ScriptBridge& bridge = ScriptBridge::current();
    ScriptRunReport report;
    report.scriptName = bridge.scriptName();
    std::shared_ptr<Script> script;
    try {
        auto impl = opts.handlers ? std::make_shared<DefaultSysFunction>(opts.handlers)
                                  : std::make_shared<DefaultSysFunction>();
        script = ScriptList::createAndInit(report.scriptName, impl);
        if (opts.log)
            script->setLogSink(opts.log);
        script->trace = opts.trace;
        script->budget = opts.budget;
        script->scriptID = bridge.scriptCode();
        script->callerID = bridge.callerId();
        script->addShellItem3("main_" + report.scriptName + ".exs", text, true);
        script->coreStart(nullptr);
    } catch (const ScriptException& error) {
        report.ok = false;
        report.source = error.source;
        report.message = error.message;
    } catch (const std::bad_alloc&) {
        report.ok = false;
        report.source = "Script";
        report.message = "内存不足";
    } catch (const std::exception& error) {
        report.ok = false;
        report.source = "Script";
        report.message = error.what();
    }
    if (!report.ok && script) {
        // A failed run leaves nothing behind that could run again.
        script->allStop();
    }
    return report;
}
