#include "VariableControl/VariableList.h"

#include "Global/MyString.h"
#include "Global/ScriptException.h"

#include <algorithm>
#include <atomic>

namespace {
const char* const kSource = "VariableList";
// Lists at least this long (the variable store) search through a name index.
std::atomic<size_t> g_indexedSize{16};

int elementCount(const VariableItem& first) {
    // An array declared with length 0 still is one item.
    return first.arrayLength > 0 ? first.arrayLength : 1;
}
} // namespace

VariableList::VariableList(VariableItemPtr item) {
    if (!item) {
        isError = true;
        return;
    }
    // A one-item value is an operand or a result, never the store: its
    // bytes are not counted.
    variableItems.push_back(std::move(item));
}

void VariableList::setIndexedSizeForTesting(size_t size) {
    g_indexedSize.store(size);
}

void VariableList::account(const VariableItem& item, bool added) {
    const size_t bytes = item.data.size() + item.name.size() + item.firstString.size() + sizeof(VariableItem);
    if (added)
        m_bytes += bytes;
    else
        m_bytes = m_bytes > bytes ? m_bytes - bytes : 0;
}

void VariableList::pushItem(VariableItemPtr item) {
    account(*item, true);
    variableItems.push_back(std::move(item));
}

void VariableList::setItemData(int index, std::string data) {
    if (index < 0 || index >= size())
        return;
    VariableItem& item = *variableItems[static_cast<size_t>(index)];
    account(item, false);
    item.data = std::move(data);
    account(item, true);
}

VariableList VariableList::copyOf(const VariableList& other) {
    VariableList copy;
    copy.variableItems.reserve(other.variableItems.size());
    for (const auto& item : other.variableItems)
        copy.variableItems.push_back(VariableItem::copyOf(*item));
    copy.isSingleArray = other.isSingleArray;
    copy.isError = other.isError;
    return copy;
}

VariableList VariableList::initVariableList4(std::string name, std::string data, int type) {
    return VariableList(VariableItem::make(std::move(name), std::move(data), type));
}

VariableList VariableList::getDefaultParamerTypeList1(int n) {
    VariableList list;
    for (int i = 0; i < n; ++i)
        list.variableItems.push_back(
            VariableItem::make("arg" + std::to_string(i), "", VariableItemType::getObject));
    return list;
}

VariableItemPtr VariableList::getVariableItem2(int i) const {
    if (variableItems.empty())
        return nullptr;
    if (i < 0 || i >= size())
        throw ScriptException(kSource, "变量索引超限");
    return variableItems[static_cast<size_t>(i)];
}

std::string VariableList::getVariableItemData2(int i) const {
    if (i < 0 || i >= size())
        return {};
    return variableItems[static_cast<size_t>(i)]->data;
}

std::string VariableList::getVariableItemName2(int i) const {
    if (i < 0 || i >= size())
        return {};
    return variableItems[static_cast<size_t>(i)]->name;
}

std::string VariableList::getVariableItemFirstString2(int i) const {
    if (i < 0 || i >= size())
        return {};
    return variableItems[static_cast<size_t>(i)]->firstString;
}

void VariableList::checkRoom(size_t more) const {
    if (maxItems != 0 && variableItems.size() + more > maxItems)
        throw ScriptException(kSource, "变量数量超出限制(" + std::to_string(maxItems) + ")");
}

int VariableList::addVariableItem1(VariableItemPtr item) {
    if (!item)
        return -1;
    checkRoom(1);
    pushItem(std::move(item));
    return size() - 1;
}

int VariableList::addVariableItem2(const VariableList& list) {
    checkRoom(list.variableItems.size());
    for (const auto& item : list.variableItems)
        pushItem(item);
    return size() - 1;
}

