#include "Script/Script.h"

#include "Expression/Expression.h"
#include "Global/PublicFunctions.h"
#include "Global/ScriptException.h"

#include <cstdio>
#include <mutex>
#include <vector>

std::shared_ptr<Script> Script::create(std::shared_ptr<DefaultSysFunction> impl) {
    std::shared_ptr<Script> script(new Script());
    script->curFunctionResult = std::make_shared<VariableList>();
    script->implFunctions = impl ? std::move(impl) : std::make_shared<DefaultSysFunction>();
    script->variableList.createTestList();
    return script;
}

Script::~Script() = default;

bool Script::initSelf() {
    if (isInit)
        return false;
    sysSeparatorList.createDefaultList();
    sysFunctionList.createDefaultList();
    sysFunctionList.add1(implFunctions->getSysFunctionList());
    expression = std::make_unique<Expression>(this);
    invalidateWords();
    refreshUserFunctionList(shellList);
    isInit = true;
    return true;
}

bool Script::refreshUserFunctionList(const ShellList& shells) {
    runPause();
    PublicFunctions::restUserFunctionId();
    userFunctionList = UserFunctionList::scanShells(shells, sysSeparatorList, sysFunctionList);
    invalidateWords();
    runContinue();
    return true;
}

const Script::WordEntry* Script::lookupWord(std::string_view word) const {
    if (!m_wordsValid) {
        m_words.clear();
        // The first entry of each name wins, as in the registries' own lookups.
        for (const auto& item : userFunctionList.userFunctionList) {
            auto& entry = m_words[item->name];
            if (!entry.userFunction)
                entry.userFunction = item;
        }
        for (const auto& item : sysFunctionList.sysFunctionList) {
            auto& entry = m_words[item->name];
            if (!entry.sysFunction)
                entry.sysFunction = item;
        }
        for (const auto& item : sysSeparatorList.sysSeparatorList) {
            auto& entry = m_words[item->name];
            if (!entry.separator)
                entry.separator = item;
        }
        m_wordsValid = true;
    }
    auto it = m_words.find(word);
    return it == m_words.end() ? nullptr : &it->second;
}

void Script::log(const std::string& line) const {
    if (m_logSink) {
        m_logSink(line);
        return;
    }
    std::fprintf(stderr, "%s\n", line.c_str());
}

void Script::checkStoreBudget() {
    if (budget.maxStoreBytes == 0)
        return;
    if (variableList.bytesHeld() > budget.maxStoreBytes)
        throw ScriptException("Script", "变量存储超出限制(" + std::to_string(budget.maxStoreBytes) + "字节)");
}

std::shared_ptr<VariableList> Script::coreStart(std::shared_ptr<VariableList> result) {
    // Keep the instance alive for the whole run: script_kill may drop it
    // from the registry while one of its lines runs.
    auto self = shared_from_this();
    if (!isInit)
        initSelf();
    bool idle = false;
    if (!isRunning.compare_exchange_strong(idle, true))
        return nullptr;
    // An error leaves the loop through here: the instance is idle again.
    struct RunningGuard {
        Script* script;
        bool armed{true};
        ~RunningGuard() {
            if (!armed)
                return;
            script->curPocItem = nullptr;
            script->isRunning = false;
        }
    } guard{this};
    curFunctionResult = std::move(result);
    variableList.maxItems = budget.maxVariables;
    variableList.maxArrayLength = budget.maxArrayLength;

    long long turns = 0;
    for (;;) {
        runTurns(turns);
        curPocItem = nullptr;
        isRunning = false;
        // A page button may have added a process while the loop was
        // ending: run it here, unless another loop has started meanwhile.
        bool stillIdle = false;
        if (core.isEnd() || !isRunning.compare_exchange_strong(stillIdle, true))
            break;
    }
    guard.armed = false;
    return curFunctionResult;
}

void Script::runTurns(long long& turns) {
    while (!core.isEnd()) {
        if (budget.maxTurns > 0 && ++turns > budget.maxTurns)
            throw ScriptException("Script", "运行步数超出限制(" + std::to_string(budget.maxTurns) + ")");
        checkStoreBudget();
        if (runPaused)
            continue;
        PocItemPtr poc = core.getCanRunPoc();
        curPocItem = poc;
        const std::string* line = getCmdLine(poc.get());
        if (!line)
            continue;
        if (trace)
            log("run: " + *line);
        if (line->empty()) {
            // The position ran past the last line of its shell (or before
            // its first): the process has nothing left to run and ends
            // instead of spinning.
            killPoc1(*poc);
            continue;
        }
        poc->pocContext.Pi += 1;
        ++linesRun;
        expression->runCmdLine(*line);
    }
}

const std::string* Script::getCmdLine(const PocItem* poc) const {
    if (!poc)
        return nullptr;
    auto shell = shellList.getShellItemWithId(poc->pocContext.shellId);
    if (!shell)
        return nullptr;
    return &shell->cmdLines.getOf(poc->pocContext.Pi);
}

void Script::allStop() {
    pocList.clear();
    variableList.clear();
}

bool Script::runPause() {
    if (!isRunning)
        return false;
    runPaused = true;
    return true;
}

bool Script::runContinue() {
    if (!isRunning)
        return false;
    runPaused = false;
    return true;
}

ShellItemPtr Script::getCurShellItem() const {
    if (!curPocItem)
        return nullptr;
    return shellList.getShellItemWithId(curPocItem->pocContext.shellId);
}

std::shared_ptr<TokenQueueCmd> Script::getCurTokenQueueCmd() const {
    return curPocItem ? curPocItem->pocContext.tokenQueueCmd : nullptr;
}

