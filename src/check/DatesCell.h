#pragma once

// The rules of the dates cell of a data row: typing faults (digits against letters, the year mark
// "г."), the date grammar, start after end, and the inventory's earliest and latest dates.

#include "check/CheckOutcome.h"
#include "check/Findings.h"
#include "report/Summary.h"
#include "rules/RuleSet.h"
#include "text/Calendar.h"

#include <string>
#include <string_view>

namespace tabulex::check {

// Lives for a whole run. Only dates converted in a row take part in that row's order check and in
// the extremes; a date that cannot be read is never taken from another row.
struct DatesCellState {
    report::DateExtremes Extremes;
    DateRuleCounts Alternatives;
};

// `dates` trimmed, no-break spaces already blanks; `number` trimmed, without its first full stop.
void CheckDatesCell(std::string_view dates, std::string_view number, rules::RuleSet ruleSet,
                    DatesCellState& state, RunCounters& counters, RowFindings& findings);

}  // namespace tabulex::check
