#pragma once

// Joining a table that a stray paragraph split in two: the rows of the second part move to the
// end of the first, and the blank paragraphs between the parts go.

#include <pugixml.hpp>

namespace tabulex::word::docx {

// Moves the rows of `next` (a table of the same body after `table`) to the end of `table`,
// removes the paragraphs between them and `next` itself. Returns false, changing nothing, when
// a paragraph between them holds text, a section break or a comment's mark: those would be lost.
bool JoinTables(pugi::xml_node table, pugi::xml_node next);

}  // namespace tabulex::word::docx
