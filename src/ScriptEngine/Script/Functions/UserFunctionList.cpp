#include "Functions/UserFunctionList.h"

#include "Functions/SysFunctionList.h"
#include "Global/PublicFunctions.h"
#include "Separator/SysSeparatorList.h"
#include "Shell/ShellItem.h"
#include "VariableControl/VariableList.h"

int UserFunctionItem::shellId() const {
    return functionLoc.shellItem ? functionLoc.shellItem->shellID : 0;
}

VariableList UserFunctionItem::paramerType() const {
    VariableList list;
    for (int type : paramerTypes)
        list.variableItems.push_back(VariableItem::make("arglist", "", type));
    return list;
}

UserFunctionList UserFunctionList::scanShell(const std::shared_ptr<ShellItem>& shell,
                                             const SysSeparatorList& separators,
                                             const SysFunctionList& functions) {
    UserFunctionList found;
    if (!shell)
        return found;
    const CmdLines& lines = shell->cmdLines;
    for (int i = 0; i < lines.size(); ++i) {
        const std::string& text = lines.getOf(i);
        // Cheap pre-check: only lines that start with "sub" can be headers.
        if (text.compare(0, 3, "sub") != 0)
            continue;
        CmdLine line(text, separators);
        if (line.size() <= 3 || line.get(0) != "sub")
            continue;
        auto item = std::make_shared<UserFunctionItem>();
        item->name = line.get(1);
        for (int w = 3; w < line.size(); ++w) {
            const std::string& word = line.get(w);
            if (separators.isSeparator(word))
                continue;
            const int id = functions.getFunctionItemId1(word).index;
            if (id == SysFunctionItemType::type_object)
                item->paramerTypes.push_back(0);
            else if (id == SysFunctionItemType::type_objectArray)
                item->paramerTypes.push_back(1);
        }
        item->itemId = PublicFunctions::getNextNewUserFunctionId();
        item->functionLoc = CmdLineLoc(i, shell);
        item->Level = 20 - item->paramerCount();
        found.add1(std::move(item));
    }
    return found;
}

UserFunctionList UserFunctionList::scanShells(const ShellList& shells, const SysSeparatorList& separators,
                                              const SysFunctionList& functions) {
    UserFunctionList all;
    for (const auto& shell : shells.shellList) {
        if (shell->shellType == ShellItemType::Disable || shell->shellType == ShellItemType::Killed)
            continue;
        all.add4(scanShell(shell, separators, functions));
    }
    return all;
}

FindResult3 UserFunctionList::getFunctionItemListIndex1(std::string_view name) const {
    if (name.empty())
        return FindResult3(-1);
    auto it = m_byName.find(name);
    return FindResult3(it == m_byName.end() ? -1 : it->second);
}

FindResult3 UserFunctionList::getFunctionItemListIndex2(int id) const {
    for (int i = 0; i < size(); ++i) {
        if (userFunctionList[static_cast<size_t>(i)]->itemId == id)
            return FindResult3(i);
    }
    return FindResult3(-1);
}

FindResult3 UserFunctionList::getFunctionItemListIndex3(std::string_view name,
                                                        const VariableList* types) const {
    if (!types)
        return getFunctionItemListIndex1(name);
    for (int i = 0; i < size(); ++i) {
        const auto& item = userFunctionList[static_cast<size_t>(i)];
        if (item->name != name || item->paramerCount() != types->size())
            continue;
        // Only the first sub with that name and count is compared.
        for (int p = 0; p < item->paramerCount(); ++p) {
            if (item->paramerTypes[static_cast<size_t>(p)] !=
                types->variableItems[static_cast<size_t>(p)]->type)
                return FindResult3(-1);
        }
        return FindResult3(i);
    }
    return FindResult3(-1);
}

UserFunctionItemPtr UserFunctionList::getFunctionItem1(int index) const {
    if (index < 0 || index >= size())
        return nullptr;
    return userFunctionList[static_cast<size_t>(index)];
}

UserFunctionItemPtr UserFunctionList::getFunctionItem3(std::string_view name,
                                                       const VariableList* types) const {
    return getFunctionItem1(getFunctionItemListIndex3(name, types).index);
}

UserFunctionItemPtr UserFunctionList::findByName(std::string_view name) const {
    return getFunctionItem1(getFunctionItemListIndex1(name).index);
}

FindResult3 UserFunctionList::getFunctionItemId1(std::string_view name) const {
    auto item = findByName(name);
    return item ? FindResult3(item->itemId) : FindResult3(-1);
}

int UserFunctionList::add1(UserFunctionItemPtr item) {
    if (!item)
        return -1;
    const int index = size();
    m_byName.try_emplace(item->name, index);
    userFunctionList.push_back(std::move(item));
    return index;
}

void UserFunctionList::add4(const UserFunctionList& other) {
    for (const auto& item : other.userFunctionList)
        add1(item);
}
