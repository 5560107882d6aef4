#include "Separator/SysSeparatorList.h"

#include "Global/PublicFunctions.h"
#include "VariableControl/VariableList.h"

std::shared_ptr<SysSeparatorItem> SysSeparatorItem::make(std::string name, int type, int id, int level,
                                                         int operands) {
    auto item = std::make_shared<SysSeparatorItem>();
    item->name = std::move(name);
    item->seperatorType = type;
    item->itemId = id;
    item->level = level;
    item->paramerCount = operands;
    item->isError = false;
    return item;
}

std::shared_ptr<SysSeparatorItem> SysSeparatorItem::makeDrawn(std::string name, int type, int operands) {
    auto item = make(std::move(name), type, PublicFunctions::getNextNewSysSeparatorId(), 20, operands);
    item->useDefaultLevel();
    return item;
}

VariableList SysSeparatorItem::paramerType() const {
    return VariableList::getDefaultParamerTypeList1(paramerCount);
}

bool SysSeparatorList::createDefaultList() {
    using T = SysSeparatorItemType;
    auto fixed = [this](const char* name, int type, int id, int operands, int levelOffset) {
        auto item = SysSeparatorItem::make(name, type, id, 20 - operands + levelOffset, operands);
        add2(item);
    };
    auto drawn = [this](std::string name, int type, int operands, int level) {
        auto item = SysSeparatorItem::makeDrawn(std::move(name), type, operands);
        if (level >= 0)
            item->level = level;
        add2(item);
    };
    fixed("+", T::getMid, T::getAdd, 2, -11);
    fixed("-", T::getMid, T::getSub, 2, -11);
    fixed("*", T::getMid, T::getMul, 2, -10);
    fixed("/", T::getMid, T::getDiv, 2, -10);
    fixed("&", T::getMid, T::getAnd, 2, -12);
    fixed("|", T::getMid, T::getOr, 2, -12);
    drawn(",", T::getMid, 0, -1);
    drawn("(", T::getDual, 2, -1);
    drawn(")", T::getDual, 0, 1);
    drawn("\"", T::getDual, 0, 1);
    fixed("=", T::getMid, T::getLet, 2, -13);
    fixed("==", T::getMid, T::getEq, 2, 0);
    fixed("!=", T::getMid, T::getNoteq, 2, 0);
    fixed("!", T::getMid, T::getNot, 1, 0);
    drawn(" ", T::getMid, 0, 0);
    drawn("\t", T::getMid, 0, 0);
    drawn("[", T::getDual, 0, 1);
    drawn("]", T::getDual, 0, 1);
    fixed(";", T::getRight, T::getLineend, 0, -20);
    drawn("{", T::getRight, 0, -1);
    drawn("}", T::getRight, 0, -1);
    return true;
}

void SysSeparatorList::add2(SysSeparatorItemPtr item) {
    if (!item)
        return;
    for (unsigned char c : item->name)
        m_splitChars[c] = true;
    sysSeparatorList.push_back(std::move(item));
}

SysSeparatorItemPtr SysSeparatorList::findByName(std::string_view name) const {
    // Separator names are made of split characters only, so most words are
    // told apart by their first byte.
    if (name.empty() || !isSplitChar(static_cast<unsigned char>(name.front())))
        return nullptr;
    for (const auto& item : sysSeparatorList) {
        if (item->name == name)
            return item;
    }
    return nullptr;
}

FindResult2 SysSeparatorList::getSeparatorItemListIndex1(std::string_view name) const {
    if (name.empty())
        return FindResult2(-1);
    for (int i = 0; i < size(); ++i) {
        if (sysSeparatorList[static_cast<size_t>(i)]->name == name)
            return FindResult2(i);
    }
    return FindResult2(-1);
}

FindResult2 SysSeparatorList::getSeparatorItemListIndex2(int id) const {
    for (int i = 0; i < size(); ++i) {
        if (sysSeparatorList[static_cast<size_t>(i)]->itemId == id)
            return FindResult2(i);
    }
    return FindResult2(-1);
}

SysSeparatorItemPtr SysSeparatorList::getSeparatorItem(int index) const {
    if (index < 0 || index >= size())
        return nullptr;
    return sysSeparatorList[static_cast<size_t>(index)];
}

SysSeparatorItemPtr SysSeparatorList::getSeparatorItemWithItemId(int id) const {
    return getSeparatorItem(getSeparatorItemListIndex2(id).index);
}

std::string SysSeparatorList::getAllSeparatorName1(std::string_view joiner) const {
    std::string text;
    for (size_t i = 0; i < sysSeparatorList.size(); ++i) {
        if (i > 0)
            text += joiner;
        text += sysSeparatorList[i]->name;
    }
    return text;
}
