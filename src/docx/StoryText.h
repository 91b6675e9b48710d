#pragma once

// Range.Text as Word gives it, in UTF-8 (the caller converts to Windows-1251 at the boundary).
// A paragraph ends with CR (13). A cell's text is its blocks followed by the end-of-cell mark
// CR BEL (13, 7), which takes the place of its last paragraph's CR. A row is its cells followed by
// the end-of-row mark CR BEL. A nested table inside a cell is part of the cell's text: each of its
// rows gives its cells with their own CR BEL marks and its own end-of-row mark, and the paragraph
// that follows it in the cell ends the outer cell.

#include "docx/InlineWalk.h"

#include <pugixml.hpp>

#include <string>

namespace tabulex::word::docx {

// How the tables of a story end their rows: with the end-of-row mark CR BEL as Range.Text does, or
// with a paragraph end, so that a text shown line by line puts every row on its own line.
enum class TableRows { WithRowMarks, AsParagraphs };

void AppendParagraphText(pugi::xml_node paragraph, FieldState& fields, std::string& out);
void AppendCellText(pugi::xml_node cell, FieldState& fields, std::string& out);
void AppendRowText(pugi::xml_node row, FieldState& fields, std::string& out);
void AppendTableText(pugi::xml_node table, FieldState& fields, std::string& out);
// Appends the blocks of a story or cell; stops before `stop` when given. Returns true when the
// last block appended was a paragraph.
bool AppendBlocksText(pugi::xml_node container, FieldState& fields, std::string& out,
                      pugi::xml_node stop = {}, bool* stopped = nullptr,
                      TableRows rows = TableRows::WithRowMarks);

std::string CellTextUtf8(pugi::xml_node cell);
std::string RowTextUtf8(pugi::xml_node row);
// The text of `body` from its start up to (not including) `stop`.
std::string StoryTextUtf8(pugi::xml_node body, pugi::xml_node stop = {},
                          TableRows rows = TableRows::WithRowMarks);

}  // namespace tabulex::word::docx
