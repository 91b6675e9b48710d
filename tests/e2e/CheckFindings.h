#pragma once

// The findings of a check, as the repair tests compare them before and after a repair: one line
// per finding of a problem row ("<row kind> <cells but the number> | <message>", UTF-8, no row
// number, so that rows deleted above do not matter) and one per document hint (counts in
// parentheses left out).

#include <filesystem>
#include <string>
#include <vector>

namespace tabulex::e2e {

struct CheckFindings {
    bool Checked = false;  // the check ran to its end (a document without tables has no findings)
    std::vector<std::string> Rows;
    std::vector<std::string> Hints;
};

// Checks `docx` in-process with the default options; the report goes to `reportFolder`.
CheckFindings FindingsOf(const std::filesystem::path& docx, const std::filesystem::path& reportFolder);

// What `after` holds more often than `before` (each surplus once), sorted.
std::vector<std::string> IntroducedFindings(const CheckFindings& before, const CheckFindings& after);

}  // namespace tabulex::e2e
