// Argument lists: ParamerList is what the evaluator hands to a sub, a keyword
// or a built-in (one value list per argument, the first argument first);
// Paramers is the read-only view that built-ins get of it.
//
//   ParamerList args;
//   args.addData2("hello");
//   Paramers(args).getString(0);   // "hello"
#pragma once

#include "VariableControl/VariableList.h"

#include <optional>
#include <string>
#include <vector>

class ParamerList {
public:
    std::vector<VariableList> paramerList;
    bool isError{false};

    ParamerList() = default;
    explicit ParamerList(VariableList value) { paramerList.push_back(std::move(value)); }
    explicit ParamerList(VariableItemPtr item) { add2(std::move(item)); }

    bool add1(VariableList value);
    bool add2(VariableItemPtr item);
    VariableList& addData1(std::string text, int type);
    VariableList& addData2(std::string text) {
        return addData1(std::move(text), VariableItemType::getObject);
    }
    void reverse();

    const VariableList* get(int i) const;
    const VariableList* getSingleVariableList() const { return get(0); }
    VariableItemPtr getSingleVariableItem() const { return getSingleVariableItem(0); }
    VariableItemPtr getSingleVariableItem(int i) const;
    int size() const { return static_cast<int>(paramerList.size()); }
    // A copy of the first item of every argument: the argument types used
    // when subs are looked up by types. None when there are no arguments.
    std::optional<VariableList> toParamerTypeList() const;
};

class Paramers {
public:
    explicit Paramers(const ParamerList* list) : m_list(list) {}

    // The data of the first item of argument i; "" when it is missing.
    std::string getString(int i) const;
    // The data of every item of argument i; none when missing or empty.
    std::optional<std::vector<std::string>> getArray(int i) const;
    int size() const { return m_list ? m_list->size() : 0; }
    const ParamerList* getInnerContent() const { return m_list; }

private:
    const ParamerList* m_list{nullptr};
};
