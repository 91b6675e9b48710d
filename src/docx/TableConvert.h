#pragma once

// Converting between tables and tab-separated paragraphs, as Word's Table.ConvertToText (TAB) and
// Selection.ConvertToTable do.

#include <pugixml.hpp>

namespace tabulex::word::docx {

// Replaces the table by paragraphs: each row becomes a paragraph whose cells are separated by a
// tab. A cell of several paragraphs keeps its paragraph breaks (Word does the same), so such a row
// spans several paragraphs. Nested tables are converted first, in the same way. A cell that
// continues a vertical merge gives no text.
void ConvertTableToText(pugi::xml_node table);

// The first `lines` paragraphs of the body become a table of `columns` columns, split at TAB.
// A line with more fields than columns keeps the extra fields, tab-separated, in its last cell;
// a line with fewer leaves the remaining cells empty. Returns false when the body has no paragraph.
bool ConvertParagraphsToTable(pugi::xml_node body, int lines, int columns, bool fitToContents);

}  // namespace tabulex::word::docx
