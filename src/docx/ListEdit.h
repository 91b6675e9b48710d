#pragma once

// Range.ListFormat: the shown list number of a range, and turning list numbers off or into text.

#include "docx/StyleSheet.h"

#include <pugixml.hpp>

#include <string>

namespace tabulex::word::docx {

class DocxDocument;

// The shown number of the range's first numbered paragraph (Windows-1251), empty when none.
std::string RangeListString(DocxDocument& document, pugi::xml_node range);
// Removes the numbering of every numbered paragraph of the range. Returns whether anything changed.
bool RemoveRangeNumbers(DocxDocument& document, pugi::xml_node range);
// Writes each shown number and its suffix as a literal run at the start of its paragraph (the
// number alone in a paragraph without text), then removes the numbering. Returns whether anything changed.
bool ConvertRangeNumbersToText(DocxDocument& document, pugi::xml_node range);

// Numbers every paragraph of the range at level 0 of list `numId`.
void ApplyRangeNumbering(pugi::xml_node range, int numId);
// Adds a one-level decimal list of plain numbers ("1", "2", ...) to numbering.xml
// (`numbering` holds w:numbering, created when empty); returns its numId.
int AddDecimalList(pugi::xml_document& numbering);

// The text after the number (w:suff of the level): TAB by default, a space, or nothing.
std::string NumberSuffix(pugi::xml_node numberingRoot, NumberingRef ref);

}  // namespace tabulex::word::docx
