#pragma once

// Dates are day counts: day 0 is 30 December 1899 (the date serial numbers that Word and
// the report use), day 1 is 31 December 1899, negative counts go before it.

#include <array>
#include <string>
#include <string_view>

namespace tabulex::text {

using DayCount = int;

struct CivilDate {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

bool IsLeapYear(int year);
// Days in a month of the proleptic Gregorian calendar; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
DayCount ToDayCount(const CivilDate& date);
CivilDate FromDayCount(DayCount days);

// dd.mm.yyyy, the Russian short date format, whatever the machine's locale.
std::string ShortDate(DayCount days);

}  // namespace tabulex::text
