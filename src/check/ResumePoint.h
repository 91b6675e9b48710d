#pragma once

// The resume point of a stopped check, kept in the report folder beside the report it continues:
// the row to go on with, the file it belongs to and the run state at the stop (counters, case
// numbers, dates, rubricator), so that the resumed check writes the report an uninterrupted one
// would have written. One report folder holds one report and so at most one resume point.
//
// The file is input like any other: it carries a checksum, and what it says is believed only when
// it could be the state of the rows before its row in the document being checked.

#include "check/CheckOutcome.h"
#include "check/DatesCell.h"
#include "report/ReportFolder.h"
#include "rules/RunState.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tabulex::check {

using report::kResumeFileName;

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

struct StoredResumePoint {
    enum class State {
        Missing,  // no resume point in the folder
        Damaged,  // cut short, changed by hand or not one of ours: not to be used
        Read,
    };
    State Found = State::Missing;
    ResumePoint Point;  // when Read
};

StoredResumePoint LoadResumePoint(const std::filesystem::path& folder);
// Writes it (a temporary file renamed into place; never through a link); 0, or why it failed (an
// errno value or report::kNotRegularFile).
int SaveResumePoint(const std::filesystem::path& folder, const ResumePoint& point);
void EraseResumePoint(const std::filesystem::path& folder);

// True when the point could have been stored by a check of a main table of `rowCount` rows: its
// row inside the table, and counts and texts no more than the rows before it can give.
bool FitsTable(const ResumePoint& point, int rowCount);

}  // namespace tabulex::check
