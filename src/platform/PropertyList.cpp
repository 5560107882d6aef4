#include "platform/PropertyList.h"

#include "platform/AtomicFile.h"
#include "platform/TextFile.h"

#include <plist/plist.h>

#include <cstdlib>
#include <limits>
#include <memory>

namespace platform {

// --- value ------------------------------------------------------------------

PlistValue::PlistValue(std::string text) : m_string(std::move(text)) {}

PlistValue::PlistValue(const char* text) : m_string(text ? text : "") {}

PlistValue PlistValue::integer(int64_t value) {
    PlistValue v;
    v.m_type = Type::Integer;
    v.m_integer = value;
    return v;
}

PlistValue PlistValue::real(double value) {
    PlistValue v;
    v.m_type = Type::Real;
    v.m_real = value;
    return v;
}

PlistValue PlistValue::boolean(bool value) {
    PlistValue v;
    v.m_type = Type::Boolean;
    v.m_boolean = value;
    return v;
}

PlistValue PlistValue::array(std::vector<PlistValue> items) {
    PlistValue v;
    v.m_type = Type::Array;
    v.m_items = std::move(items);
    return v;
}

PlistValue PlistValue::dictionary() {
    PlistValue v;
    v.m_type = Type::Dictionary;
    return v;
}

const std::string& PlistValue::asString() const {
    static const std::string empty;
    return m_type == Type::String ? m_string : empty;
}

int64_t PlistValue::asInteger() const {
    if (m_type == Type::Integer)
        return m_integer;
    if (m_type == Type::Real) {
        // Casting an out-of-range double is undefined; clamp first.
        if (!(m_real == m_real))
            return 0;
        if (m_real >= 9.2233720368547758e18)
            return std::numeric_limits<int64_t>::max();
        if (m_real <= -9.2233720368547758e18)
            return std::numeric_limits<int64_t>::min();
        return static_cast<int64_t>(m_real);
    }
    return 0;
}

double PlistValue::asReal() const {
    if (m_type == Type::Real)
        return m_real;
    if (m_type == Type::Integer)
        return static_cast<double>(m_integer);
    return 0;
}

bool PlistValue::asBoolean() const {
    return m_type == Type::Boolean && m_boolean;
}

void PlistValue::append(PlistValue item) {
    if (m_type != Type::Array)
        *this = array();
    m_items.push_back(std::move(item));
}

const PlistValue* PlistValue::find(const std::string& key) const {
    if (m_type != Type::Dictionary)
        return nullptr;
    for (size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i] == key)
            return &m_items[i];
    }
    return nullptr;
}

PlistValue* PlistValue::find(const std::string& key) {
    return const_cast<PlistValue*>(static_cast<const PlistValue*>(this)->find(key));
}

void PlistValue::set(const std::string& key, PlistValue value) {
    if (m_type != Type::Dictionary)
        *this = dictionary();
    if (auto* existing = find(key)) {
        *existing = std::move(value);
        return;
    }
    m_keys.push_back(key);
    m_items.push_back(std::move(value));
}

bool PlistValue::remove(const std::string& key) {
    if (m_type != Type::Dictionary)
        return false;
    for (size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i] != key)
            continue;
        m_keys.erase(m_keys.begin() + static_cast<std::ptrdiff_t>(i));
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(i));
        return true;
    }
    return false;
}

std::string PlistValue::stringForKey(const std::string& key, const std::string& fallback) const {
    auto* value = find(key);
    if (!value || !value->isString())
        return fallback;
    return value->m_string;
}

bool operator==(const PlistValue& a, const PlistValue& b) {
    if (a.m_type != b.m_type)
        return false;
    switch (a.m_type) {
    case PlistValue::Type::String:
        return a.m_string == b.m_string;
    case PlistValue::Type::Integer:
        return a.m_integer == b.m_integer;
    case PlistValue::Type::Real:
        return a.m_real == b.m_real;
    case PlistValue::Type::Boolean:
        return a.m_boolean == b.m_boolean;
    case PlistValue::Type::Array:
        return a.m_items == b.m_items;
    case PlistValue::Type::Dictionary:
        return a.m_keys == b.m_keys && a.m_items == b.m_items;
    }
    return false;
}

// --- libplist conversion ------------------------------------------------------

