#include "rules/DateParts.h"

#include "text/CharClasses.h"

namespace tabulex::rules {
namespace {

// Larger than any day, month or year of a date, and small enough that no arithmetic on it overflows.
constexpr int kTooLargePart = 999'999'999;

int ReadPart(std::string_view digits) {
    if (digits.empty() || digits.find('.') != std::string_view::npos) return kAbsentPart;
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kTooLargePart) return kTooLargePart;
    }
    return static_cast<int>(value);
}

bool IsPresent(int part) {
    return part != kAbsentPart;
}

}  // namespace

std::optional<DateParts> ParseNumericDate(std::string_view text) {
    int stops = 0;
    for (char c : text) {
        if (c == '.')
            ++stops;
        else if (!text::IsDigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    if (stops == 3) return std::nullopt;

    // With fewer than two full stops the missing ones count as appended at the end, so "05.1945"
    // reads day 05, month 1945, no year; with four or more the year keeps a full stop and is absent.
    DateParts parts;
    const auto first = text.find('.');
    parts.Day = ReadPart(text.substr(0, first));
    if (first != std::string_view::npos) {
        const auto rest = text.substr(first + 1);
        const auto second = rest.find('.');
        parts.Month = ReadPart(rest.substr(0, second));
        if (second != std::string_view::npos) parts.Year = ReadPart(rest.substr(second + 1));
    }

    if (parts.Year >= 6 && parts.Year <= 99) parts.Year += 1900;
    if (!IsPresent(parts.Year) && parts.Month > 12) {  // "5.1945" is May 1945
        parts.Year = parts.Month;
        parts.Month = parts.Day;
        parts.Day = kAbsentPart;
    }
    if (!IsPresent(parts.Year) && !IsPresent(parts.Month) && parts.Day > 31) {  // "1945" is the year
        parts.Year = parts.Day;
        parts.Day = kAbsentPart;
    }
    return parts;
}

int ExpandTwoDigitYear(int year) {
    if (year < 0 || year > 99) return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<text::DayCount> ConvertDateParts(const DateParts& parts, DateFilling filling) {
    if (!IsPresent(parts.Year)) return std::nullopt;
    const bool earliest = filling == DateFilling::Earliest;
    const int month = IsPresent(parts.Month) ? parts.Month : (earliest ? 1 : 12);
    int day = parts.Day;
    if (!IsPresent(day)) {
        if (earliest)
            day = 1;
        else if (!IsPresent(parts.Month))
            day = 31;
        else if (parts.Month < 1 || parts.Month > 12)
            return std::nullopt;  // no last day to fill in
        else
            day = DaysInMonth(parts.Year, parts.Month);
    }
    const int year = ExpandTwoDigitYear(parts.Year);
    if (!text::IsValidDate(year, month, day)) return std::nullopt;
    return text::ToDayCount({year, month, day});
}

}  // namespace tabulex::rules
