#pragma once

// Parsing and writing the XML parts of a package without losing what the host does not understand.

#include "ooxml/MinimalPackage.h"
#include "ooxml/Package.h"

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace tabulex::ooxml {

// Parses a part; throws text::Error naming the part and the offset when the XML does not parse.
// A missing part gives an empty document.
pugi::xml_document ParsePart(const Package& package, std::string_view partName);
// Serialises without reformatting (every element, attribute and namespace kept, no indentation added).
std::string SerializePart(const pugi::xml_document& document);
// The same bytes as SerializePart, handed out piece by piece (the document, its root and the
// containers near the root opened one child at a time), so that a large story is written into the
// zip without ever being held whole. The document must not change while it is written.
class XmlPartWriter : public ooxml::PartWriter {
  public:
    // Elements for which `writtenWhole` holds (a row, a paragraph: small, and many) are written in
    // one go even near the root, which saves opening each of them.
    using WholeTest = bool (*)(pugi::xml_node element);
    explicit XmlPartWriter(const pugi::xml_document& document, WholeTest writtenWhole = nullptr);
    bool Next(std::string& out) override;

  private:
    struct Open {
        pugi::xml_node Node;
        pugi::xml_node NextChild;
    };
    bool Opens(pugi::xml_node child) const;
    void AppendStartTag(std::string& out, pugi::xml_node element);

    std::vector<Open> open_;
    WholeTest writtenWhole_;
    pugi::xml_document scratch_;
};

// Starts a new part: <?xml version="1.0" encoding="UTF-8" standalone="yes"?> and the root element.
pugi::xml_node StartPart(pugi::xml_document& document, const char* rootName, const char* namespaceAttribute,
                         const char* namespaceUri);

}  // namespace tabulex::ooxml
