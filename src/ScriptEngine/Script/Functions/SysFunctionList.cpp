#include "Functions/SysFunctionList.h"

#include "VariableControl/VariableList.h"

std::shared_ptr<SysFunctionItem> SysFunctionItem::make(std::string name, int id, int operands, int level) {
    auto item = std::make_shared<SysFunctionItem>();
    item->name = std::move(name);
    item->itemId = id;
    item->paramerCount = operands;
    item->Level = level;
    item->isError = false;
    return item;
}

VariableList SysFunctionItem::paramerType() const {
    return VariableList::getDefaultParamerTypeList1(paramerCount);
}

void SysFunctionList::createDefaultList() {
    using T = SysFunctionItemType;
    struct Entry {
        const char* name;
        int id;
        int operands;
        int level;
    };
    // "return" binds below every operator, so that "return n + 1" returns the
    // value of the whole expression rather than of its first operand.
    static const Entry entries[] = {
        {"Object", T::type_object, 1, 8},
        {"ObjectArray", T::type_objectArray, 2, 8},
        {"public", T::type_public, 1, 7},
        {"println", T::scriptCtrl_println, 1, 19},
        {"printf", T::scriptCtrl_printf, 1, 19},
        {"if", T::scriptCtrl_if, 2, 18},
        {"endif", T::scriptCtrl_endif, 0, 20},
        {"then", T::scriptCtrl_then, 0, 20},
        {"while", T::scriptCtrl_while, 1, 19},
        {"wend", T::scriptCtrl_wend, 0, 20},
        {"sub", T::scriptCtrl_sub, 0, 0},
        {"endsub", T::scriptCtrl_endsub, 0, 20},
        {"return", T::scriptCtrl_return, 1, 1},
        {"addshell", T::scriptCtrl_addshell, 2, 18},
        {"createpoc", T::scriptCtrl_createpoc, 1, 19},
        {"createpocbyshell", T::scriptCtrl_createpocbyshell, 1, 19},
        {"call", T::scriptCtrl_call, 0, 20},
        {"append", T::scriptCtrl_append, 2, 18},
        {"clearallvariable", T::scriptCtrl_clearallvariable, 0, 20},
        {"clearallsubvariable", T::scriptCtrl_clearallsubvariable, 0, 20},
        {"clearallpublicvariable", T::scriptCtrl_clearallpublicvariable, 0, 20},
        {"end", T::scriptCtrl_end, 0, 20},
    };
    for (const auto& e : entries)
        add2(SysFunctionItem::make(e.name, e.id, e.operands, e.level));
}

void SysFunctionList::clear() {
    sysFunctionList.clear();
    m_byName.clear();
    m_byId.clear();
    createDefaultList();
}

void SysFunctionList::add1(const SysFunctionList& other) {
    for (const auto& item : other.sysFunctionList)
        add2(item);
}

void SysFunctionList::add2(SysFunctionItemPtr item) {
    if (!item)
        return;
    const int index = size();
    m_byName.try_emplace(item->name, index);
    m_byId.try_emplace(item->itemId, index);
    sysFunctionList.push_back(std::move(item));
}

FindResult1 SysFunctionList::getFunctionItemListIndex1(std::string_view name) const {
    if (name.empty())
        return FindResult1(-1);
    auto it = m_byName.find(name);
    return FindResult1(it == m_byName.end() ? -1 : it->second);
}

SysFunctionItemPtr SysFunctionList::findByName(std::string_view name) const {
    return getFunctionItem(getFunctionItemListIndex1(name).index);
}

FindResult1 SysFunctionList::getFunctionItemListIndex2(std::string_view name,
                                                       const VariableList* types) const {
    if (!types)
        return getFunctionItemListIndex1(name);
    for (int i = 0; i < size(); ++i) {
        const auto& item = sysFunctionList[static_cast<size_t>(i)];
        if (item->name != name || item->paramerCount != types->size())
            continue;
        // Built-in operands are all Object; only the first candidate is compared.
        for (const auto& type : types->variableItems) {
            if (type->type != 0)
                return FindResult1(-1);
        }
        return FindResult1(i);
    }
    return FindResult1(-1);
}

FindResult1 SysFunctionList::getFunctionItemListIndex3(int id) const {
    auto it = m_byId.find(id);
    return FindResult1(it == m_byId.end() ? -1 : it->second);
}

SysFunctionItemPtr SysFunctionList::getFunctionItem(int index) const {
    if (index < 0 || index >= size())
        return nullptr;
    return sysFunctionList[static_cast<size_t>(index)];
}

SysFunctionItemPtr SysFunctionList::getFunctionItemWithItemId(int id) const {
    return getFunctionItem(getFunctionItemListIndex3(id).index);
}

FindResult1 SysFunctionList::getFunctionItemId1(std::string_view name) const {
    auto item = findByName(name);
    return item ? FindResult1(item->itemId) : FindResult1(-1);
}
