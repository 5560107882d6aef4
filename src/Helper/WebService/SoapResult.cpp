#include "Helper/WebService/SoapResult.h"

#include "platform/Xml.h"

bool SoapRecord::has(std::string_view name) const {
    for (auto& [key, value] : fields) {
        if (key == name)
            return true;
    }
    return false;
}

std::string SoapRecord::field(std::string_view name) const {
    for (auto& [key, value] : fields) {
        if (key == name)
            return value;
    }
    return {};
}

std::optional<SoapResult> SoapResult::parse(const std::optional<std::string>& fragment) {
    if (!fragment)
        return std::nullopt;
    auto doc = platform::XmlDocument::parse(*fragment);
    if (!doc)
        return std::nullopt;
    SoapResult result;
    auto root = doc->root();
    result.m_rootName = root.name();
    for (auto record = root.firstChild(); record; record = record.nextSibling()) {
        SoapRecord item;
        for (auto field = record.firstChild(); field; field = field.nextSibling())
            item.fields.emplace_back(field.name(), field.text());
        result.m_records.push_back(std::move(item));
    }
    return result;
}

const SoapRecord& SoapResult::first() const {
    static const SoapRecord empty;
    return m_records.empty() ? empty : m_records.front();
}

std::vector<const SoapRecord*> SoapResult::list(std::string_view keyField) const {
    std::vector<const SoapRecord*> items;
    for (auto& record : m_records) {
        if (!record.has(keyField))
            break;
        items.push_back(&record);
    }
    return items;
}

std::vector<std::string> splitFieldList(const std::string& text) {
    std::vector<std::string> pieces;
    if (text.empty())
        return pieces;
    size_t start = 0;
    for (;;) {
        auto comma = text.find(',', start);
        pieces.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return pieces;
        start = comma + 1;
    }
}
