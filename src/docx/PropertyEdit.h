#pragma once

// Writing run, paragraph and row properties in the element order the schema prescribes (Word
// rejects a document whose property elements are out of order); other children stay untouched.

#include <pugixml.hpp>

#include <string_view>

namespace tabulex::word::docx {

pugi::xml_node RunProperties(pugi::xml_node run);                  // w:r/w:rPr, created when absent
pugi::xml_node ParagraphProperties(pugi::xml_node paragraph);      // w:p/w:pPr
pugi::xml_node ParagraphMarkProperties(pugi::xml_node paragraph);  // w:p/w:pPr/w:rPr
pugi::xml_node RowProperties(pugi::xml_node row);                  // w:tr/w:trPr

// Sets an on/off property in a w:rPr: <w:b/> when on, <w:b w:val="0"/> when off, so that the
// result does not depend on what the styles say.
void SetRunToggle(pugi::xml_node rPr, const char* name, bool on);
void SetParagraphToggle(pugi::xml_node pPr, const char* name, bool on);
// w:rFonts with every script set to `fontUtf8`; theme fonts, which would win over it, are removed.
void SetRunFonts(pugi::xml_node rPr, std::string_view fontUtf8);
// w:numPr: remove it, or write numId 0 to stop numbering that the paragraph style gives.
void RemoveParagraphNumbering(pugi::xml_node paragraph, bool styleGivesNumbering);
// Inserts `name` into `parent` at its place in the schema order of a w:rPr or w:pPr.
pugi::xml_node RunPropertyChild(pugi::xml_node rPr, const char* name);
pugi::xml_node ParagraphPropertyChild(pugi::xml_node pPr, const char* name);

}  // namespace tabulex::word::docx