std::shared_ptr<TokenStackData> Script::getCurTokenStackData() const {
    return curPocItem ? curPocItem->pocContext.tokenStackData : nullptr;
}

const std::string& Script::getCurVariableFirstString() const {
    if (!curPocItem) {
        m_firstString.clear();
        m_firstStringOf = {};
        return m_firstString;
    }
    const PocItemContextItem& context = curPocItem->pocContext;
    // Every word of every line asks for it: rebuild only when the process or
    // its call level changed.
    const FirstStringKey key{curPocItem.get(), context.ID, context.curLevel};
    if (key == m_firstStringOf && !m_firstString.empty())
        return m_firstString;
    m_firstString = context.firstString();
    m_firstStringOf = key;
    return m_firstString;
}

ShellItemPtr Script::addShellItem4(const std::string& shellName, const std::optional<std::string>& text) {
    if (shellName.empty() || !text)
        return nullptr;
    if (!isInit)
        initSelf();
    runPause();
    struct ContinueGuard {
        Script* script;
        ~ContinueGuard() { script->runContinue(); }
    } guard{this};
    if (budget.maxShellBytes > 0 && m_shellBytes + text->size() > budget.maxShellBytes)
        throw ScriptException("Script", "脚本代码超出限制(" + std::to_string(budget.maxShellBytes) + "字节)");
    m_shellBytes += text->size();
    auto shell = ShellItem::make(shellName, PublicFunctions::getNextCanCreateShellId(),
                                 CmdLines::initCmdLines3(*text), ShellItemType::Enable);
    if (shell->isError)
        return nullptr;
    shellList.addShell(shell);
    userFunctionList.add4(UserFunctionList::scanShell(shell, sysSeparatorList, sysFunctionList));
    invalidateWords();
    return shell;
}

PocItemPtr Script::addShellItem3(const std::string& shellName, const std::optional<std::string>& text,
                                 bool runByNewPoc) {
    auto shell = addShellItem4(shellName, text);
    if (!shell || !runByNewPoc)
        return nullptr;
    runPause();
    struct ContinueGuard {
        Script* script;
        ~ContinueGuard() { script->runContinue(); }
    } guard{this};
    return createNewPocWithShellItem3(shell, nullptr);
}

PocItemPtr Script::createNewPocWithShellItem3(const ShellItemPtr& shell, const ParamerList* args) {
    if (!shell)
        return nullptr;
    const int id = PublicFunctions::getNextCanCreatePocId();
    auto poc = std::make_shared<PocItem>(this, PocItemContextItem(id, shell->shellName, shell->shellID));
    if (args)
        poc->run1(args);
    else
        poc->run2();
    pocList.addPoc1(poc);
    return poc;
}

PocItemPtr Script::createNewPocWithShellID(int shellId) {
    auto shell = shellList.getShellItemWithId(shellId);
    if (!shell)
        return nullptr;
    return createNewPocWithShellItem3(shell, nullptr);
}

PocItemPtr Script::runAtFunctionNameByNewPoc(const std::string& functionName, const ParamerList& args) {
    const auto types = args.toParamerTypeList();
    auto function = userFunctionList.getFunctionItem3(functionName, types ? &*types : nullptr);
    if (!function)
        return nullptr;
    const int id = PublicFunctions::getNextCanCreatePocId();
    auto poc =
        std::make_shared<PocItem>(this, PocItemContextItem(id, "POC_" + functionName, function->shellId()));
    poc->gosubUserFunction1(*function, &args);
    pocList.addPoc1(poc);
    if (!isRunning)
        coreStart(nullptr);
    return poc;
}

int Script::killPoc1(const PocItem& poc) {
    std::lock_guard lock(pocList.mutex());
    const int index = pocList.getPocItemListIndex1(poc.ID());
    if (index < 0)
        return pocList.size();
    variableList.delVariableItemOfPoc(poc.ID(), poc.pocContext.name);
    pocList.killPocWithIndex(index);
    return pocList.size();
}

namespace {
std::mutex g_scriptsMutex;
std::vector<std::shared_ptr<Script>>& scripts() {
    static std::vector<std::shared_ptr<Script>> list;
    return list;
}
int findLocked(const std::string& name) {
    auto& list = scripts();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i]->name == name)
            return static_cast<int>(i);
    }
    return -1;
}
} // namespace

int ScriptList::find(const std::string& name) {
    std::lock_guard lock(g_scriptsMutex);
    return findLocked(name);
}

std::shared_ptr<Script> ScriptList::getScript(const std::string& name) {
    std::lock_guard lock(g_scriptsMutex);
    const int index = findLocked(name);
    return index < 0 ? nullptr : scripts()[static_cast<size_t>(index)];
}

std::shared_ptr<Script> ScriptList::createAndInit(const std::string& name,
                                                  std::shared_ptr<DefaultSysFunction> impl) {
    std::lock_guard lock(g_scriptsMutex);
    const int index = findLocked(name);
    if (index >= 0)
        return scripts()[static_cast<size_t>(index)];
    auto script = Script::create(std::move(impl));
    script->initSelf();
    script->name = name;
    scripts().push_back(script);
    return script;
}

bool ScriptList::remove(const std::string& name) {
    std::shared_ptr<Script> removed;
    {
        std::lock_guard lock(g_scriptsMutex);
        const int index = findLocked(name);
        if (index < 0)
            return false;
        removed = scripts()[static_cast<size_t>(index)];
        scripts().erase(scripts().begin() + index);
    }
    return true;
}

int ScriptList::size() {
    std::lock_guard lock(g_scriptsMutex);
    return static_cast<int>(scripts().size());
}
