#include "Poc/PocItem.h"

#include "Functions/UserFunctionList.h"
#include "Global/ScriptException.h"
#include "Script/Script.h"
#include "Shell/ShellItem.h"

#include <charconv>

PocItemContextItem::PocItemContextItem(int id, std::string processName, int shell)
    : ID(id), shellId(shell), name(std::move(processName)),
      tokenQueueCmd(std::make_shared<TokenQueueCmd>(id)),
      tokenStackData(std::make_shared<TokenStackData>(id)) {}

PocItemContextItem PocItemContextItem::deepCopy() const {
    PocItemContextItem copy = *this;
    copy.tokenQueueCmd = std::make_shared<TokenQueueCmd>(tokenQueueCmd ? *tokenQueueCmd : TokenQueueCmd(ID));
    copy.tokenStackData = std::make_shared<TokenStackData>(
        tokenStackData ? TokenStackData::copyOf(*tokenStackData) : TokenStackData(ID));
    return copy;
}

std::string PocItemContextItem::firstString() const {
    char number[16];
    std::string text = "sub_";
    text.append(number, static_cast<size_t>(std::to_chars(number, number + sizeof number, ID).ptr - number));
    text += '_';
    text += name;
    text += '_';
    text.append(number,
                static_cast<size_t>(std::to_chars(number, number + sizeof number, curLevel).ptr - number));
    return text;
}

PocItem::PocItem(Script* owner, PocItemContextItem context) : pocContext(std::move(context)), script(owner) {
    isError = script == nullptr;
}

bool PocItem::run1(const ParamerList* args) {
    auto shell = getShellItem();
    return gosubUserFunction2("main", shell ? shell->shellID : 0, args);
}

bool PocItem::run2() {
    ParamerList args;
    args.add2(VariableItem::make("args", "", VariableItemType::getObjectArray));
    return run1(&args);
}

bool PocItem::gosubUserFunction2(const std::string& name, int shellId, const ParamerList* args) {
    const int count = args ? args->size() : 0;
    for (const auto& function : script->userFunctionList.userFunctionList) {
        if (function->name == name && function->shellId() == shellId && function->paramerCount() == count)
            return gosubUserFunction1(*function, args);
    }
    throw ScriptException("PocItem", "没有找到用户方法:" + name);
}

bool PocItem::gosubUserFunction1(const UserFunctionItem& function, const ParamerList* args) {
    const int maxDepth = script->budget.maxCallDepth;
    if (maxDepth > 0 && static_cast<int>(contextStack.size()) >= maxDepth)
        throw ScriptException("PocItem", "调用层数超出限制(" + std::to_string(maxDepth) + ")");
    TokenStackData& stack = *pocContext.tokenStackData;
    stack.push2(VariableItem::make("@newsub", "@newsub", VariableItemType::getCtrl));
    if (args) {
        for (const auto& value : args->paramerList)
            stack.push1(value);
    }
    contextStackPush();
    clearTokenStack();
    pocContext.Pi = function.functionLoc.indexLoc;
    pocContext.shellId = function.shellId();
    pocContext.curLevel += 1;
    return true;
}

bool PocItem::contextStackPush() {
    contextStack.push_back(pocContext.deepCopy());
    return true;
}

bool PocItem::contextStackPop() {
    if (contextStack.empty())
        return false;
    pocContext = std::move(contextStack.back());
    contextStack.pop_back();
    return true;
}

std::optional<ParamerList> PocItem::getLastParamerListByStackTop(const std::string& marker) {
    if (contextStack.empty())
        return std::nullopt;
    return contextStack.back().tokenStackData->getLastParamerList(marker);
}

bool PocItem::clearTokenStack() {
    pocContext.tokenQueueCmd->clear();
    pocContext.tokenStackData->clear();
    return true;
}

bool PocItem::wait(int turns) {
    pocContext.pocRunningType = PocItemRunningType::Wait;
    pocContext.waitTimer = turns;
    return true;
}

std::shared_ptr<ShellItem> PocItem::getShellItem() const {
    return script ? script->shellList.getShellItemWithId(pocContext.shellId) : nullptr;
}

void PocList::addPoc1(PocItemPtr poc) {
    std::lock_guard lock(m_mutex);
    pocList.push_back(std::move(poc));
}

PocItemPtr PocList::getPocItem2(int index) const {
    std::lock_guard lock(m_mutex);
    if (index < 0 || index >= static_cast<int>(pocList.size()))
        return nullptr;
    return pocList[static_cast<size_t>(index)];
}

int PocList::getPocItemListIndex1(int id) const {
    std::lock_guard lock(m_mutex);
    for (size_t i = 0; i < pocList.size(); ++i) {
        if (pocList[i]->ID() == id)
            return static_cast<int>(i);
    }
    return -1;
}

bool PocList::killPoc(int id) {
    std::lock_guard lock(m_mutex);
    return killPocWithIndex(getPocItemListIndex1(id));
}

bool PocList::killPocWithIndex(int index) {
    std::lock_guard lock(m_mutex);
    if (index < 0 || index >= static_cast<int>(pocList.size()))
        return false;
    pocList.erase(pocList.begin() + index);
    return true;
}

int PocList::size() const {
    std::lock_guard lock(m_mutex);
    return static_cast<int>(pocList.size());
}

void PocList::clear() {
    std::lock_guard lock(m_mutex);
    pocList.clear();
}

PocItemPtr Core::getCanRunPoc() {
    std::lock_guard lock(pocList.mutex());
    const int count = pocList.size();
    if (count == 0)
        return nullptr;
    int i = curPocIndex;
    if (i >= count || i < 0)
        i = 0;
    int visited = 0;
    while (visited < count) {
        PocItemPtr poc = pocList.pocList[static_cast<size_t>(i)];
        PocItemContextItem& context = poc->pocContext;
        switch (context.pocRunningType) {
        case PocItemRunningType::Ready:
            curPocIndex = i + 1;
            return poc;
        case PocItemRunningType::TempPause:
            context.pocRunningType = PocItemRunningType::Ready;
            ++i;
            break;
        case PocItemRunningType::Wait:
            if (context.waitTimer < 1)
                context.pocRunningType = PocItemRunningType::Ready;
            else
                context.waitTimer -= 1;
            ++visited;
            ++i;
            break;
        default: // Nul, Paused
            ++visited;
            ++i;
            break;
        }
        if (i >= count)
            i = 0;
    }
    curPocIndex = i;
    return nullptr;
}

bool Core::isEnd() const {
    std::lock_guard lock(pocList.mutex());
    for (const auto& poc : pocList.pocList) {
        if (poc->pocContext.pocRunningType != PocItemRunningType::Nul)
            return false;
    }
    return true;
}
