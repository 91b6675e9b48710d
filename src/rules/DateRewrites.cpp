#include "rules/DateRewrites.h"

#include "rules/DateParts.h"
#include "rules/ModernDates.h"
#include "text/CaseMaps.h"
#include "text/CharClasses.h"
#include "text/Cp1251.h"
#include "text/NumberWords.h"
#include "text/TextHelpers.h"

#include <vector>

namespace tabulex::rules {
namespace {
using namespace text::literals;

const std::string_view kYearMark = " г."_cp;

enum class MonthForm { None, Digits, Genitive, Nominative };

// One date of a dates cell, its parts as written, so that a rewrite changes only what it is about.
struct DateTerm {
    std::string Day;  // digits; empty when the date names no day
    int Month = 0;    // 1..12; 0 when it names no month
    MonthForm Form = MonthForm::None;
    std::string MonthText;  // the digits or the word as written
    std::string Year;       // two or four digits
    std::string Mark;       // "г." as written, with the blanks before it; empty when none
};

bool AllDigits(std::string_view s, std::size_t minLength, std::size_t maxLength) {
    if (s.size() < minLength || s.size() > maxLength) return false;
    for (char c : s)
        if (!text::IsDigit(static_cast<unsigned char>(c))) return false;
    return true;
}

int NumberOf(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

int FullYear(std::string_view year) {
    const int value = NumberOf(year);
    if (year.size() != 2) return value;
    return value >= 6 ? 1900 + value : ExpandTwoDigitYear(value);
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> pieces;
    for (std::size_t at = s.find(separator); at != std::string_view::npos; at = s.find(separator)) {
        pieces.push_back(s.substr(0, at));
        s.remove_prefix(at + 1);
    }
    pieces.push_back(s);
    return pieces;
}

// "10.11.1978", "10.11.78", "11.1978", "1978".
bool ReadNumeric(std::string_view s, DateTerm& term) {
    const auto parts = Split(s, '.');
    if (parts.size() == 3 && AllDigits(parts[0], 1, 2) && AllDigits(parts[1], 1, 2) &&
        (AllDigits(parts[2], 4, 4) || AllDigits(parts[2], 2, 2))) {
        term.Day = parts[0];
        term.MonthText = parts[1];
        term.Year = parts[2];
    } else if (parts.size() == 2 && AllDigits(parts[0], 1, 2) && AllDigits(parts[1], 4, 4)) {
        term.MonthText = parts[0];
        term.Year = parts[1];
    } else if (parts.size() == 1 && AllDigits(parts[0], 4, 4)) {
        term.Year = parts[0];
        return true;
    } else {
        return false;
    }
    term.Form = MonthForm::Digits;
    term.Month = NumberOf(term.MonthText);
    return true;
}

// "10 ноября 1978", "ноябрь 1978".
bool ReadWords(std::string_view s, DateTerm& term) {
    const auto words = Split(s, ' ');
    if (words.size() == 3 && AllDigits(words[0], 1, 2) && AllDigits(words[2], 4, 4)) {
        term.Month = GenitiveMonth(text::LowerCase1251(words[1]));
        term.Form = MonthForm::Genitive;
        term.Day = words[0];
    } else if (words.size() == 2 && AllDigits(words[1], 4, 4)) {
        term.Month = NominativeMonth(text::LowerCase1251(words[0]));
        term.Form = MonthForm::Nominative;
    } else {
        return false;
    }
    term.MonthText = words[words.size() - 2];
    term.Year = words.back();
    return term.Month != 0;
}

bool IsRealDate(const DateTerm& term) {
    if (term.Form == MonthForm::None) return true;
    if (term.Month < 1 || term.Month > 12) return false;
    if (term.Day.empty()) return true;
    const int day = NumberOf(term.Day);
    return day >= 1 && day <= DaysInMonth(FullYear(term.Year), term.Month);
}

std::optional<DateTerm> ReadTerm(std::string_view s) {
    DateTerm term;
    const std::string lower = text::LowerCase1251(s);
    if (lower.ends_with("г."_cp)) {
        std::size_t markStart = s.size() - 2;
        while (markStart > 0 && s[markStart - 1] == ' ') --markStart;
        term.Mark = s.substr(markStart);
        s = s.substr(0, markStart);
    }
    if (s.empty() || s.front() == ' ') return std::nullopt;
    if (!ReadNumeric(s, term) && !ReadWords(s, term)) return std::nullopt;
    if (!IsRealDate(term)) return std::nullopt;
    return term;
}

std::string Written(const DateTerm& term) {
    std::string s;
    switch (term.Form) {
        case MonthForm::None:
            s = term.Year;
            break;
        case MonthForm::Digits:
            if (!term.Day.empty()) s = term.Day + '.';
            s += term.MonthText + '.' + term.Year;
            break;
        case MonthForm::Genitive:
            s = term.Day + ' ' + term.MonthText + ' ' + term.Year;
            break;
        case MonthForm::Nominative:
            s = term.MonthText + ' ' + term.Year;
            break;
    }
    return s + term.Mark;
}

std::string TwoDigits(int n) {
    return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

void Rewrite(DateRewrite rewrite, DateTerm& term) {
    switch (rewrite) {
        case DateRewrite::FullYear:
            if (term.Year.size() == 2) term.Year = std::to_string(FullYear(term.Year));
            break;
        case DateRewrite::MonthWords:
            if (term.Form != MonthForm::Digits || term.Year.size() != 4) break;
            term.Form = term.Day.empty() ? MonthForm::Nominative : MonthForm::Genitive;
            term.MonthText = term.Day.empty() ? text::NominativeMonthNames()[term.Month]
                                              : text::GenitiveMonthNames()[term.Month];
            break;
        case DateRewrite::MonthNumbers:
            if (term.Form != MonthForm::Genitive && term.Form != MonthForm::Nominative) break;
            term.Form = MonthForm::Digits;
            term.MonthText = TwoDigits(term.Month);
            break;
        case DateRewrite::DropZero:
            if (term.Day.size() == 2 && term.Day[0] == '0') term.Day.erase(0, 1);
            break;
        case DateRewrite::AddZero:
            if (term.Day.size() == 1) term.Day.insert(0, 1, '0');
            break;
        case DateRewrite::DropYearMark:
            term.Mark.clear();
            break;
        case DateRewrite::AddYearMark:
            if (term.Mark.empty() && term.Year.size() == 4) term.Mark = kYearMark;
            break;
        case DateRewrite::JoinRanges:
            break;
    }
}

bool HasWordMonth(const DateTerm& term) {
    return term.Form == MonthForm::Genitive || term.Form == MonthForm::Nominative;
}

// A cell read as one or two dates with what stands between them.
struct DatesCell {
    std::vector<DateTerm> Terms;
    std::string Dash;  // with its blanks, as written; empty for a single date
};

constexpr std::string_view kDashes = "-\x96\x97";

std::optional<DatesCell> ReadCell(std::string_view s) {
    DatesCell cell;
    const std::size_t dash = s.find_first_of(kDashes);
    if (dash == std::string_view::npos) {
        auto term = ReadTerm(s);
        if (!term) return std::nullopt;
        cell.Terms.push_back(std::move(*term));
        return cell;
    }
    std::size_t before = dash;
    while (before > 0 && s[before - 1] == ' ') --before;
    std::size_t after = dash + 1;
    while (after < s.size() && s[after] == ' ') ++after;
    auto start = ReadTerm(s.substr(0, before));
    auto end = ReadTerm(s.substr(after));
    if (!start || !end) return std::nullopt;
    cell.Terms = {std::move(*start), std::move(*end)};
    cell.Dash = s.substr(before, after - before);
    return cell;
}

}  // namespace

std::optional<std::string> RewriteDates(DateRewrite rewrite, std::string_view cellText, RuleSet rules) {
    const std::string_view trimmed = text::TrimView(cellText);
    auto cell = ReadCell(trimmed);
    if (!cell) return std::nullopt;
    for (DateTerm& term : cell->Terms) Rewrite(rewrite, term);
    if (rewrite == DateRewrite::JoinRanges && cell->Terms.size() == 2) {
        const bool grammarReadsEnds =
            rules == RuleSet::Modern || (!HasWordMonth(cell->Terms[0]) && !HasWordMonth(cell->Terms[1]));
        if (grammarReadsEnds) std::erase(cell->Dash, ' ');
    }
    std::string result = Written(cell->Terms.front());
    if (cell->Terms.size() == 2) result += cell->Dash + Written(cell->Terms.back());
    if (result == trimmed) return std::nullopt;
    const std::size_t lead = static_cast<std::size_t>(trimmed.data() - cellText.data());
    return std::string(cellText.substr(0, lead)) + result +
           std::string(cellText.substr(lead + trimmed.size()));
}

}  // namespace tabulex::rules
