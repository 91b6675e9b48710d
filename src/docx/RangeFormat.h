#pragma once

// Reading and putting the formatting of a range (a table row, a cell, or the whole story) the way
// Word's Range.Font, Range.ParagraphFormat and Range.ListFormat do it.

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace tabulex::word::docx {

class DocxDocument;

// -1 when every run holding text is bold after style inheritance, 0 when none is, 9999999 when
// mixed; a range without any text is judged by its paragraph marks.
int RangeBold(const DocxDocument& document, pugi::xml_node range);
// Writes w:b (and w:bCs, as Word does) on every run and paragraph mark of the range.
void SetRangeBold(pugi::xml_node range, bool bold);
// Sets the font of every run and paragraph mark of the range.
void SetRangeFont(pugi::xml_node range, std::string_view fontUtf8);

int RangeKeepWithNext(const DocxDocument& document, pugi::xml_node range);
void SetRangeKeepWithNext(pugi::xml_node range, bool keep);

}  // namespace tabulex::word::docx
