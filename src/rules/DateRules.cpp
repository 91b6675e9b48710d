#include "rules/DateRules.h"

#include <optional>

#include "rules/ModernDates.h"
#include "text/CaseMaps.h"
#include "text/CharClasses.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"

namespace tabulex::rules {
namespace {
using namespace text::literals;

const std::string_view kDayBeyondMonth = "Кол-во дней в месяце меньше; "_cp;
const std::string_view kBadSingleDate = "Неверная; "_cp;
const std::string_view kBadStart = "Нач.; "_cp;
const std::string_view kBadEnd = "Кон.; "_cp;

void ReplaceInPlace(std::string& text, std::string_view oldPattern, std::string_view newText) {
    if (text.find(oldPattern) != std::string::npos) text = text::ReplaceAll(text, oldPattern, newText);
}

// "1941 1945": two four-digit years of the 1000s or 2000s separated by one blank.
bool IsTwoBareYears(std::string_view s) {
    auto digitsAt = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i <= to; ++i)
            if (!text::IsDigit(static_cast<unsigned char>(s[i]))) return false;
        return true;
    };
    auto millennium = [](char c) { return c == '1' || c == '2'; };
    return s.size() == 9 && millennium(s[0]) && millennium(s[5]) && digitsAt(1, 3) && digitsAt(6, 8) &&
           s[4] == ' ';
}

// A single date written with blanks ("1 мая 1945 31 мая 1946") is taken as a range at its third blank.
void MarkRangeInSingleDate(std::string& s) {
    s = text::CollapseDoubleSpaces(s);
    if (IsTwoBareYears(s)) s[4] = '-';
    int blanks = 0;
    for (char& c : s) {
        if (c == ' ' && ++blanks == 3) {
            c = '-';
            return;
        }
    }
}

// Every word that begins with the month's stem becomes ".mm.". One left-to-right pass: the inserted
// text holds no letter, so it can neither form a stem nor hide one.
void ReplaceMonthWords(std::string& s, std::string_view stem, int month) {
    std::size_t at = s.find(stem);
    if (at == std::string::npos) return;
    const char number[] = {'.', static_cast<char>('0' + month / 10), static_cast<char>('0' + month % 10),
                           '.'};
    std::string result;
    result.reserve(s.size() + 4);
    std::size_t copied = 0;
    while (at != std::string::npos) {
        result.append(s, copied, at - copied);
        result.append(number, sizeof number);
        copied = at;
        while (copied < s.size() && text::IsCyrillicSmall(static_cast<unsigned char>(s[copied]))) ++copied;
        at = s.find(stem, copied);
    }
    result.append(s, copied);
    s = std::move(result);
}

void RemoveBrackets(std::string& s) {
    if (s.find('[') == std::string::npos) return;
    std::erase_if(s, [](char c) { return c == '[' || c == ']'; });
}

bool DayBeyondMonth(const DateParts& p) {
    return p.Day > 0 && p.Month > 0 && p.Year > 0 && p.Month <= 12 && p.Day > DaysInMonth(p.Year, p.Month);
}

bool OnlyDay(const DateParts& p) {
    return p.Day != kAbsentPart && p.Month == kAbsentPart && p.Year == kAbsentPart;
}

// "5-12.06.1945", "05-06.1945", "12.05-15.06.1945": the start borrows what it leaves out from the end.
void CompleteStartFromEnd(DateParts& start, const DateParts& end) {
    if (end.Month == kAbsentPart || end.Year == kAbsentPart) return;
    if (OnlyDay(start)) {
        if (end.Day != kAbsentPart) {
            start.Month = end.Month;
        } else {
            start.Month = start.Day;
            start.Day = kAbsentPart;
        }
        start.Year = end.Year;
    } else if (start.Month != kAbsentPart && start.Year == kAbsentPart) {
        start.Year = end.Year;
    }
}

struct ParsedRange {
    std::optional<DateParts> Start;
    std::optional<DateParts> End;
};

ParsedRange ParseSingle(std::string_view s, std::string& faults) {
    const auto parts = ParseNumericDate(s);
    if (!parts) {
        faults.append(kBadSingleDate);
        return {};
    }
    if (DayBeyondMonth(*parts)) faults.append(kDayBeyondMonth);
    return {parts, parts};
}

ParsedRange ParseRange(std::string_view s, std::size_t split, std::string& faults) {
    ParsedRange range;
    range.End = ParseNumericDate(s.substr(split + 1));
    if (!range.End) {
        faults.append(kBadEnd);
    } else {
        DateParts& end = *range.End;
        if (DayBeyondMonth(end)) faults.append(kDayBeyondMonth);
        if (end.Day != kAbsentPart && end.Month != kAbsentPart && end.Year == kAbsentPart) {
            end.Year = end.Month;  // "1941-05.12": the end's two numbers are month and year
            end.Month = end.Day;
            end.Day = kAbsentPart;
        }
    }
    range.Start = ParseNumericDate(s.substr(0, split));
    if (!range.Start) {
        faults.append(kBadStart);
    } else {
        if (DayBeyondMonth(*range.Start)) faults.append(kDayBeyondMonth);
        if (range.End) CompleteStartFromEnd(*range.Start, *range.End);
    }
    return range;
}

void Convert(const std::optional<DateParts>& parts, DateFilling filling, text::DayCount& date,
             std::string_view fault, std::string& faults) {
    const auto converted = parts ? ConvertDateParts(*parts, filling) : std::nullopt;
    if (converted)
        date = *converted;
    else
        faults.append(fault);
}

}  // namespace

const std::array<std::string_view, 12>& MonthStems() {
    static constexpr std::array<std::string_view, 12> kStems = {"янв"_cp, "фев"_cp, "мар"_cp, "апр"_cp,
                                                                "мая"_cp, "июн"_cp, "июл"_cp, "авг"_cp,
                                                                "сен"_cp, "окт"_cp, "ноя"_cp, "дек"_cp};
    return kStems;
}

std::string NormaliseDatesText(std::string_view datesText) {
    std::string s = text::LowerCase1251(datesText);
    if (s.find_first_of("-,") == std::string::npos) MarkRangeInSingleDate(s);
    ReplaceInPlace(s, "май"_cp, "мая"_cp);
    for (int month = 1; month <= 12; ++month) ReplaceMonthWords(s, MonthStems()[month - 1], month);
    s = text::CollapseDoubleSpaces(s);
    ReplaceInPlace(s, "..", ".");
    ReplaceInPlace(s, "[.", ".[");
    ReplaceInPlace(s, ".]", "].");
    RemoveBrackets(s);  // a ] without any [ stays and spoils its part
    return s;
}

std::string CheckDates(std::string_view datesText, text::DayCount& start, text::DayCount& end) {
    std::string faults;
    if (datesText.empty()) return faults;
    const std::string s = NormaliseDatesText(datesText);
    auto split = s.find('-');
    if (split == std::string::npos) split = s.find(',');
    const ParsedRange range =
        split == std::string::npos ? ParseSingle(s, faults) : ParseRange(s, split, faults);
    Convert(range.Start, DateFilling::Earliest, start, kBadStart, faults);
    Convert(range.End, DateFilling::Latest, end, kBadEnd, faults);
    return faults;
}

std::string CheckDates(std::string_view datesText, text::DayCount& start, text::DayCount& end,
                       RuleSet rules) {
    if (rules == RuleSet::Original) return CheckDates(datesText, start, end);
    return CheckDates(ReadModernDates(datesText), start, end);
}

}  // namespace tabulex::rules
