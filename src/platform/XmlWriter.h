// Builds an XML document as a tree and serialises it with libxml2: the
// declaration with version "1.0" and the given encoding, then the elements with
// no indentation, empty elements in self-closing form, and a final line feed.
//
//   XmlNodeSpec root { "soap:Envelope", {{"xmlns:soap", uri}}, {}, {body} };
//   std::string bytes = platform::serializeXmlDocument(root);
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace platform {

struct XmlNodeSpec {
    std::string name;                                       // as written, prefix included
    std::vector<std::pair<std::string, std::string>> attributes; // in this order
    std::string text;                                       // escaped as XML requires
    std::vector<XmlNodeSpec> children;                      // after the text
};

std::string serializeXmlDocument(const XmlNodeSpec& root, const char* encoding = "utf-8");

} // namespace platform
