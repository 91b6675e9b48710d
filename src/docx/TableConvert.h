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

}  // namespace tabulex::word::docx
