#pragma once

// The covering dates of one inventory row (the Даты cell): a single date or a range, numeric with full
// stops ("12.05.1945", "05.1945", "1945"), with month names in any case and ending ("12 мая 1945" once
// its blanks are gone, "МАЙ.1945"), two bare years ("1941 1945"), and square brackets around parts.
// Missing day and month are filled so that the start is the earliest and the end the latest day the
// text can mean. The two-digit year rule is in DateParts.h.

#include <array>
#include <string>
#include <string_view>

#include "rules/DateParts.h"
#include "rules/RuleSet.h"
#include "text/Calendar.h"

namespace tabulex::rules {

// The three-letter lower-case stems of the month names in month order, May in its genitive "мая".
const std::array<std::string_view, 12>& MonthStems();

// The dates text as the parser reads it: lower-cased, blanks between two bare years or after the third
// word turned into a hyphen, month names replaced by ".mm.", doubled full stops and brackets removed.
std::string NormaliseDatesText(std::string_view datesText);

// Reads the dates text (already cleaned by the dates cell rules) and returns the fault text: the
// messages "Кол-во дней в месяце меньше; ", "Неверная; ", "Нач.; " and "Кон.; " in the order found,
// or the empty text. start and end are written only when their date converts; otherwise they keep the
// value the caller gave them. An empty text returns at once. Whether start lies after end is the
// caller's concern.
std::string CheckDates(std::string_view datesText, text::DayCount& start, text::DayCount& end);
// The same under a rule set: the modern one first reads the forms of ModernDates.h.
std::string CheckDates(std::string_view datesText, text::DayCount& start, text::DayCount& end, RuleSet rules);

}  // namespace tabulex::rules
