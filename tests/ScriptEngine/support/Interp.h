// A small fixture around one interpreter instance: load a script and run it,
// or evaluate single lines inside a live "main" process, and read the log.
#pragma once

#include "Expression/Expression.h"
#include "Global/ScriptException.h"
#include "Script/Script.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct Interp {
    std::shared_ptr<Script> script;
    std::vector<std::string> log;

    explicit Interp(std::shared_ptr<DefaultSysFunction> impl = nullptr)
        : script(Script::create(std::move(impl))) {
        script->initSelf();
        script->setLogSink([this](const std::string& line) { log.push_back(line); });
    }

    // Loads text as a shell with a process at its main sub, and runs the loop.
    void run(const std::string& text) {
        script->addShellItem3("test", text, true);
        script->coreStart(nullptr);
    }

    // Runs the loop and answers "[source] message" of the error, "" when none.
    std::string runError(const std::string& text) {
        try {
            run(text);
        } catch (const ScriptException& error) {
            return "[" + error.source + "] " + error.message;
        }
        return "";
    }

    // Evaluates one line inside a live main process (made on first use).
    std::optional<VariableList> eval(const std::string& line) {
        if (!m_poc) {
            m_poc = script->addShellItem3("eval", "sub main(ObjectArray args[10])\nendsub", true);
            script->curPocItem = m_poc;
        }
        return script->expression->runCmdLine(line);
    }

    std::string evalError(const std::string& line) {
        try {
            eval(line);
        } catch (const ScriptException& error) {
            return "[" + error.source + "] " + error.message;
        }
        return "";
    }

    PocItemPtr m_poc;
};