int VariableList::addVariableItem_AutoCreateArray1(const VariableItemPtr& item) {
    if (!item)
        return -1;
    const int first = size();
    const int n = item->arrayLength;
    if (n == 0) {
        checkRoom(1);
        pushItem(item);
        return first;
    }
    if (n < 0)
        return first;
    if (maxArrayLength > 0 && n > maxArrayLength)
        throw ScriptException(kSource, "数组长度超出限制(" + std::to_string(maxArrayLength) + ")");
    checkRoom(static_cast<size_t>(n));
    variableItems.reserve(variableItems.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto element = VariableItem::copyOf(*item);
        element->arrayItemIndex = i;
        element->Level = item->Level;
        pushItem(std::move(element));
    }
    return first;
}

int VariableList::addVariableItem4(std::string name, std::string data, bool isPublic, std::string firstString,
                                   int arrayLength, int type) {
    return addVariableItem5(std::move(name), std::move(data), isPublic, std::move(firstString), 0,
                            arrayLength, type);
}

int VariableList::addVariableItem5(std::string name, std::string data, bool isPublic, std::string firstString,
                                   int arrayItemIndex, int arrayLength, int type) {
    return addVariableItem1(VariableItem::make(std::move(name), std::move(data), type, arrayLength,
                                               arrayItemIndex, isPublic, std::move(firstString)));
}

std::string VariableList::toString(std::string_view joiner) const {
    std::string text;
    for (const auto& item : variableItems) {
        text += item->data;
        text += joiner;
    }
    return text;
}

std::string VariableList::toNetCallParamer(std::string_view joiner) const {
    std::string text;
    bool first = true;
    for (const auto& item : variableItems) {
        if (!first)
            text += joiner;
        first = false;
        std::string escaped;
        escaped.reserve(item->data.size());
        for (char c : item->data) {
            if (c == '\\')
                escaped += "\\\\";
            else
                escaped += c;
        }
        if (!joiner.empty()) {
            std::string out;
            size_t i = 0;
            while (i < escaped.size()) {
                if (escaped.compare(i, joiner.size(), joiner) == 0) {
                    out += '\\';
                    out += joiner;
                    i += joiner.size();
                } else {
                    out += escaped[i++];
                }
            }
            escaped = std::move(out);
        }
        text += escaped;
    }
    return text;
}

const std::vector<int>* VariableList::positionsOf(std::string_view name) const {
    if (!m_index)
        m_index = std::make_unique<NameIndex>();
    NameIndex& index = *m_index;
    if (index.indexed > variableItems.size()) {
        index.positions.clear();
        index.indexed = 0;
    }
    for (; index.indexed < variableItems.size(); ++index.indexed) {
        const std::string& itemName = variableItems[index.indexed]->name;
        auto it = index.positions.find(std::string_view(itemName));
        if (it == index.positions.end())
            it = index.positions.emplace(itemName, std::vector<int>()).first;
        it->second.push_back(static_cast<int>(index.indexed));
    }
    auto it = index.positions.find(name);
    return it == index.positions.end() ? nullptr : &it->second;
}

int VariableList::find(std::string_view name, int arrayItemIndex, bool isPublic,
                       std::string_view firstString) const {
    const std::string_view wanted = isPublic ? std::string_view() : firstString;
    auto matches = [&](const VariableItem& item) {
        return item.arrayItemIndex == arrayItemIndex && item.isPublic == isPublic && !item.isDeleted &&
               item.name == name && item.firstString == wanted;
    };
    // Short lists (operands, results) are searched directly.
    if (variableItems.size() < g_indexedSize.load(std::memory_order_relaxed)) {
        for (size_t i = 0; i < variableItems.size(); ++i) {
            if (matches(*variableItems[i]))
                return static_cast<int>(i);
        }
        return -1;
    }
    const std::vector<int>* positions = positionsOf(name);
    if (!positions)
        return -1;
    const std::vector<int>& at = *positions;
    for (size_t k = 0; k < at.size();) {
        const int position = at[k];
        if (position >= size())
            break; // never trust a position past the end
        const VariableItem& item = *variableItems[static_cast<size_t>(position)];
        if (matches(item))
            return position;
        // An array is a run of consecutive elements: its element with the
        // wanted index is found by position, and the rest of the run is
        // skipped instead of walked, when the run's last element is where
        // the array's length says it is.
        const int length = item.arrayLength;
        if (item.arrayItemIndex == 0 && length > 1 && position + length - 1 < size()) {
            const VariableItem& last = *variableItems[static_cast<size_t>(position + length - 1)];
            if (last.arrayItemIndex == length - 1 && last.firstString == item.firstString &&
                last.isPublic == item.isPublic) {
                if (arrayItemIndex > 0 && arrayItemIndex < length &&
                    matches(*variableItems[static_cast<size_t>(position + arrayItemIndex)]))
                    return position + arrayItemIndex;
                k = static_cast<size_t>(
                    std::lower_bound(at.begin() + static_cast<long>(k) + 1, at.end(), position + length) -
                    at.begin());
                continue;
            }
        }
        ++k;
    }
    return -1;
}

