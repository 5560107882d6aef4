#include "SoapTestClient.h"

#include <httplib.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstring>

namespace tansu::demo::test {

bool FragmentRecord::has(const std::string& name) const {
    for (const auto& field : fields) {
        if (field.first == name)
            return true;
    }
    return false;
}

std::string FragmentRecord::operator[](const std::string& name) const {
    for (const auto& field : fields) {
        if (field.first == name)
            return field.second;
    }
    return {};
}

std::vector<std::string> Fragment::list(const std::string& key) const {
    std::vector<std::string> values;
    for (const auto& record : records) {
        if (!record.has(key))
            break;
        values.push_back(record[key]);
    }
    return values;
}

std::string buildEnvelope(const std::string& action, const Parameters& parameters, const std::string& ns) {
    auto text = [](const std::string& s) { return reinterpret_cast<const xmlChar*>(s.c_str()); };
    xmlDocPtr doc = xmlNewDoc(text("1.0"));
    xmlNodePtr envelope = xmlNewNode(nullptr, text("soap:Envelope"));
    xmlNewProp(envelope, text("xmlns:xsi"), text("http://www.w3.org/2001/XMLSchema-instance"));
    xmlNewProp(envelope, text("xmlns:xsd"), text("http://www.w3.org/2001/XMLSchema"));
    xmlNewProp(envelope, text("xmlns:soap"), text("http://schemas.xmlsoap.org/soap/envelope/"));
    xmlDocSetRootElement(doc, envelope);
    xmlNodePtr body = xmlNewChild(envelope, nullptr, text("soap:Body"), nullptr);
    xmlNodePtr actionNode = xmlNewChild(body, nullptr, text(action), nullptr);
    xmlNewProp(actionNode, text("xmlns"), text(ns));
    for (const auto& [name, value] : parameters)
        xmlNewTextChild(actionNode, nullptr, text(name), value.empty() ? nullptr : text(value));
    xmlChar* out = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(doc, &out, &size, "utf-8", 0);
    std::string envelopeText(reinterpret_cast<const char*>(out), static_cast<std::size_t>(size));
    xmlFree(out);
    xmlFreeDoc(doc);
    return envelopeText;
}

std::optional<std::string> cutFragment(const std::string& body) {
    for (const char* name : {"NewDataSet", "DocumentElement"}) {
        auto open = body.find(std::string("<") + name);
        auto close = body.find(std::string("/") + name + ">");
        if (open == std::string::npos && close == std::string::npos)
            continue;
        if (open == std::string::npos || close == std::string::npos || close < open)
            return std::nullopt;
        return body.substr(open, close + std::strlen(name) + 2 - open);
    }
    return std::nullopt;
}

std::optional<Fragment> parseFragment(const std::string& text) {
    xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), "fragment.xml", "utf-8",
                                  XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (doc == nullptr)
        return std::nullopt;
    xmlNodePtr root = xmlDocGetRootElement(doc);
    if (root == nullptr) {
        xmlFreeDoc(doc);
        return std::nullopt;
    }
    Fragment fragment;
    fragment.rootName = reinterpret_cast<const char*>(root->name);
    for (xmlNodePtr record = root->children; record; record = record->next) {
        if (record->type != XML_ELEMENT_NODE)
            continue;
        FragmentRecord fields;
        for (xmlNodePtr field = record->children; field; field = field->next) {
            if (field->type != XML_ELEMENT_NODE)
                continue;
            xmlChar* content = xmlNodeGetContent(field);
            fields.fields.emplace_back(reinterpret_cast<const char*>(field->name),
                                       content ? reinterpret_cast<const char*>(content) : "");
            xmlFree(content);
        }
        fragment.records.push_back(std::move(fields));
    }
    xmlFreeDoc(doc);
    return fragment;
}

SoapTestClient::SoapTestClient(int port, std::string path) : m_port(port), m_path(std::move(path)) {}

SoapResult SoapTestClient::call(const std::string& action, const Parameters& parameters) const {
    return post(buildEnvelope(action, parameters), "http://tansu.example.cn/" + action);
}

SoapResult SoapTestClient::post(const std::string& body, const std::string& soapAction) const {
    httplib::Client client("127.0.0.1", m_port);
    client.set_connection_timeout(10);
    client.set_read_timeout(10);
    httplib::Headers headers = {{"SOAPAction", soapAction}};
    SoapResult result;
    auto response = client.Post(m_path.c_str(), headers, body, "text/xml; charset=utf-8");
    if (!response)
        return result;
    result.status = response->status;
    result.body = response->body;
    result.fragmentText = cutFragment(result.body);
    if (result.fragmentText)
        result.fragment = parseFragment(*result.fragmentText);
    return result;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == separator) {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

} // namespace tansu::demo::test
