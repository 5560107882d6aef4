#include "platform/XmlWriter.h"

#include <libxml/tree.h>

namespace platform {

namespace {

const xmlChar* x(const std::string& s)
{
    return reinterpret_cast<const xmlChar*>(s.c_str());
}

xmlNodePtr build(xmlDocPtr doc, const XmlNodeSpec& spec)
{
    xmlNodePtr node = xmlNewDocNode(doc, nullptr, x(spec.name), nullptr);
    for (auto& [name, value] : spec.attributes)
        xmlNewProp(node, x(name), x(value));
    if (!spec.text.empty())
        xmlAddChild(node, xmlNewDocText(doc, x(spec.text)));
    for (auto& child : spec.children)
        xmlAddChild(node, build(doc, child));
    return node;
}

} // namespace

std::string serializeXmlDocument(const XmlNodeSpec& root, const char* encoding)
{
    xmlDocPtr doc = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
    xmlDocSetRootElement(doc, build(doc, root));
    xmlChar* buffer = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(doc, &buffer, &size, encoding, 0);
    std::string out(reinterpret_cast<const char*>(buffer), static_cast<size_t>(size));
    xmlFree(buffer);
    xmlFreeDoc(doc);
    return out;
}

} // namespace platform
