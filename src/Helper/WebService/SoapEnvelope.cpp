#include "Helper/WebService/SoapEnvelope.h"

#include "platform/Utf8.h"
#include "platform/XmlWriter.h"

std::string buildSoapEnvelope(const std::string& serviceNamespace, const std::string& action,
                              const SoapParameters& parameters) {
    platform::XmlNodeSpec actionElement{action, {{"xmlns", serviceNamespace}}, {}, {}};
    for (auto& [key, value] : parameters)
        actionElement.children.push_back({key, {}, value, {}});
    platform::XmlNodeSpec envelope{
        "soap:Envelope",
        {
            {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"},
            {"xmlns:xsd", "http://www.w3.org/2001/XMLSchema"},
            {"xmlns:soap", "http://schemas.xmlsoap.org/soap/envelope/"},
        },
        {},
        {{"soap:Body", {}, {}, {actionElement}}},
    };
    return platform::serializeXmlDocument(envelope, "utf-8");
}

std::vector<std::pair<std::string, std::string>> soapHeaders(const std::string& serviceNamespace,
                                                             const std::string& action) {
    return {
        {"Content-Type", "text/xml; charset=utf-8"},
        {"SOAPAction", serviceNamespace + action},
    };
}

namespace {

std::optional<std::string> cutPair(const std::string& body, const std::string& open, const std::string& close,
                                   bool& eitherFound) {
    auto begin = body.find(open);
    auto end = body.find(close);
    eitherFound = begin != std::string::npos || end != std::string::npos;
    if (begin == std::string::npos || end == std::string::npos || end < begin)
        return std::nullopt;
    return body.substr(begin, end + close.size() - begin);
}

} // namespace

SoapFragment cutSoapFragment(const std::string& body) {
    if (!platform::utf8::isValid(body))
        return {FragmentOutcome::Undecodable, std::nullopt};
    bool eitherFound = false;
    auto fragment = cutPair(body, "<NewDataSet", "/NewDataSet>", eitherFound);
    if (!eitherFound)
        fragment = cutPair(body, "<DocumentElement", "/DocumentElement>", eitherFound);
    if (!fragment)
        return {FragmentOutcome::NoFragment, std::nullopt};
    return {FragmentOutcome::Found, std::move(fragment)};
}

std::optional<std::string> extractSoapFragment(const std::string& body) {
    return cutSoapFragment(body).text;
}

std::optional<std::string> cutBetween(const std::string& text, const std::string& open,
                                      const std::string& close) {
    auto begin = text.find(open);
    if (begin == std::string::npos)
        return std::nullopt;
    begin += open.size();
    auto end = text.find(close, begin);
    if (end == std::string::npos)
        return std::nullopt;
    return text.substr(begin, end - begin);
}
