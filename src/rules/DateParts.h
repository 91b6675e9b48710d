#pragma once

// The numeric form of a covering date, day.month.year with full stops, and its conversion to a
// calendar day. A part that the text does not give is absent (kAbsentPart).
//
// Years below 100. A year keeps the value the text gives, except that ParseNumericDate turns 6..99
// into 1906..1999. Years that still lie below 100 when a date is converted (0..5 from a two-digit
// year, or a year taken from another part: "5.15", "1941-05.12") are read as two-digit years in the
// fixed window 1930..2029: 0..29 become 2000..2029, 30..99 become 1930..1999. This is the usual
// regional-settings default for two-digit years, fixed here so that reports never depend on the
// machine or the clock.

#include <optional>
#include <string_view>

#include "text/Calendar.h"

namespace tabulex::rules {

inline constexpr int kAbsentPart = -1;

struct DateParts {
    int Day = kAbsentPart;
    int Month = kAbsentPart;
    int Year = kAbsentPart;
    friend bool operator==(const DateParts&, const DateParts&) = default;
};

// Days of a month of the Gregorian calendar (February by the leap-year rule); 0 outside 1..12.
using text::DaysInMonth;

// Reads "12.05.1945", "05.1945", "1945", "5.1945" and the like: digits and full stops only.
// Fails (nullopt) on any other character and on exactly three full stops. Numbers too large for a
// date keep a value no date can have (they are never taken as absent).
std::optional<DateParts> ParseNumericDate(std::string_view text);

// How missing parts are filled: the earliest day the parts can mean (start of a range) or the latest.
enum class DateFilling { Earliest, Latest };

// The calendar day the parts mean with the missing day and month filled, or nullopt when the parts
// make no date (absent year, month outside 1..12, day outside the month, year above 9999).
std::optional<text::DayCount> ConvertDateParts(const DateParts& parts, DateFilling filling);

// The two-digit year rule above; years from 100 on are returned unchanged.
int ExpandTwoDigitYear(int year);

}  // namespace tabulex::rules
