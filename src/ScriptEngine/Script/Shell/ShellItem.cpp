#include "Shell/ShellItem.h"

std::shared_ptr<ShellItem> ShellItem::make(std::string name, int id, CmdLines lines, int type) {
    auto shell = std::make_shared<ShellItem>();
    shell->shellName = std::move(name);
    shell->shellID = id;
    shell->cmdLines = std::move(lines);
    shell->shellType = type;
    shell->isError = shell->cmdLines.isError;
    return shell;
}

bool ShellList::addShell(ShellItemPtr shell) {
    if (!shell)
        return false;
    shellList.push_back(std::move(shell));
    return true;
}

ShellItemPtr ShellList::getShellItem1(std::string_view name) const {
    if (name.empty())
        return nullptr;
    for (const auto& shell : shellList) {
        if (shell->shellName == name)
            return shell;
    }
    return nullptr;
}

ShellItemPtr ShellList::getShellItemWithId(int id) const {
    for (const auto& shell : shellList) {
        if (shell->shellID == id)
            return shell;
    }
    return nullptr;
}

ShellItemPtr ShellList::getShellItem2(int index) const {
    if (index < 0 || index >= size())
        return nullptr;
    return shellList[static_cast<size_t>(index)];
}
