// Reading a result fragment: the root is the dataset, its child elements are
// the records (their names are never looked at), a record's child elements are
// its fields (the first of a name wins, no text reads as ""). Status and single
// values come from the first record; a list is the run of records, from the
// first, that have the list's key field.
//
//   auto result = SoapResult::parse(fragment);
//   if (!result || !result->isSuccess()) return;
//   for (auto* record : result->list("busLine")) use(record->field("busLine"));
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class SoapRecord {
public:
    std::vector<std::pair<std::string, std::string>> fields;

    bool has(std::string_view name) const;
    // The field's text; "" when the record lacks it.
    std::string field(std::string_view name) const;
};

// A comma-separated field ("stations", "distance", "lineName") as its pieces,
// in order, empty pieces kept; empty text gives no pieces.
std::vector<std::string> splitFieldList(const std::string& text);

class SoapResult {
public:
    // None when there is no fragment, it does not parse, or it has no root.
    static std::optional<SoapResult> parse(const std::optional<std::string>& fragment);

    const std::string& rootName() const { return m_rootName; }
    const std::vector<SoapRecord>& records() const { return m_records; }
    // The first record, or an empty one.
    const SoapRecord& first() const;

    std::string code() const { return first().field("code"); }
    std::string msg() const { return first().field("msg"); }
    bool isSuccess() const { return code() == "200"; }

    std::vector<const SoapRecord*> list(std::string_view keyField) const;

private:
    std::string m_rootName;
    std::vector<SoapRecord> m_records;
};
