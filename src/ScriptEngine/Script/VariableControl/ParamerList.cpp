#include "VariableControl/ParamerList.h"

#include <algorithm>

bool ParamerList::add1(VariableList value) {
    paramerList.push_back(std::move(value));
    return true;
}

bool ParamerList::add2(VariableItemPtr item) {
    if (!item)
        return false;
    paramerList.emplace_back(std::move(item));
    return true;
}

VariableList& ParamerList::addData1(std::string text, int type) {
    paramerList.push_back(VariableList::initVariableList4("arg", std::move(text), type));
    return paramerList.back();
}

void ParamerList::reverse() {
    std::reverse(paramerList.begin(), paramerList.end());
}

const VariableList* ParamerList::get(int i) const {
    if (i < 0 || i >= size())
        return nullptr;
    return &paramerList[static_cast<size_t>(i)];
}

VariableItemPtr ParamerList::getSingleVariableItem(int i) const {
    const VariableList* value = get(i);
    return value ? value->getSingleItem() : nullptr;
}

std::optional<VariableList> ParamerList::toParamerTypeList() const {
    if (paramerList.empty())
        return std::nullopt;
    VariableList types;
    for (const auto& value : paramerList) {
        if (auto item = value.getSingleItem())
            types.variableItems.push_back(VariableItem::copyOf(*item));
    }
    return types;
}

std::string Paramers::getString(int i) const {
    if (!m_list)
        return {};
    auto item = m_list->getSingleVariableItem(i);
    return item ? item->data : std::string();
}

std::optional<std::vector<std::string>> Paramers::getArray(int i) const {
    if (!m_list)
        return std::nullopt;
    const VariableList* value = m_list->get(i);
    if (!value || value->empty())
        return std::nullopt;
    std::vector<std::string> texts;
    texts.reserve(value->variableItems.size());
    for (const auto& item : value->variableItems)
        texts.push_back(item->data);
    return texts;
}
