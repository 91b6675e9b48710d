#pragma once

// The advice after a check under the original rules whose date errors come mostly from the way
// inventories are written today: how many the modern rules would not report and how many the joining
// of ranges would mend. Shown on standard error and in the window's message, never in the report.

#include "check/CheckOutcome.h"

#include <string>

namespace tabulex::check {

// From this many rows on the advice is given.
inline constexpr int kDateAdviceRows = 5;

// The advice (Windows-1251), or the empty text when there is none to give.
std::string DateRulesAdvice(const DateRuleCounts& counts);

}  // namespace tabulex::check
