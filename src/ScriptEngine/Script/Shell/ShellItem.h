// Shells: the code units of an instance. A shell is a named, numbered list
// of command lines; processes refer to their shell by number, and subs are
// registered together with the shell that holds them.
//
//   auto shell = ShellItem::make("main_A11502.exs", PublicFunctions::getNextCanCreateShellId(),
//                                CmdLines::initCmdLines3(text));
#pragma once

#include "CmdLine/CmdLines.h"

#include <memory>
#include <string>
#include <vector>

struct ShellItemType {
    static constexpr int Enable = 0;
    static constexpr int Disable = 1;
    static constexpr int Lock = 2;
    static constexpr int Killed = 3;
};

class ShellItem {
public:
    std::string shellName;
    int shellID{0};
    CmdLines cmdLines;
    bool isError{false};
    int shellType{ShellItemType::Enable};

    // initShellItem2:ShellID:CmdLines:ShellType:
    static std::shared_ptr<ShellItem> make(std::string name, int id, CmdLines lines,
                                           int type = ShellItemType::Enable);
};

using ShellItemPtr = std::shared_ptr<ShellItem>;

class ShellList {
public:
    std::vector<ShellItemPtr> shellList;
    bool isError{false};

    bool addShell(ShellItemPtr shell);
    ShellItemPtr getShellItem1(std::string_view name) const;
    ShellItemPtr getShellItemWithId(int id) const;
    ShellItemPtr getShellItem2(int index) const;
    int size() const { return static_cast<int>(shellList.size()); }
};
