#pragma once

// The lines of a finished report file, read one at a time so that a report of any length is never
// held whole: CR LF, CR and LF each end a line, as Word takes plain text into paragraphs.

#include "report/ReportFile.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace tabulex::report {

class ReportTextLines {
  public:
    // Throws text::Error (the report cannot be read) when the file cannot be opened.
    ReportTextLines(const std::filesystem::path& path, Encoding encoding);
    ReportTextLines(const ReportTextLines&) = delete;
    ReportTextLines& operator=(const ReportTextLines&) = delete;
    ~ReportTextLines();

    // The next line in UTF-8, through 1251 in either encoding (a character 1251 cannot hold shows
    // as '?'); false after the last. The last line's own line end gives no empty line after it; an
    // empty file is one empty line.
    bool Next(std::string& lineUtf8);
    // Passes over the next line; false after the last.
    bool Skip() { return NextRaw(raw_); }

  private:
    bool NextRaw(std::string& line);
    bool Fill();

    std::FILE* file_;
    Encoding encoding_;
    std::string buffer_;
    std::size_t at_ = 0;
    bool skipLineFeed_ = false;  // the line before ended with CR: an LF right after belongs to it
    bool ended_ = false;
    std::size_t lines_ = 0;
    std::string raw_;
};

}  // namespace tabulex::report
