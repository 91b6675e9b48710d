#pragma once

// The resume point of a stopped check, kept in the report folder beside the report it continues:
// the row to go on with, the file it belongs to and the run state at the stop (counters, case
// numbers, dates, rubricator), so that the resumed check writes the report an uninterrupted one
// would have written. One report folder holds one report and so at most one resume point.

#include "check/CheckOutcome.h"
#include "check/DatesCell.h"
#include "rules/RunState.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tabulex::check {

inline constexpr char kResumeFileName[] = ".Tabulex_Report.resume";

// Everything the rows of a run share, as it stood after the last checked row.
struct RunSnapshot {
    rules::ProblemCounts Counts;
    RunCounters Counters;
    std::string FirstNumber;
    std::string LastNumber;
    long long PreviousNumber = -1;
    std::vector<std::string> Rubricator;
    std::vector<std::string> NumberKeys;
    DatesCellState Dates;
};

struct ResumePoint {
    int Row = 1;               // the row to check next
    std::string DocumentName;  // Document.Name (1251)
    std::string Identity;      // CheckOptions::DocumentIdentity, or the name
    RunSnapshot State;
};

// The folder's resume point; nullopt when there is none or it cannot be read whole.
std::optional<ResumePoint> LoadResumePoint(const std::filesystem::path& folder);
// Writes it (a temporary file renamed into place); false when that failed.
bool SaveResumePoint(const std::filesystem::path& folder, const ResumePoint& point);
void EraseResumePoint(const std::filesystem::path& folder);

}  // namespace tabulex::check