int VariableList::getVariableItemListIndex1(std::string_view name, int arrayItemIndex, bool isAutoCreate,
                                            bool isPublic, std::string_view firstString) {
    const int found = find(name, arrayItemIndex, isPublic, firstString);
    if (found >= 0)
        return found;
    if (isAutoCreate && arrayItemIndex < 1 && !variableItems.empty())
        return addVariableItem5(std::string(name), "", isPublic, std::string(firstString), 0, 0,
                                VariableItemType::getObject);
    return -1;
}

int VariableList::getVariableItemListIndex3(const VariableItem& item, bool isAutoCreate) {
    return getVariableItemListIndex1(item.name, item.arrayItemIndex, isAutoCreate, item.isPublic,
                                     item.firstString);
}

int VariableList::getVariableItemListIndex4(std::string_view name, bool isAutoCreate, bool isPublic,
                                            std::string_view firstString) {
    return getVariableItemListIndex1(name, 0, isAutoCreate, isPublic, firstString);
}

int VariableList::getVariableItemListIndexEx(std::string_view name, int arrayItemIndex,
                                             std::string_view firstString, bool isAutoCreate,
                                             bool isCreatePublic) {
    int found = find(name, arrayItemIndex, false, firstString);
    if (found >= 0)
        return found;
    found = find(name, arrayItemIndex, true, {});
    if (found >= 0)
        return found;
    if (isAutoCreate && arrayItemIndex <= 0)
        return addVariableItem5(std::string(name), "", isCreatePublic, std::string(firstString), 0, 0,
                                VariableItemType::getObject);
    return -1;
}

int VariableList::indexOfItem(const VariableItem* item) const {
    if (!item)
        return -1;
    if (variableItems.size() >= g_indexedSize.load(std::memory_order_relaxed)) {
        const std::vector<int>* positions = positionsOf(item->name);
        if (!positions)
            return -1;
        for (int i : *positions) {
            if (i < size() && variableItems[static_cast<size_t>(i)].get() == item)
                return i;
        }
        return -1;
    }
    for (size_t i = 0; i < variableItems.size(); ++i) {
        if (variableItems[i].get() == item)
            return static_cast<int>(i);
    }
    return -1;
}

int VariableList::findVisible(std::string_view name, std::string_view firstString) const {
    if (name.empty())
        return -1;
    const int local = find(name, 0, false, firstString);
    if (local >= 0)
        return local;
    return find(name, 0, true, {});
}

bool VariableList::isVariableItem1(std::string_view name, std::string_view firstString) const {
    return findVisible(name, firstString) >= 0;
}

bool VariableList::isVariableItem2(std::string_view name, std::string_view firstString) const {
    return find(name, 0, false, firstString) >= 0;
}

bool VariableList::isPublicVariableItem(std::string_view name) const {
    return find(name, 0, true, {}) >= 0;
}

int VariableList::gatherCount(int index) const {
    const VariableItem& item = *variableItems[static_cast<size_t>(index)];
    if (!item.isArray())
        return 1;
    const int left = elementCount(item) - item.arrayItemIndex;
    int count = 1;
    // Only the consecutive items of the same array belong to it.
    while (count < left && index + count < size()) {
        const VariableItem& next = *variableItems[static_cast<size_t>(index + count)];
        if (next.name != item.name || next.firstString != item.firstString ||
            next.isPublic != item.isPublic || next.arrayItemIndex != item.arrayItemIndex + count)
            break;
        ++count;
    }
    return count;
}

