// One variable, one array element or one value of the script language. Every
// value is text; the type code says how "+" treats it and whether the item
// belongs to an array. Items are shared (VariableItemPtr): the variable store,
// an operand that reads a variable and a registry token can all hold the same
// item, so deleting a variable never leaves a dangling reference.
//
//   auto item = VariableItem::make("a", "5", VariableItemType::getNumber);
#pragma once

#include <memory>
#include <string>

struct VariableItemType {
    static constexpr int getObject = 0;
    static constexpr int getObjectArray = 1;
    static constexpr int getStringArray = 2;
    static constexpr int getNumber = 3;
    static constexpr int getNumberArray = 4;
    static constexpr int getCtrl = 5;
};

class VariableItem;
using VariableItemPtr = std::shared_ptr<VariableItem>;

class VariableItem {
public:
    std::string name;
    std::string data;
    std::string firstString;
    int type{VariableItemType::getObject};
    int arrayLength{0};
    int arrayItemIndex{0};
    bool isPublic{true};
    bool isError{true};
    bool isDeleted{false};
    int Level{21};

    // initVariableItem3:Data:Type: - public, first string "", not an array.
    static VariableItemPtr make(std::string name, std::string data, int type);
    // initVariableItem4:Data:Type:ArrayLength:ItemIndex:IsPublic:FirstString:
    static VariableItemPtr make(std::string name, std::string data, int type, int arrayLength, int itemIndex,
                                bool isPublic, std::string firstString);
    // initVariableItem5: - a copy of the fields that make the value.
    static VariableItemPtr copyOf(const VariableItem& other);

    // Whether the item is an array element. An item of a scalar type that
    // records an array length is inconsistent and raises an error.
    bool isArray() const;
    static bool isArrayType(int type) {
        return type == VariableItemType::getObjectArray || type == VariableItemType::getNumberArray ||
               type == VariableItemType::getStringArray;
    }
    int val() const;
};
