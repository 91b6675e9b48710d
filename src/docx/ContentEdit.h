#pragma once

// Building paragraphs and runs from plain text in the DOM, as Word does when text is typed or put
// into a range: CR (and LF, CR LF) starts a new paragraph (ooxml::SplitParagraphs), TAB is a tab,
// 11 a manual line break, 12 a page break.

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace tabulex::word::docx {

// Appends to `run` the w:t, w:tab and w:br elements of one paragraph's text.
void AppendRunContent(pugi::xml_node run, std::string_view lineUtf8);
// A new paragraph before `before` (or at the end of `parent` when empty) with copies of the
// given properties (either may be empty) and the line's text in one run.
pugi::xml_node InsertParagraph(pugi::xml_node parent, pugi::xml_node before, pugi::xml_node pPr,
                               pugi::xml_node rPr, std::string_view lineUtf8);

// Replaces the content of a cell by the text: one paragraph per line, each with the first
// paragraph's properties and the first run's properties of the old content. Comment ranges,
// comment references and bookmarks of the old content move to the first new paragraph.
void ReplaceCellText(pugi::xml_node cell, std::string_view textUtf8);

}  // namespace tabulex::word::docx