VariableList VariableList::getVariableList2(int index) const {
    VariableList list;
    if (index < 0 || index >= size()) {
        list.isError = true;
        return list;
    }
    const int count = gatherCount(index);
    list.variableItems.assign(variableItems.begin() + index, variableItems.begin() + index + count);
    return list;
}

VariableList VariableList::getVariableList1(const VariableItem& item) const {
    return getVariableList2(indexOfItem(&item));
}

VariableList VariableList::let(const VariableItemPtr& target, const VariableList* source) {
    if (!target)
        throw ScriptException(kSource, "缺少被赋值的对象");
    if (!source)
        return VariableList(target);
    if (source->size() >= 2 && !source->isSingleArray)
        throw ScriptException(kSource, "暂不支持多类型的赋值方式");
    if (source->isSingleArray) {
        if (!target->isArray())
            throw ScriptException(kSource, "被赋值的变量非数组");
        if (!letArray(*target, *source, false))
            throw ScriptException(kSource, "赋值失败");
        const int at = getVariableItemListIndex3(*target, false);
        return getVariableList2(at);
    }
    if (source->empty() || !letData(*target, *source->variableItems.front(), false))
        throw ScriptException(kSource, "赋值失败");
    return VariableList(target);
}

bool VariableList::letData(const VariableItem& target, const VariableItem& source, bool isAutoCreate) {
    const int found = getVariableItemListIndex3(target, false);
    if (found < 0) {
        if (!isAutoCreate)
            return false;
        addVariableItem5(target.name, source.data, target.isPublic, target.firstString, 0, 0,
                         source.isArray() ? source.type - 1 : source.type);
        return true;
    }
    VariableItem& stored = *variableItems[static_cast<size_t>(found)];
    int type = source.type;
    if (!source.isArray())
        type += 1;
    if (!stored.isArray())
        type -= 1;
    // Copy through a temporary: the source may be the stored item itself.
    std::string data = source.data;
    account(stored, false);
    stored.data = std::move(data);
    account(stored, true);
    stored.type = type;
    return true;
}

bool VariableList::letArray(const VariableItem& target, const VariableList& source, bool /*isAutoCreate*/) {
    const int found = getVariableItemListIndex3(target, false);
    if (found < 0)
        return false;
    const int n = source.size();
    const int have = gatherCount(found);
    if (n == have) {
        // Same length: overwrite in place. Read every source first, since the
        // source may hold the very items being overwritten.
        std::vector<std::pair<std::string, int>> values;
        values.reserve(static_cast<size_t>(n));
        for (const auto& item : source.variableItems)
            values.emplace_back(item->data, item->isArray() ? item->type : item->type + 1);
        for (int i = 0; i < n; ++i) {
            VariableItem& element = *variableItems[static_cast<size_t>(found + i)];
            account(element, false);
            element.data = std::move(values[static_cast<size_t>(i)].first);
            account(element, true);
            element.type = values[static_cast<size_t>(i)].second;
        }
        return true;
    }
    if (maxArrayLength > 0 && n > maxArrayLength)
        throw ScriptException(kSource, "数组长度超出限制(" + std::to_string(maxArrayLength) + ")");
    // Read every source value first: the source usually holds the old
    // elements themselves (append), and those are reused below.
    std::vector<std::pair<std::string, int>> values;
    values.reserve(static_cast<size_t>(n));
    for (const auto& item : source.variableItems)
        values.emplace_back(item->data, item->isArray() ? item->type : item->type + 1);
    const std::vector<VariableItemPtr> old(variableItems.begin() + found,
                                           variableItems.begin() + found + have);
    const VariableItemPtr keep = old.front();
    if (!delVariableItemWithIndex(found, 0, true))
        throw ScriptException(kSource, "数组删除错误");
    checkRoom(static_cast<size_t>(n));
    variableItems.reserve(variableItems.size() + static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        auto& [data, type] = values[static_cast<size_t>(i)];
        if (static_cast<size_t>(i) >= old.size()) {
            pushItem(VariableItem::make(keep->name, std::move(data), type, n, i, keep->isPublic,
                                        keep->firstString));
            continue;
        }
        // The reassigned array moves to the end of the store; its old
        // element records are reused rather than made again.
        const VariableItemPtr& element = old[static_cast<size_t>(i)];
        element->data = std::move(data);
        element->type = type;
        element->arrayLength = n;
        element->arrayItemIndex = i;
        pushItem(element);
    }
    return true;
}

