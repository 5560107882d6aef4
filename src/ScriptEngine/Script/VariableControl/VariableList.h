// A value of the script language, and the variable store of an instance.
// A list with one item is a scalar; consecutive items with the same name and
// element indexes 0, 1, 2 ... are an array. The same type is the store, an
// operand on the evaluation stack and a built-in's result; an operand that
// reads a variable holds the store's own items.
//
// Arrays record their number of elements in arrayLength, and declaration,
// gathering, assignment and deletion all use that one convention.
//
//   VariableList store;
//   store.createTestList();                                   // var1, var2, var3
//   int i = store.getVariableItemListIndexEx("a", 0, fs, true, false);
#pragma once

#include "Global/FindResult.h"
#include "VariableControl/VariableItem.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class VariableList {
public:
    std::vector<VariableItemPtr> variableItems;
    bool isError{false};
    bool isSingleArray{false};

    VariableList() = default;
    // initVariableList3: - a one-item list that holds the item itself.
    explicit VariableList(VariableItemPtr item);
    // Copies share the items but never the name index, which is rebuilt on
    // the first search.
    VariableList(const VariableList& other)
        : variableItems(other.variableItems), isError(other.isError), isSingleArray(other.isSingleArray),
          maxItems(other.maxItems), maxArrayLength(other.maxArrayLength), m_bytes(other.m_bytes) {}
    VariableList& operator=(const VariableList& other) {
        if (this != &other) {
            variableItems = other.variableItems;
            isError = other.isError;
            isSingleArray = other.isSingleArray;
            maxItems = other.maxItems;
            maxArrayLength = other.maxArrayLength;
            m_bytes = other.m_bytes;
            m_index.reset();
        }
        return *this;
    }
    VariableList(VariableList&&) noexcept = default;
    VariableList& operator=(VariableList&&) noexcept = default;

    // initVariableList1: - every item copied.
    static VariableList copyOf(const VariableList& other);
    // initVariableList4:Data:Type: - a one-item list with a new public item.
    static VariableList initVariableList4(std::string name, std::string data, int type);
    // n Object items named "arg0" .. "arg<n-1>" (operand descriptions).
    static VariableList getDefaultParamerTypeList1(int n);

    int size() const { return static_cast<int>(variableItems.size()); }
    bool empty() const { return variableItems.empty(); }
    void clear() {
        variableItems.clear();
        m_index.reset();
        m_bytes = 0;
    }

    // Bytes held by the items of this list (text and records), kept up to
    // date by the store's operations (adding, assigning, removing); the
    // memory budget reads it every turn. One-item values made for operands
    // and their copies are not counted.
    size_t bytesHeld() const { return m_bytes; }
    // Sets the data of the item at index through the list, so the count of
    // bytes held stays right.
    void setItemData(int index, std::string data);

    VariableItemPtr getSingleItem() const { return variableItems.empty() ? nullptr : variableItems.front(); }
    VariableItemPtr getVariableItem2(int i) const;
    VariableItemPtr getVariableItem1(int i, int j) const { return getVariableItem2(i + j); }
    std::string getVariableItemData2(int i) const;
    std::string getVariableItemName2(int i) const;
    std::string getVariableItemFirstString2(int i) const;

    int addVariableItem1(VariableItemPtr item);
    int addVariableItem2(const VariableList& list);
    int addVariableItem_AutoCreateArray1(const VariableItemPtr& item);
    int addVariableItem4(std::string name, std::string data, bool isPublic, std::string firstString,
                         int arrayLength, int type);
    int addVariableItem5(std::string name, std::string data, bool isPublic, std::string firstString,
                         int arrayItemIndex, int arrayLength, int type);

    std::string toString(std::string_view joiner) const;
    std::string toString() const { return toString(","); }
    std::string toNetCallParamer(std::string_view joiner) const;

    // Lookups answer an index into the list, -1 when not found.
    int getVariableItemListIndex1(std::string_view name, int arrayItemIndex, bool isAutoCreate, bool isPublic,
                                  std::string_view firstString);
    int getVariableItemListIndex3(const VariableItem& item, bool isAutoCreate);
    int getVariableItemListIndex4(std::string_view name, bool isAutoCreate, bool isPublic,
                                  std::string_view firstString);
    int getVariableItemListIndexEx(std::string_view name, int arrayItemIndex, std::string_view firstString,
                                   bool isAutoCreate, bool isCreatePublic);
    // Position of this very item in the list, -1 when it is not there.
    int indexOfItem(const VariableItem* item) const;

    // isVariableItem1:Script: with the instance's current first string.
    bool isVariableItem1(std::string_view name, std::string_view firstString) const;
    bool isVariableItem2(std::string_view name, std::string_view firstString) const;
    bool isPublicVariableItem(std::string_view name) const;
    // Index of the visible variable (local of this level first, then public).
    int findVisible(std::string_view name, std::string_view firstString) const;

    VariableList getVariableList1(const VariableItem& item) const;
    VariableList getVariableList2(int index) const;

    VariableList let(const VariableItemPtr& target, const VariableList* source);
    bool letData(const VariableItem& target, const VariableItem& source, bool isAutoCreate);
    bool letArray(const VariableItem& target, const VariableList& source, bool isAutoCreate);

    bool delVariableItemWithIndex(int index, int arrayItemIndex, bool autoDelAll);
    bool delVariableItemWithFirstString(std::string_view firstString);
    // delVariableItem: - every local of the process with this number and name.
    bool delVariableItemOfPoc(int pocId, std::string_view pocName);
    void removeAllPublicItem();
    void removeAllSubItem();
    void createTestList();

    // Budget of the variable store: appending past it raises an error.
    // 0 means no limit (value lists other than the store have none).
    size_t maxItems{0};
    int maxArrayLength{0};

    // Lists from this length on search through the name index (16 unless a
    // test compares the indexed search with the plain walk).
    static void setIndexedSizeForTesting(size_t size);

    // Number of elements of the array whose element is at index, from that
    // element on; 1 for a scalar.
    int gatherCount(int index) const;

private:
    // Positions of the items by name, ascending. Kept only for long lists (the
    // variable store); appended items are indexed on the next search, and any
    // removal drops the index so the next search rebuilds it.
    struct NameIndex {
        std::unordered_map<std::string, std::vector<int>, NameHash, std::equal_to<>> positions;
        size_t indexed{0};
    };
    const std::vector<int>* positionsOf(std::string_view name) const;
    void structureChanged() { m_index.reset(); }
    // Removes the items that match; removing a run at the end (the locals
    // of the call level that just ended) keeps the name index.
    template <class Matches> bool removeMatching(Matches matches);
    void account(const VariableItem& item, bool added);
    void pushItem(VariableItemPtr item);
    size_t m_bytes{0};
    mutable std::unique_ptr<NameIndex> m_index;

    int find(std::string_view name, int arrayItemIndex, bool isPublic, std::string_view firstString) const;
    void checkRoom(size_t more) const;
};
