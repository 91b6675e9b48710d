#pragma once

// The rules applied to each kind of row, and the document hints after the last row. The object
// lives for one run and holds everything the rows share: the run state (flags and class counters),
// the run counters, the case numbers, the rubricator and the dates. Rows that end with a problem
// text come back as a ProblemRow for the report.

#include "check/CheckOptions.h"
#include "check/CheckOutcome.h"
#include "check/DatesCell.h"
#include "check/FieldRules.h"
#include "check/ResumePoint.h"
#include "check/TableLayout.h"
#include "rules/RunState.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::check {

// Font.Bold and ParagraphFormat.KeepWithNext of a heading row's range.
struct HeadingFormat {
    int Bold = 0;
    int KeepWithNext = 0;
};

class RowRules {
  public:
    explicit RowRules(const CheckOptions& options);

    std::optional<ProblemRow> EmptyRow(int row);
    std::optional<ProblemRow> NumberingRow(int row, std::string_view rowText);
    std::optional<ProblemRow> HeadingRow(int row, std::string_view rowText, const HeadingFormat& format);
    // Row 1 when it is the table's header: not checked, only the skipped-row line.
    ProblemRow SkippedHeaderRow(int row);
    std::optional<ProblemRow> DataRow(int row, RowCells cells);

    // The document hints as report lines; the counted ones and the case-number findings go into
    // the counters. Call once, after the last row.
    std::vector<std::string> DocumentHints(const ColumnLayout& columns, ColumnMode mode);
    // The case-number summary lines (literal, non-literal, missing, repeated); valid after
    // DocumentHints.
    const rules::CaseNumberSummary& CaseNumbers() const { return caseNumbers_; }
    const rules::CaseNumberKeys& NumberKeys() const { return numberKeys_; }

    rules::RunState& State() { return state_; }
    RunCounters& Counters() { return counters_; }
    const std::string& FirstNumber() const { return firstNumber_; }
    const std::string& LastNumber() const { return lastNumber_; }
    const report::DateExtremes& Extremes() const { return dates_.Extremes; }
    const DateRuleCounts& DateAlternatives() const { return dates_.Alternatives; }
    const std::vector<std::string>& Rubricator() const { return rubricator_; }

    // The state the rows share, to be kept at a stop and given back when the check is resumed.
    RunSnapshot Snapshot() const;
    void Restore(RunSnapshot snapshot);

  private:
    void CheckPresence(const RowCells& cells, RowFindings& findings);
    void CheckSequence(std::string_view number, RowFindings& findings);
    void CheckQuantity(std::string quantity, RowFindings& findings);
    void CheckCellSpacing(std::string_view cell, std::string_view prefix, CellRole role,
                          RowFindings& findings);

    CheckOptions options_;
    rules::RunState state_;
    RunCounters counters_;
    std::string firstNumber_;
    std::string lastNumber_;
    long long previousNumber_ = -1;  // -1: unknown (start, or after a number that is not whole)
    std::vector<std::string> rubricator_;
    rules::CaseNumberKeys numberKeys_;
    rules::CaseNumberSummary caseNumbers_;
    DatesCellState dates_;
};

}  // namespace tabulex::check