bool VariableList::delVariableItemWithIndex(int index, int arrayItemIndex, bool autoDelAll) {
    if (variableItems.empty() || index < 0 || index >= size() || arrayItemIndex < 0 ||
        index + arrayItemIndex >= size())
        return false;
    if (!autoDelAll) {
        account(*variableItems[static_cast<size_t>(index + arrayItemIndex)], false);
        variableItems.erase(variableItems.begin() + index + arrayItemIndex);
        structureChanged();
        return true;
    }
    const int length = gatherCount(index);
    if (length < arrayItemIndex || index + length > size())
        return false;
    for (int i = index + arrayItemIndex; i < index + length; ++i)
        account(*variableItems[static_cast<size_t>(i)], false);
    variableItems.erase(variableItems.begin() + index + arrayItemIndex,
                        variableItems.begin() + index + length);
    structureChanged();
    return true;
}

template <class Matches> bool VariableList::removeMatching(Matches matches) {
    const size_t count = variableItems.size();
    size_t first = 0;
    while (first < count && !matches(*variableItems[first]))
        ++first;
    if (first == count)
        return false;
    bool atTheEnd = true;
    for (size_t i = first + 1; i < count && atTheEnd; ++i)
        atTheEnd = matches(*variableItems[i]);
    if (!atTheEnd) {
        std::erase_if(variableItems, [&](const VariableItemPtr& item) {
            const bool gone = matches(*item);
            if (gone)
                account(*item, false);
            return gone;
        });
        structureChanged();
        return true;
    }
    for (size_t i = count; i-- > first;) {
        const VariableItem& item = *variableItems[i];
        account(item, false);
        if (!m_index || i >= m_index->indexed)
            continue;
        auto it = m_index->positions.find(std::string_view(item.name));
        if (it != m_index->positions.end() && !it->second.empty() && it->second.back() == static_cast<int>(i))
            it->second.pop_back();
        else
            m_index.reset(); // not what the index says: rebuild it on the next search
    }
    if (m_index)
        m_index->indexed = std::min(m_index->indexed, first);
    variableItems.resize(first);
    return true;
}

bool VariableList::delVariableItemWithFirstString(std::string_view firstString) {
    return removeMatching([&](const VariableItem& item) { return item.firstString == firstString; });
}

bool VariableList::delVariableItemOfPoc(int pocId, std::string_view pocName) {
    std::string prefix = "sub_" + std::to_string(pocId) + "_";
    prefix += pocName;
    return removeMatching(
        [&](const VariableItem& item) { return MyString::startsWith(item.firstString, prefix); });
}

void VariableList::removeAllPublicItem() {
    std::erase_if(variableItems, [&](const VariableItemPtr& item) {
        const bool gone = item->firstString.empty();
        if (gone)
            account(*item, false);
        return gone;
    });
    structureChanged();
}

void VariableList::removeAllSubItem() {
    std::erase_if(variableItems, [&](const VariableItemPtr& item) {
        const bool gone = !item->firstString.empty();
        if (gone)
            account(*item, false);
        return gone;
    });
    structureChanged();
}

void VariableList::createTestList() {
    pushItem(VariableItem::make("var1", "1", VariableItemType::getObjectArray));
    pushItem(VariableItem::make("var2", "2", VariableItemType::getObjectArray));
    pushItem(VariableItem::make("var3", "3", VariableItemType::getObject));
}
