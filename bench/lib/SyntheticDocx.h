#pragma once

// A synthetic archival inventory as Word writes it: a header row, the column-number row and N case
// rows of five columns with realistic Russian texts, in Word-like XML (revision ids, cell widths,
// run fonts). Deterministic: the same N gives the same bytes.

#include <string>

namespace tabulex::bench {

// The XML of word/document.xml.
std::string SyntheticInventoryXml(int rows);
// The .docx bytes.
std::string SyntheticInventoryDocx(int rows);
// Writes the .docx to `path`; returns the size of its word/document.xml.
std::size_t WriteSyntheticInventory(const std::string& path, int rows);

}  // namespace tabulex::bench
