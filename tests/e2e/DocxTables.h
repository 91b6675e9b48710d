#pragma once

// The tables of a saved .docx as the tool tests compare them, read back through the document host:
// one string per row, cells joined by " | ", in UTF-8. A cell's shown list number stands in front
// in brackets ("[3.]"); inside a cell "{p}" is a paragraph end, "{br}" a manual line break and
// "{tab}" a tab. With formatting, a row ends with " {b}" when it is bold, " {k}" when kept with the
// next row and " {s}" when it may break across pages.

#include <filesystem>
#include <string>
#include <vector>

namespace tabulex::e2e {

using TableRows = std::vector<std::string>;

struct DocumentView {
    std::vector<TableRows> Tables;
    std::string StoryUtf8;  // the whole main story as text, "{p}" for paragraph ends
    int Shapes = 0;
};

DocumentView ViewDocument(const std::filesystem::path& docx, bool withFormatting);

}  // namespace tabulex::e2e
