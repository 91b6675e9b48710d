#pragma once

// Reads the comments of a .docx back for the tests: each comment's text lines, author and date
// from word/comments.xml, and where its range starts in word/document.xml (the table row and cell,
// or the body paragraph).

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tabulex::e2e {

struct ReadComment {
    std::string Author;  // UTF-8
    std::string Date;
    std::vector<std::string> Lines;  // UTF-8
    int Table = 0;                   // 1-based top-level table, 0 when not in a table
    int Row = 0;
    int Cell = 0;
    std::string Paragraph;    // the text of the paragraph the range starts in
    bool Referenced = false;  // a w:commentReference and a w:commentRangeEnd carry its id
};

// By comment id.
std::map<int, ReadComment> ReadComments(const std::filesystem::path& docx);

}  // namespace tabulex::e2e
