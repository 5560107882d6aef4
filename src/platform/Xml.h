// The XML reader: parses a UTF-8 string and walks its elements.
//
// Names are matched as written, prefix included ("diffgr:diffgram"), and a
// prefix whose namespace is declared outside the text is accepted, because
// result fragments are cut out of larger documents. The reader never loads a
// DTD, an external entity or anything from the network; a document with a
// DOCTYPE is refused.
//
//   auto doc = platform::XmlDocument::parse(fragment);
//   for (auto record = doc->root().firstChild(); record; record = record.nextSibling()) ...
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace platform {

class XmlElement {
public:
    XmlElement() = default;
    explicit operator bool() const { return m_node != nullptr; }

    std::string name() const; // as written, with its prefix
    std::string text() const; // all text inside, entities decoded; "" when none
    XmlElement firstChild() const;
    XmlElement firstChild(std::string_view name) const;
    XmlElement nextSibling() const;
    XmlElement nextSibling(std::string_view name) const;

private:
    friend class XmlDocument;
    explicit XmlElement(void* node)
        : m_node(node)
    {
    }
    void* m_node { nullptr };
};

class XmlDocument {
public:
    // None when the text is not well-formed XML, holds a DOCTYPE, or is empty.
    static std::unique_ptr<XmlDocument> parse(std::string_view text);
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    XmlElement root() const;

private:
    explicit XmlDocument(void* doc)
        : m_doc(doc)
    {
    }
    void* m_doc { nullptr };
};

} // namespace platform
