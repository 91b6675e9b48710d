#pragma once

// The findings of a check, as the repair tests compare them before and after a repair: one line
// per finding of a problem row ("<row kind> <cells but the number> | <message>", UTF-8, no row
// number, so that rows deleted above do not matter) and one per document hint (counts in
// parentheses left out).

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tabulex::e2e {

struct RowFinding {
    int Place = 0;       // the row's place in the table
    std::string Row;     // the row kind and its cells but the number
    std::string Number;  // the number cell as the check read it
    std::string Message;
    std::string Line() const { return Row + " | " + Message; }
    std::string PlaceLine() const { return "row " + std::to_string(Place) + " | " + Message; }
    bool operator==(const RowFinding&) const = default;
};

struct CheckFindings {
    bool Checked = false;  // the check ran to its end (a document without tables has no findings)
    int Table = 0;         // the table checked: the one with the most rows
    int TableCount = 0;
    std::vector<RowFinding> Rows;
    std::vector<std::string> Hints;
};

// Checks `docx` in-process with the default options but the columns taken as they stand (the
// automatic choice reads the third row, which a deleted row above changes); the report goes to
// `reportFolder`.
CheckFindings FindingsOf(const std::filesystem::path& docx, const std::filesystem::path& reportFolder);

// How a row is told before and after a repair: by its place when no row was deleted (a repair that
// rewrites the number cell may change how the check splits the row into cells), else by its cells.
enum class RowIdentity { ByPlace, ByCells };

// What `after` holds more often than `before` (each surplus once), sorted; row findings for which
// `allowed` says true are left out.
std::vector<std::string> IntroducedFindings(const CheckFindings& before, const CheckFindings& after,
                                            const std::function<bool(const RowFinding&)>& allowed = {},
                                            RowIdentity identity = RowIdentity::ByCells);

}  // namespace tabulex::e2e