namespace {

struct PlistFree {
    void operator()(void* node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

// libplist keeps integers unsigned; negative values travel as their
// two's-complement bit pattern and are written with a minus sign.
plist_t toNode(const PlistValue& value) {
    switch (value.type()) {
    case PlistValue::Type::String:
        return plist_new_string(value.asString().c_str());
    case PlistValue::Type::Integer:
        return plist_new_uint(static_cast<uint64_t>(value.asInteger()));
    case PlistValue::Type::Real:
        return plist_new_real(value.asReal());
    case PlistValue::Type::Boolean:
        return plist_new_bool(value.asBoolean() ? 1 : 0);
    case PlistValue::Type::Array: {
        plist_t node = plist_new_array();
        for (auto& item : value.items())
            plist_array_append_item(node, toNode(item));
        return node;
    }
    case PlistValue::Type::Dictionary: {
        plist_t node = plist_new_dict();
        for (size_t i = 0; i < value.keys().size(); ++i)
            plist_dict_set_item(node, value.keys()[i].c_str(), toNode(value.items()[i]));
        return node;
    }
    }
    return plist_new_string("");
}

std::optional<PlistValue> fromNode(plist_t node) {
    switch (plist_get_node_type(node)) {
    case PLIST_STRING: {
        char* text = nullptr;
        plist_get_string_val(node, &text);
        PlistValue v(text ? text : "");
        std::free(text);
        return v;
    }
    case PLIST_UINT: {
        uint64_t n = 0;
        plist_get_uint_val(node, &n);
        return PlistValue::integer(static_cast<int64_t>(n));
    }
    case PLIST_UID: {
        uint64_t n = 0;
        plist_get_uid_val(node, &n);
        return PlistValue::integer(static_cast<int64_t>(n));
    }
    case PLIST_REAL: {
        double d = 0;
        plist_get_real_val(node, &d);
        return PlistValue::real(d);
    }
    case PLIST_BOOLEAN: {
        uint8_t b = 0;
        plist_get_bool_val(node, &b);
        return PlistValue::boolean(b != 0);
    }
    case PLIST_DATE: {
        // Plist dates count from 2001-01-01 UTC.
        int32_t sec = 0;
        int32_t usec = 0;
        plist_get_date_val(node, &sec, &usec);
        return PlistValue::real(978307200.0 + sec + usec / 1e6);
    }
    case PLIST_DATA: {
        char* bytes = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &bytes, &length);
        PlistValue v(std::string(bytes ? bytes : "", bytes ? length : 0));
        std::free(bytes);
        return v;
    }
    case PLIST_ARRAY: {
        auto v = PlistValue::array();
        uint32_t count = plist_array_get_size(node);
        for (uint32_t i = 0; i < count; ++i) {
            auto item = fromNode(plist_array_get_item(node, i));
            if (!item)
                return std::nullopt;
            v.append(std::move(*item));
        }
        return v;
    }
    case PLIST_DICT: {
        auto v = PlistValue::dictionary();
        plist_dict_iter iter = nullptr;
        plist_dict_new_iter(node, &iter);
        if (!iter)
            return v;
        for (;;) {
            char* key = nullptr;
            plist_t child = nullptr;
            plist_dict_next_item(node, iter, &key, &child);
            if (!child) {
                std::free(key);
                break;
            }
            auto item = fromNode(child);
            std::string name = key ? key : "";
            std::free(key);
            if (!item) {
                std::free(iter);
                return std::nullopt;
            }
            v.set(name, std::move(*item));
        }
        std::free(iter);
        return v;
    }
    default:
        return std::nullopt;
    }
}

// libplist's XML reader accepts a file cut off inside its closing tag; a file
// that lost any of its end is treated as damaged.
bool hasCompleteXmlEnd(const std::string& bytes) {
    auto end = bytes.find_last_not_of(" \t\r\n");
    if (end == std::string::npos)
        return false;
    static const std::string closing = "</plist>";
    return end + 1 >= closing.size() && bytes.compare(end + 1 - closing.size(), closing.size(), closing) == 0;
}

} // namespace

std::optional<PlistValue> parsePropertyList(const std::string& bytes) {
    if (bytes.empty() || bytes.size() > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    const auto length = static_cast<uint32_t>(bytes.size());
    const bool binary = plist_is_binary(bytes.data(), length) != 0;
    if (!binary && (!isValidUtf8(bytes) || !hasCompleteXmlEnd(bytes)))
        return std::nullopt;
    plist_t root = nullptr;
    if (binary)
        plist_from_bin(bytes.data(), length, &root);
    else
        plist_from_xml(bytes.data(), length, &root);
    if (!root)
        return std::nullopt;
    PlistPtr owner(root);
    return fromNode(root);
}

std::string propertyListXml(const PlistValue& value) {
    PlistPtr root(toNode(value));
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    std::string out(xml ? xml : "", xml ? length : 0);
    plist_to_xml_free(xml);
    return out;
}

std::optional<PlistValue> readPropertyList(const std::string& path) {
    auto bytes = readWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return parsePropertyList(*bytes);
}

bool writePropertyList(const std::string& path, const PlistValue& value) {
    auto xml = propertyListXml(value);
    if (xml.empty())
        return false;
    return writeFileAtomically(path, xml);
}

} // namespace platform
