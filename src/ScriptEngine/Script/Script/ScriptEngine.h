// The entry through which the host starts a delivered script: it records the
// identity of the run in the page bridge, makes a fresh named instance, loads
// the text as its main shell, starts a process at "main" and runs the loop.
// Errors of the run are caught here and reported; the failed instance is
// stopped and the client goes on.
//
//   if (auto engine = ScriptEngine::initScriptEngine(code, caller, uid, uname)) {
//       ScriptRunReport report = engine->run(text);
//   }
#pragma once

#include "Impl/General/DefaultSysFunction.h"
#include "Script/RunBudget.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class Script;

struct ScriptRunReport {
    bool ok{true};
    std::string source;
    std::string message;
    std::string scriptName;
};

// How the host wants its runs made: the built-ins, the log and the limits.
struct ScriptEngineOptions {
    DefaultSysFunction::HandlerProvider handlers;
    std::function<void(const std::string&)> log;
    bool trace{false};
    RunBudget budget;
};

class ScriptEngine {
public:
    static std::optional<ScriptEngine> initScriptEngine(const std::optional<std::string>& scriptCode,
                                                        const std::optional<std::string>& callerId,
                                                        const std::optional<std::string>& userId,
                                                        const std::optional<std::string>& userName);
    ScriptRunReport run(const std::optional<std::string>& text);

    // Options for every engine made afterwards (set once by the host).
    static void setOptions(ScriptEngineOptions options);
    static ScriptEngineOptions options();

private:
    ScriptEngine() = default;
};
