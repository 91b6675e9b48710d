#pragma once

// Inventories for the end-to-end tests, written as .docx packages from a readable plan.
//
// A plan is UTF-8 text, one table row per line, cells separated by TAB, the first field holding
// the row's flags ("-" for none):
//   b  the row's text is bold            k  its paragraphs are kept with the next
//   s  the row may break across pages    m  one cell spanning the whole table grid (a rubric)
//   l  the first cell carries an automatic list number (decimal "N.", starting at @list-start)
// In a cell, "{p}" starts a new paragraph, "{br}" is a manual line break and "{nbsp}" a no-break
// space. Lines beginning with "#" are comments. Directives:
//   @para TEXT        a paragraph of text in the body (before, between or after tables)
//   @table            starts a new table (the first table starts by itself)
//   @list-start N     the number the automatic list starts with (1 by default)
//   @line TEXT        a paragraph of text with a drawn line floating over the page
//   @inline TEXT      a paragraph of text with a small drawing placed in line with the text
// Rows without "s" forbid breaking across pages, so only the rows marked "s" are breakable.

#include <filesystem>
#include <string>

namespace tabulex::e2e {

// The package bytes of the inventory a plan describes.
std::string InventoryDocxBytes(const std::string& planUtf8);

// Writes the inventory a plan describes to `path`.
void WriteInventory(const std::string& planUtf8, const std::filesystem::path& path);

}  // namespace tabulex::e2e
