#pragma once

// Small readers of WordprocessingML property elements shared by the style sheet and the list
// numbering: on/off values, integer values, and a string-keyed map that accepts pugixml's char
// pointers without building a std::string per lookup.

#include <pugixml.hpp>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tabulex::word::docx::styles {

// The property element `name` (w:pPr, w:rPr, w:tblPr) of a paragraph, run or table. Properties come
// first in their parent (after at most a few bookmarks), so only the first children are looked at: a
// table of 100 000 rows without w:tblPr must not be scanned to its end on every question.
pugi::xml_node PropertiesOf(pugi::xml_node parent, const char* name);

// ST_OnOff: an element without w:val means on; "0", "false" and "off" mean off.
bool OnOffValue(pugi::xml_node element);
// The on/off value of the child `name` of `props`, or nothing when the child is absent.
std::optional<bool> OnOffChild(pugi::xml_node props, const char* name);
// The integer w:val of `element`, or nothing when the element or its value is missing or not a number.
std::optional<int> IntValue(pugi::xml_node element);
// The w:val of `element` ("" when absent).
std::string_view StringValue(pugi::xml_node element);
// The same readings from a w:val text, for readers without a DOM: `val` is null when the element
// has no w:val.
bool OnOffText(const char* val);
std::optional<int> IntText(std::string_view val);

struct StringHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
};

template <class Value>
using StringMap = std::unordered_map<std::string, Value, StringHash, std::equal_to<>>;

}  // namespace tabulex::word::docx::styles
