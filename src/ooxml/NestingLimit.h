#pragma once

// The deepest nesting of XML elements the host accepts in a part. Every walk over the document's
// structure (cell text through nested tables, content controls, runs) may then recurse at most this
// deep, whatever a hostile file holds; a real document nests a few dozen levels at most (a table in
// a table of a content control is about a dozen). 256 is the limit common XML readers use as well.

#include <pugixml.hpp>

#include <string>

namespace tabulex::ooxml {

inline constexpr int kMaxXmlNesting = 256;

// True when no element of the tree lies deeper than kMaxXmlNesting (walked without recursion).
bool NestingWithinLimit(const pugi::xml_node& root);

// Throws text::Error ("nested too deep", with the limit and the file name) for `partName`.
[[noreturn]] void ThrowTooDeep(const std::string& packageName, std::string_view partName);

}  // namespace tabulex::ooxml
