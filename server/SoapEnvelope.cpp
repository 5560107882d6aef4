#include "SoapEnvelope.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstring>
#include <memory>

namespace tansu::demo {

namespace {

constexpr std::string_view kSoapEnvelopeNamespace = "http://schemas.xmlsoap.org/soap/envelope/";

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

bool isElement(const xmlNode* node, std::string_view localName, std::string_view ns) {
    if (node == nullptr || node->type != XML_ELEMENT_NODE)
        return false;
    if (localName != reinterpret_cast<const char*>(node->name))
        return false;
    const char* href = node->ns ? reinterpret_cast<const char*>(node->ns->href) : "";
    return ns == href;
}

const xmlNode* firstElement(const xmlNode* node) {
    for (; node != nullptr; node = node->next) {
        if (node->type == XML_ELEMENT_NODE)
            return node;
    }
    return nullptr;
}

std::string textOf(const xmlNode* node) {
    xmlChar* content = xmlNodeGetContent(node);
    if (content == nullptr)
        return {};
    std::string text(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return text;
}

} // namespace

SoapRequest parseSoapRequest(std::string_view body) {
    if (body.size() > kMaxEnvelopeBytes)
        throw SoapFault(SoapFault::Side::Client, "request too large");
    // A document type declaration could declare entities; a SOAP message never has one.
    if (body.find("<!DOCTYPE") != std::string_view::npos || body.find("<!ENTITY") != std::string_view::npos)
        throw SoapFault(SoapFault::Side::Client, "document type declarations are not accepted");
    std::unique_ptr<xmlDoc, DocFree> doc(
        xmlReadMemory(body.data(), static_cast<int>(body.size()), "request.xml", nullptr,
                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA));
    if (!doc)
        throw SoapFault(SoapFault::Side::Client, "the request is not well-formed XML");
    if (xmlGetIntSubset(doc.get()) != nullptr)
        throw SoapFault(SoapFault::Side::Client, "document type declarations are not accepted");
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (!isElement(root, "Envelope", kSoapEnvelopeNamespace))
        throw SoapFault(SoapFault::Side::Client, "the root element is not a SOAP 1.1 envelope");
    const xmlNode* body_ = nullptr;
    for (const xmlNode* child = firstElement(root->children); child; child = firstElement(child->next)) {
        if (isElement(child, "Body", kSoapEnvelopeNamespace)) {
            body_ = child;
            break;
        }
    }
    if (body_ == nullptr)
        throw SoapFault(SoapFault::Side::Client, "the envelope has no body");
    const xmlNode* action = firstElement(body_->children);
    if (action == nullptr)
        throw SoapFault(SoapFault::Side::Client, "the body names no action");

    SoapRequest request;
    request.action = reinterpret_cast<const char*>(action->name);
    if (action->ns != nullptr)
        request.actionNamespace = reinterpret_cast<const char*>(action->ns->href);
    for (const xmlNode* param = firstElement(action->children); param; param = firstElement(param->next)) {
        std::string name = reinterpret_cast<const char*>(param->name);
        // The first element of a name wins, as it does for the client's records.
        request.parameters.emplace(std::move(name), textOf(param));
    }
    return request;
}

bool soapActionAgrees(std::string_view header, std::string_view action) {
    if (header.size() >= 2 && header.front() == '"' && header.back() == '"')
        header = header.substr(1, header.size() - 2);
    if (header.empty())
        return true;
    if (header == action)
        return true;
    return header.size() > action.size() && header.substr(header.size() - action.size()) == action &&
           header[header.size() - action.size() - 1] == '/';
}

Record& Record::set(std::string_view name, std::string_view value) {
    m_fields.emplace_back(std::string(name), std::string(value));
    return *this;
}

Record& Record::set(std::string_view name, long long value) {
    return set(name, std::to_string(value));
}

std::optional<std::string> Record::get(std::string_view name) const {
    for (const auto& [key, value] : m_fields) {
        if (key == name)
            return value;
    }
    return std::nullopt;
}

Answer Answer::success(std::string_view message) {
    Answer answer;
    answer.m_records.emplace_back();
    answer.m_records.back().set("code", "200").set("msg", message);
    return answer;
}

Answer Answer::refusal(std::string_view message) {
    Answer answer;
    answer.m_records.emplace_back();
    answer.m_records.back().set("code", "999").set("msg", message);
    return answer;
}

Answer& Answer::useDocumentElement() {
    m_root = Root::DocumentElement;
    return *this;
}

Record& Answer::addItem() {
    if (!m_statusHoldsItem) {
        m_statusHoldsItem = true;
        return m_records.front();
    }
    return m_records.emplace_back();
}

std::string xmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // Control characters other than tab and line breaks are not allowed in XML 1.0.
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                continue;
            out += c;
        }
    }
    return out;
}

std::string writeSoapAnswer(std::string_view action, std::string_view actionNamespace, const Answer& answer) {
    const char* root = answer.root() == Answer::Root::NewDataSet ? "NewDataSet" : "DocumentElement";
    std::string out;
    out.reserve(512);
    out += "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    out += "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\"><soap:Body>";
    out += '<';
    out += action;
    out += "Response xmlns=\"";
    out += xmlEscape(actionNamespace);
    out += "\"><";
    out += action;
    out += "Result><";
    out += root;
    out += " xmlns=\"\">";
    for (const Record& record : answer.records()) {
        out += "<Table>";
        for (const auto& [name, value] : record.fields()) {
            out += '<';
            out += name;
            out += '>';
            out += xmlEscape(value);
            out += "</";
            out += name;
            out += '>';
        }
        out += "</Table>";
    }
    out += "</";
    out += root;
    out += "></";
    out += action;
    out += "Result></";
    out += action;
    out += "Response></soap:Body></soap:Envelope>\n";
    return out;
}

std::string writeSoapFault(SoapFault::Side side, std::string_view message) {
    std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
                      "<soap:Fault><faultcode>";
    out += side == SoapFault::Side::Client ? "soap:Client" : "soap:Server";
    out += "</faultcode><faultstring>";
    out += xmlEscape(message);
    out += "</faultstring></soap:Fault></soap:Body></soap:Envelope>\n";
    return out;
}

} // namespace tansu::demo
