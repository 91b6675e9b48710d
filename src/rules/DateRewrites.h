#pragma once

// The rewrites of the date commands (the Даты menu, `tabulex fix --dates-...`) on the text of one
// dates cell. A command reads a date, or two dates joined by a hyphen, an en dash or an em dash,
// each date numeric ("10.11.1978", "10.11.78", "11.1978", "1978") or with its month as a word
// ("10 ноября 1978", "ноябрь 1978"), each optionally followed by the year mark "г.". A text it cannot
// read as a whole, or a date that does not exist (31.02.1997), is left alone.

#include "rules/RuleSet.h"

#include <optional>
#include <string>
#include <string_view>

namespace tabulex::rules {

enum class DateRewrite {
    FullYear,      // "10.11.78" -> "10.11.1978", by the two-digit year rule of DateParts.h
    MonthWords,    // "10.11.1978" -> "10 ноября 1978", "11.1978" -> "ноябрь 1978"
    MonthNumbers,  // "10 ноября 1978" -> "10.11.1978", "ноябрь 1978" -> "11.1978"
    DropZero,      // "01.11.1978" -> "1.11.1978": the day without its leading zero
    AddZero,       // "1 ноября 1978" -> "01 ноября 1978"
    DropYearMark,  // "1978 г." -> "1978"
    AddYearMark,   // "1978" -> "1978 г."
    JoinRanges,    // "1990 - 1995" -> "1990-1995": the blanks around the dash of a range go
};

// The cell text after the rewrite, or nullopt when the command leaves the cell as it is. The blanks
// around a range's dash are joined only when both ends are dates of the rule set's grammar: numeric
// under the original rules, also with month words under the modern ones.
std::optional<std::string> RewriteDates(DateRewrite rewrite, std::string_view cellText,
                                        RuleSet rules = RuleSet::Modern);

}  // namespace tabulex::rules
