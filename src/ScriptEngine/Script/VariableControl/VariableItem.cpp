#include "VariableControl/VariableItem.h"

#include "Global/PublicFunctions.h"
#include "Global/ScriptException.h"

VariableItemPtr VariableItem::make(std::string name, std::string data, int type) {
    return make(std::move(name), std::move(data), type, 0, 0, true, std::string());
}

VariableItemPtr VariableItem::make(std::string name, std::string data, int type, int arrayLength,
                                   int itemIndex, bool isPublic, std::string firstString) {
    auto item = std::make_shared<VariableItem>();
    item->name = std::move(name);
    item->data = std::move(data);
    item->type = type;
    item->arrayLength = arrayLength;
    item->arrayItemIndex = itemIndex;
    item->isPublic = isPublic;
    item->firstString = isPublic ? std::string() : std::move(firstString);
    item->isError = false;
    return item;
}

VariableItemPtr VariableItem::copyOf(const VariableItem& other) {
    auto item = std::make_shared<VariableItem>();
    item->name = other.name;
    item->data = other.data;
    item->firstString = other.firstString;
    item->type = other.type;
    item->arrayLength = other.arrayLength;
    item->arrayItemIndex = other.arrayItemIndex;
    item->isPublic = other.isPublic;
    item->isError = false;
    return item;
}

bool VariableItem::isArray() const {
    if (isArrayType(type))
        return true;
    if (arrayLength >= 1)
        throw ScriptException("VariableItem", name + "不具备数组属性");
    return false;
}

int VariableItem::val() const {
    return PublicFunctions::Val(data);
}
