#include "platform/Xml.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <climits>

namespace platform {

namespace {

xmlNodePtr node(void* p)
{
    return static_cast<xmlNodePtr>(p);
}

std::string qualifiedName(xmlNodePtr n)
{
    std::string name = reinterpret_cast<const char*>(n->name);
    if (n->ns && n->ns->prefix)
        return reinterpret_cast<const char*>(n->ns->prefix) + (":" + name);
    return name;
}

xmlNodePtr nextElement(xmlNodePtr n)
{
    while (n && n->type != XML_ELEMENT_NODE)
        n = n->next;
    return n;
}

void silentErrors(void*, const char*, ...) { }
void silentStructuredErrors(void*, xmlErrorPtr) { }

} // namespace

std::string XmlElement::name() const
{
    return m_node ? qualifiedName(node(m_node)) : std::string();
}

std::string XmlElement::text() const
{
    if (!m_node)
        return {};
    xmlChar* content = xmlNodeGetContent(node(m_node));
    if (!content)
        return {};
    std::string out(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return out;
}

XmlElement XmlElement::firstChild() const
{
    return XmlElement(m_node ? nextElement(node(m_node)->children) : nullptr);
}

XmlElement XmlElement::firstChild(std::string_view name) const
{
    for (auto child = firstChild(); child; child = child.nextSibling()) {
        if (child.name() == name)
            return child;
    }
    return {};
}

XmlElement XmlElement::nextSibling() const
{
    return XmlElement(m_node ? nextElement(node(m_node)->next) : nullptr);
}

XmlElement XmlElement::nextSibling(std::string_view name) const
{
    for (auto sibling = nextSibling(); sibling; sibling = sibling.nextSibling()) {
        if (sibling.name() == name)
            return sibling;
    }
    return {};
}

std::unique_ptr<XmlDocument> XmlDocument::parse(std::string_view text)
{
    if (text.empty() || text.size() > INT_MAX)
        return nullptr;
    // A DTD is never needed by a SOAP answer; refusing it up front closes the
    // door on entity expansion and external loads.
    if (text.find("<!DOCTYPE") != std::string_view::npos || text.find("<!ENTITY") != std::string_view::npos)
        return nullptr;
    xmlSetGenericErrorFunc(nullptr, silentErrors);
    xmlSetStructuredErrorFunc(nullptr, silentStructuredErrors);
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA;
    xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, "UTF-8", options);
    if (!doc)
        return nullptr;
    if (!xmlDocGetRootElement(doc)) {
        xmlFreeDoc(doc);
        return nullptr;
    }
    return std::unique_ptr<XmlDocument>(new XmlDocument(doc));
}

XmlDocument::~XmlDocument()
{
    xmlFreeDoc(static_cast<xmlDocPtr>(m_doc));
}

XmlElement XmlDocument::root() const
{
    return XmlElement(xmlDocGetRootElement(static_cast<xmlDocPtr>(m_doc)));
}

} // namespace platform
