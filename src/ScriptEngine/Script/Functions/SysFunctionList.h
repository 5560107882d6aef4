// The system function registry of an instance: the default keyword entries
// followed by one entry per built-in handler. Lookups take the first match.
//
//   SysFunctionList list;
//   list.createDefaultList();
//   list.getFunctionItemId1("println").index;   // 217
#pragma once

#include "Functions/SysFunctionItem.h"
#include "Global/FindResult.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class VariableList;

class SysFunctionList {
public:
    std::vector<SysFunctionItemPtr> sysFunctionList;
    bool isError{false};

    void createDefaultList();
    void clear();
    void add1(const SysFunctionList& other);
    void add2(SysFunctionItemPtr item);
    int size() const { return static_cast<int>(sysFunctionList.size()); }

    FindResult1 getFunctionItemListIndex1(std::string_view name) const;
    FindResult1 getFunctionItemListIndex2(std::string_view name, const VariableList* types) const;
    FindResult1 getFunctionItemListIndex3(int id) const;
    SysFunctionItemPtr getFunctionItem(int index) const;
    SysFunctionItemPtr getFunctionItemWithItemId(int id) const;
    // The id of the entry found by name, in the index field (-1 when absent).
    FindResult1 getFunctionItemId1(std::string_view name) const;
    bool isFunction(std::string_view name) const { return getFunctionItemListIndex1(name).isFinded; }
    SysFunctionItemPtr findByName(std::string_view name) const;

private:
    std::unordered_map<std::string, int, NameHash, std::equal_to<>> m_byName;
    std::unordered_map<int, int> m_byId;
};
