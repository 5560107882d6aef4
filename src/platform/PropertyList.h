// Property lists: a small value type (dictionary, array, string, integer,
// boolean, real) and the XML plist files that hold the options, the local
// station list and the user defaults.
//
// Dictionaries keep their keys in insertion order, which is also the order
// of the file, so a value read and written back produces the same file.
// Files are written atomically; a missing, truncated or corrupt file reads as
// none, so a caller starts afresh and never overwrites good data with garbage.
//
//   auto options = platform::readPropertyList(platform::documentsPath("options.plist"));
//   std::string uid = options ? options->stringForKey("uid") : "";
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class PlistValue {
public:
    enum class Type { String, Integer, Real, Boolean, Array, Dictionary };

    PlistValue() = default; // the empty string
    PlistValue(std::string text);
    PlistValue(const char* text);

    static PlistValue string(std::string text) { return PlistValue(std::move(text)); }
    static PlistValue integer(int64_t value);
    static PlistValue real(double value);
    static PlistValue boolean(bool value);
    static PlistValue array(std::vector<PlistValue> items = {});
    static PlistValue dictionary();

    Type type() const { return m_type; }
    bool isString() const { return m_type == Type::String; }
    bool isInteger() const { return m_type == Type::Integer; }
    bool isReal() const { return m_type == Type::Real; }
    bool isBoolean() const { return m_type == Type::Boolean; }
    bool isArray() const { return m_type == Type::Array; }
    bool isDictionary() const { return m_type == Type::Dictionary; }

    // Scalars; a value of another type answers the empty string, 0 or false.
    const std::string& asString() const;
    int64_t asInteger() const; // a real is truncated
    double asReal() const;     // an integer is widened
    bool asBoolean() const;

    // Arrays, and the values of a dictionary in key order.
    size_t size() const { return m_items.size(); }
    const std::vector<PlistValue>& items() const { return m_items; }
    const PlistValue& at(size_t index) const { return m_items.at(index); }
    PlistValue& at(size_t index) { return m_items.at(index); }
    void append(PlistValue item); // turns a non-array into an empty array first

    // Dictionaries. set() keeps the position of an existing key and appends a
    // new one; it turns a non-dictionary into an empty dictionary first.
    const std::vector<std::string>& keys() const { return m_keys; }
    const PlistValue* find(const std::string& key) const;
    PlistValue* find(const std::string& key);
    bool contains(const std::string& key) const { return find(key) != nullptr; }
    void set(const std::string& key, PlistValue value);
    bool remove(const std::string& key);
    // The string under key, or fallback when it is missing or not a string.
    std::string stringForKey(const std::string& key, const std::string& fallback = {}) const;

    friend bool operator==(const PlistValue& a, const PlistValue& b);

private:
    Type m_type{Type::String};
    std::string m_string;
    int64_t m_integer{0};
    double m_real{0};
    bool m_boolean{false};
    std::vector<PlistValue> m_items; // array items, or dictionary values
    std::vector<std::string> m_keys; // dictionary keys, parallel to m_items
};

// XML plist text. Parsing accepts XML and binary plists; dates read as reals
// (seconds since 1970) and data as strings of bytes. Anything that is not a
// complete plist gives none.
std::optional<PlistValue> parsePropertyList(const std::string& bytes);
std::string propertyListXml(const PlistValue& value);

std::optional<PlistValue> readPropertyList(const std::string& path);
// Atomic: answers false and leaves the old file intact when the write fails.
bool writePropertyList(const std::string& path, const PlistValue& value);

} // namespace platform
