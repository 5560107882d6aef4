// The user function registry: the subs found in the loaded shells by the
// header scan. A header is a line whose first word is "sub" with more than
// three words: "sub name ( Object a , ObjectArray b [ 5 ] )".
//
//   UserFunctionList subs = UserFunctionList::scanShell(shell, separators, functions);
//   subs.getFunctionItemListIndex1("main");
#pragma once

#include "CmdLine/CmdLine.h"
#include "Global/FindResult.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ShellItem;
class ShellList;
class SysSeparatorList;
class SysFunctionList;
class VariableList;

struct UserFunctionItemType {
    static constexpr int LocalFunction = 0;
    static constexpr int OnlineFunction = 1;
};

class UserFunctionItem {
public:
    std::string name;
    CmdLineLoc functionLoc;
    // Object (0) or ObjectArray (1), one per declared parameter.
    std::vector<int> paramerTypes;
    int itemId{0};
    int type{UserFunctionItemType::LocalFunction};
    bool isError{false};
    bool enabled{true};
    int Level{20};

    int paramerCount() const { return static_cast<int>(paramerTypes.size()); }
    int shellId() const;
    // Public values named "arglist" with the parameter types.
    VariableList paramerType() const;
};

using UserFunctionItemPtr = std::shared_ptr<UserFunctionItem>;

class UserFunctionList {
public:
    std::vector<UserFunctionItemPtr> userFunctionList;
    bool isError{false};

    // Header scan of one shell; every sub found draws the next sub id.
    static UserFunctionList scanShell(const std::shared_ptr<ShellItem>& shell,
                                      const SysSeparatorList& separators, const SysFunctionList& functions);
    // The subs of every shell that is neither Disable nor Killed.
    static UserFunctionList scanShells(const ShellList& shells, const SysSeparatorList& separators,
                                       const SysFunctionList& functions);

    FindResult3 getFunctionItemListIndex1(std::string_view name) const;
    FindResult3 getFunctionItemListIndex2(int id) const;
    FindResult3 getFunctionItemListIndex3(std::string_view name, const VariableList* types) const;
    UserFunctionItemPtr getFunctionItem1(int index) const;
    UserFunctionItemPtr getFunctionItem3(std::string_view name, const VariableList* types) const;
    UserFunctionItemPtr findByName(std::string_view name) const;
    FindResult3 getFunctionItemId1(std::string_view name) const;
    bool isFunction(std::string_view name) const { return getFunctionItemListIndex1(name).isFinded; }
    int add1(UserFunctionItemPtr item);
    void add4(const UserFunctionList& other);
    int size() const { return static_cast<int>(userFunctionList.size()); }

private:
    std::unordered_map<std::string, int, NameHash, std::equal_to<>> m_byName;
};
