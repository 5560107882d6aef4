// One interpreter instance and the registry of instances. An instance owns
// its shells, processes, registries, variable store, separator table and one
// evaluator, and drives the run loop: one command line of one process per
// turn until no process is left.
//
//   auto script = ScriptList::createAndInit("A11502", std::make_shared<DefaultSysFunction>());
//   script->addShellItem3("main_A11502.exs", text, true);
//   script->coreStart(nullptr);   // may throw ScriptException
#pragma once

#include "Functions/SysFunctionList.h"
#include "Functions/UserFunctionList.h"
#include "Impl/General/DefaultSysFunction.h"
#include "Poc/PocItem.h"
#include "Script/RunBudget.h"
#include "Separator/SysSeparatorList.h"
#include "Shell/ShellItem.h"
#include "VariableControl/VariableList.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class Expression;

// The record of a delivered script.
struct ScriptItem {
    std::optional<std::string> strScript;
    std::optional<std::string> scriptId;
    std::optional<std::string> callerId;
};

class Script : public std::enable_shared_from_this<Script> {
public:
    using LogSink = std::function<void(const std::string&)>;

    // init: an instance with its three test variables and empty registries.
    static std::shared_ptr<Script> create(std::shared_ptr<DefaultSysFunction> impl = nullptr);
    ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    ShellList shellList;
    std::shared_ptr<VariableList> curFunctionResult;
    PocItemPtr curPocItem;
    PocList pocList;
    VariableList variableList;
    UserFunctionList userFunctionList;
    SysFunctionList sysFunctionList;
    SysSeparatorList sysSeparatorList;
    std::shared_ptr<DefaultSysFunction> implFunctions;
    std::unique_ptr<Expression> expression;
    Core core{pocList};
    std::string name;
    std::string scriptID;
    std::string callerID;
    bool isInit{false};
    std::atomic<bool> isRunning{false};
    std::atomic<bool> runPaused{false};
    RunBudget budget;

    bool initSelf();
    std::shared_ptr<VariableList> coreStart(std::shared_ptr<VariableList> result);
    // The line the process runs next: none without a process or shell, ""
    // when its position is outside the shell.
    const std::string* getCmdLine(const PocItem* poc) const;
    void allStop();
    bool runPause();
    bool runContinue();

    PocItemPtr getCurPoc() const { return curPocItem; }
    ShellItemPtr getCurShellItem() const;
    std::shared_ptr<TokenQueueCmd> getCurTokenQueueCmd() const;
    std::shared_ptr<TokenStackData> getCurTokenStackData() const;
    const std::string& getCurVariableFirstString() const;
    void setCurFunctionResult(std::shared_ptr<VariableList> result) { curFunctionResult = std::move(result); }

    PocItemPtr addShellItem3(const std::string& shellName, const std::optional<std::string>& text,
                             bool runByNewPoc);
    ShellItemPtr addShellItem4(const std::string& shellName, const std::optional<std::string>& text);

    PocItemPtr createNewPocWithShellItem3(const ShellItemPtr& shell, const ParamerList* args);
    PocItemPtr createNewPocWithShellID(int shellId);
    PocItemPtr runAtFunctionNameByNewPoc(const std::string& functionName, const ParamerList& args);
    int killPoc1(const PocItem& poc);
    static void sleepSleepTime(PocItem& poc, int turns) { poc.wait(turns); }

    bool refreshUserFunctionList(const ShellList& shells);

    // Log lines ("println:…", "printf :…", and "run: …" when tracing).
    void log(const std::string& line) const;
    void setLogSink(LogSink sink) { m_logSink = std::move(sink); }
    bool trace{false};

    // Checks the text held by the variable store against the memory budget.
    void checkStoreBudget();

    // Command lines run by this instance since it was made.
    long long linesRun{0};

    // What a word names in the registries (the first sub, keyword or
    // built-in, and separator of that name), answered from one index that is
    // rebuilt when a shell adds subs. None when no registry knows the word.
    struct WordEntry {
        UserFunctionItemPtr userFunction;
        SysFunctionItemPtr sysFunction;
        SysSeparatorItemPtr separator;
    };
    const WordEntry* lookupWord(std::string_view word) const;
    void invalidateWords() {
        m_wordsValid = false;
        ++m_registryVersion;
    }
    // Changes whenever a registry changes what a word names.
    unsigned long long registryVersion() const { return m_registryVersion; }

private:
    Script() = default;
    void runTurns(long long& turns);
    LogSink m_logSink;
    struct FirstStringKey {
        const PocItem* poc{nullptr};
        int id{0};
        int level{0};
        bool operator==(const FirstStringKey&) const = default;
    };
    mutable std::unordered_map<std::string, WordEntry, NameHash, std::equal_to<>> m_words;
    mutable bool m_wordsValid{false};
    unsigned long long m_registryVersion{0};
    mutable std::string m_firstString;
    mutable FirstStringKey m_firstStringOf;
    size_t m_shellBytes{0};
};

// The registry of instances of the whole application, keyed by name.
class ScriptList {
public:
    static int find(const std::string& name);
    static std::shared_ptr<Script> getScript(const std::string& name);
    static std::shared_ptr<Script> createAndInit(const std::string& name,
                                                 std::shared_ptr<DefaultSysFunction> impl);
    static bool remove(const std::string& name);
    static int size();
};
