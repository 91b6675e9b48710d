#pragma once

// Parsing and writing the XML parts of a package without losing what the host does not understand.

#include "word/docx/Package.h"

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace tabulex::word::docx {

// Parses a part; throws word::Error naming the part and the offset when the XML does not parse.
// A missing part gives an empty document.
pugi::xml_document ParsePart(const Package& package, std::string_view partName);
// Serialises without reformatting (every element, attribute and namespace kept, no indentation added).
std::string SerializePart(const pugi::xml_document& document);

}  // namespace tabulex::word::docx
