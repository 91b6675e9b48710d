#include "rules/ModernDates.h"

#include <array>
#include <vector>

#include "rules/DateParts.h"
#include "rules/DateRules.h"
#include "text/CaseMaps.h"
#include "text/CharClasses.h"
#include "text/Cp1251.h"
#include "text/NumberWords.h"
#include "text/TextHelpers.h"

namespace tabulex::rules {
namespace {
using namespace text::literals;

constexpr char kHyphen = '-';
// A hyphen, an en dash or an em dash.
constexpr std::string_view kDashes = "-\x96\x97";

bool AllDigits(std::string_view s, std::size_t maxLength) {
    if (s.empty() || s.size() > maxLength) return false;
    for (char c : s)
        if (!text::IsDigit(static_cast<unsigned char>(c))) return false;
    return true;
}

std::vector<std::string_view> Words(std::string_view s) {
    std::vector<std::string_view> words;
    while (!s.empty()) {
        const std::size_t blank = s.find(' ');
        if (blank != 0) words.push_back(s.substr(0, blank));
        if (blank == std::string_view::npos) break;
        s.remove_prefix(blank + 1);
    }
    return words;
}

std::string TwoDigits(int month) {
    return {static_cast<char>('0' + month / 10), static_cast<char>('0' + month % 10)};
}

int MonthIn(const std::array<std::string_view, 13>& names, std::string_view word) {
    for (int month = 1; month <= 12; ++month)
        if (names[month] == word) return month;
    return 0;
}

// "июнь 1987" is June 1987.
std::optional<std::string> ReadMonthAndYear(std::string_view s) {
    const auto words = Words(s);
    if (words.size() != 2 || !AllDigits(words[1], 4)) return std::nullopt;
    const int month = NominativeMonth(words[0]);
    if (month == 0) return std::nullopt;
    return TwoDigits(month) + "." + std::string(words[1]);
}

// "12 мая 1990" is 12.05.1990: the month in the genitive, as a day is named.
std::optional<std::string> ReadDayMonthAndYear(std::string_view s) {
    const auto words = Words(s);
    if (words.size() != 3 || !AllDigits(words[0], 2) || !AllDigits(words[2], 4)) return std::nullopt;
    const int month = GenitiveMonth(words[1]);
    if (month == 0) return std::nullopt;
    return std::string(words[0]) + "." + TwoDigits(month) + "." + std::string(words[2]);
}

// One end of a range: a month written as a word, or a date of the original grammar that stands on
// its own (it has a year, so it borrows nothing from the other end, and it is not a range itself).
std::optional<std::string> ReadRangeEnd(std::string_view end) {
    if (auto read = ReadMonthAndYear(end)) return read;
    if (auto read = ReadDayMonthAndYear(end)) return read;
    const std::string normalised = NormaliseDatesText(end);
    if (normalised.find_first_of("-,") != std::string::npos) return std::nullopt;
    const auto parts = ParseNumericDate(normalised);
    if (!parts || parts->Year == kAbsentPart) return std::nullopt;
    return std::string(end);
}

// "04.01.1990 - 29.12.1990", "1990 – 1995", "май 1991 - июнь 1991": a dash, blanks around it or
// not, between two dates that each read on their own. An impossible day still reads, so that the
// date rules report it rather than the blanks.
std::optional<std::string> ReadSpacedRange(std::string_view s) {
    for (std::size_t at = s.find_first_of(kDashes); at != std::string_view::npos;
         at = s.find_first_of(kDashes, at + 1)) {
        const auto start = ReadRangeEnd(text::TrimView(s.substr(0, at)));
        if (!start) continue;
        const auto end = ReadRangeEnd(text::TrimView(s.substr(at + 1)));
        if (!end) continue;
        return *start + kHyphen + *end;
    }
    return std::nullopt;
}

constexpr DateFormExample kMonthAndYearExamples[] = {
    {"июнь 1987"_cp, "06.1987"},
    {"май 1991"_cp, "05.1991"},
    {"Сентябрь 1945"_cp, "09.1945"},
};
constexpr std::string_view kMonthAndYearMisses[] = {
    "июня 1987"_cp,  // genitive without a day
    "июнь"_cp,       // no year
    "шюнь 1987"_cp,  // no month of that name
    "июнь 1987 1988"_cp,
};

constexpr DateFormExample kDayMonthAndYearExamples[] = {
    {"12 мая 1990"_cp, "12.05.1990"},
    {"1 января 1950"_cp, "1.01.1950"},
    {"31 ФЕВРАЛЯ 1997"_cp, "31.02.1997"},  // read, so that the date rules find the impossible day
};
constexpr std::string_view kDayMonthAndYearMisses[] = {
    "12 май 1990"_cp,  // nominative after a day
    "12 мая"_cp,       // no year
    "123 мая 1990"_cp,
    "12 маяя 1990"_cp,
};

constexpr DateFormExample kSpacedRangeExamples[] = {
    {"04.01.1990 - 29.12.1990", "04.01.1990-29.12.1990"},
    {"1990 \x96 1995", "1990-1995"},
    {"1990 \x97 1995", "1990-1995"},
    {"1990\x97"
     "1995",
     "1990-1995"},
    {"май 1991 - июнь 1991"_cp, "05.1991-06.1991"},
    {"12 мая 1990 - 15 июня 1990"_cp, "12.05.1990-15.06.1990"},
    {"1995 - 1990", "1995-1990"},  // read, so that the order check finds it reversed
    {"31.02.1997 - 05.03.1997", "31.02.1997-05.03.1997"},
    {"[1945] - 1946", "[1945]-1946"},
};
constexpr std::string_view kSpacedRangeMisses[] = {
    "5 - 12.06.1945",         // the start borrows month and year from the end: written without blanks
    "1990 - 1991 - 1992",     // three dates
    "12.05.1990 15.06.1990",  // two dates without a dash
    "1990 -",                 // no end
    "1941 1945 - 1950",       // an end that is itself a range
};

constexpr ModernDateForm kForms[] = {
    {"месяц словом и год"_cp, ReadMonthAndYear, kMonthAndYearExamples, kMonthAndYearMisses},
    {"число, месяц в родительном падеже и год"_cp, ReadDayMonthAndYear, kDayMonthAndYearExamples,
     kDayMonthAndYearMisses},
    {"две даты через тире с пробелами"_cp, ReadSpacedRange, kSpacedRangeExamples, kSpacedRangeMisses},
};

}  // namespace

std::span<const ModernDateForm> ModernDateForms() {
    return kForms;
}

int NominativeMonth(std::string_view word) {
    return MonthIn(text::NominativeMonthNames(), word);
}

int GenitiveMonth(std::string_view word) {
    return MonthIn(text::GenitiveMonthNames(), word);
}

std::string ReadModernDates(std::string_view datesText) {
    const std::string s = text::CollapseDoubleSpaces(text::LowerCase1251(text::TrimView(datesText)));
    for (const ModernDateForm& form : kForms)
        if (auto read = form.Read(s)) return std::move(*read);
    return std::string(datesText);
}

}  // namespace tabulex::rules
