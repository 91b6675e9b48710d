#pragma once

// The result of one check run, so that front ends need not read the report back: how the run
// ended, the counts, every problem row with its messages and the summary texts. Texts are 1251.

#include "check/TableLayout.h"
#include "report/Summary.h"
#include "rules/RunState.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tabulex::check {

enum class CheckEnd {
    Completed,     // every row checked, summary written, resume point erased
    Stopped,       // stopped on request at StoppedAtRow; the resume point is stored
    NoTables,      // the document has no table; nothing written
    ReportLocked,  // the report could not be written, or another check uses its folder; nothing written
    Failed,        // the user gave up after a failure, or the document host failed; no summary
};

struct RunCounters {
    int LinesWritten = 0;  // problem lines written to the report by this run
    int EmptyRows = 0;
    int NumberingRows = 0;
    int HeadingRows = 0;
    int DataRows = 0;
    int BreakableRows = 0;  // never counted past 5
    int HyphenRows = 0;
    int DashRows = 0;
    int SpacingFindings = 0;
};

// One shown finding of a row, as appended to the row's problem text (ending with "; " except
// "Лишняя пустая строка" and "Номер. Лишняя точка в конце: ").
struct Finding {
    rules::ProblemClass Class = rules::ProblemClass::Error;
    std::string Text;
    CellRole Cell = CellRole::Row;
};

// A row that was written to the report.
struct ProblemRow {
    int TableRow = 0;  // 1-based row index in the checked table
    RowKind Kind = RowKind::Data;
    // Data rows: Number, Title, Dates, Quantity, Notes as the report shows them; heading rows:
    // the heading text; numbering rows: the trimmed row text; other kinds: none.
    std::vector<std::string> Cells;
    std::string Problems;  // the last field of the report line
    std::vector<Finding> Findings;
};

// The certification line found after the main table and its disagreements with the check.
struct CertificationCheck {
    std::string Line;               // the line as read (its list paragraphs joined), empty when there is none
    int Paragraph = 0;              // 1-based among the paragraphs after the main table; 0 when there is none
    std::vector<Finding> Findings;  // the shown ones, in the order of the line's parts
};

// Under the original rules: the rows with a date error, and how many of them the modern rules would
// not report and `fix --dates-join-ranges` alone would mend. Counted for the advice on standard error
// and in the window's message, never in the report; a resumed check counts its own rows only.
struct DateRuleCounts {
    int ErrorRows = 0;
    int ClearedByModern = 0;
    int ClearedByJoining = 0;
};

struct CheckOutcome {
    CheckEnd End = CheckEnd::Failed;
    // The user's message for NoTables, ReportLocked and Failed (the host's message when it failed);
    // empty otherwise.
    std::string Message;
    std::string DocumentName;
    int CheckedTable = 0;
    int RowCount = 0;
    int StartRow = 1;      // greater than 1 when a stopped check was resumed
    int StoppedAtRow = 0;  // Stopped: the stored resume point; Failed: the row being checked
    ColumnLayout Columns;
    bool SwitchedToAutoColumns = false;

    rules::ProblemCounts Counts;
    RunCounters Counters;
    std::vector<ProblemRow> ProblemRows;
    // Completed only: everything the report holds below the problem lines.
    report::Summary Summary;
    std::string CertificationLine;
    CertificationCheck Certification;
    DateRuleCounts DateAlternatives;

    std::filesystem::path ReportPath;
    // For the report document: how many leading lines of the report file form the table, and its
    // column count.
    int ReportTableLines = 0;
    int ReportTableColumns = 0;
};

}  // namespace tabulex::check
