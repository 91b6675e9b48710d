#pragma once

// Parsing and writing the XML parts of a package without losing what the host does not understand.

#include "ooxml/Package.h"

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace tabulex::ooxml {

// Parses a part; throws text::Error naming the part and the offset when the XML does not parse.
// A missing part gives an empty document.
pugi::xml_document ParsePart(const Package& package, std::string_view partName);
// Serialises without reformatting (every element, attribute and namespace kept, no indentation added).
std::string SerializePart(const pugi::xml_document& document);
// Starts a new part: <?xml version="1.0" encoding="UTF-8" standalone="yes"?> and the root element.
pugi::xml_node StartPart(pugi::xml_document& document, const char* rootName, const char* namespaceAttribute,
                         const char* namespaceUri);

}  // namespace tabulex::ooxml
