#include "check/DatesCell.h"

#include "check/FieldRules.h"
#include "check/Messages.h"
#include "text/CharClasses.h"
#include "text/TextHelpers.h"

namespace tabulex::check {
namespace {

using text::CharAt;

// The digits and letters around the first place where a digit and a Cyrillic letter touch,
// empty when there is none.
std::string DigitLetterFragment(std::string_view dates) {
    const int length = static_cast<int>(dates.size());
    for (int k = 1; k < length; ++k) {
        const int a = CharAt(dates, k);
        const int b = CharAt(dates, k + 1);
        const bool touch = (text::IsCyrillicLetter(a) && text::IsDigit(b)) ||
                           (text::IsDigit(a) && text::IsCyrillicLetter(b));
        if (!touch) continue;
        int s = k;
        while (s >= 1 && text::IsDigit(CharAt(dates, s))) --s;
        int e = k + 1;
        while (e <= length && text::IsCyrillicLetter(CharAt(dates, e))) ++e;
        // From the character before the digit run (or the start) to the end of the letter run.
        return std::string(text::Copy(dates, s == 0 ? 1 : s, e - s));
    }
    return {};
}

void EraseAt(std::string& text, int position, int count) {
    text.erase(static_cast<std::size_t>(position - 1), static_cast<std::size_t>(count));
}

void EraseFirst(std::string& text, std::string_view pattern) {
    const int p = text::PosFrom(pattern, text);
    if (p > 0) EraseAt(text, p, static_cast<int>(pattern.size()));
}

// Removes the year marks and reports the two typing faults around them.
std::string CleanDates(std::string_view dates, RowFindings& findings) {
    std::string cleaned = text::ReplaceAll(dates, "\x96", "-");
    cleaned = text::ReplaceAll(cleaned, "\r", " ");
    cleaned = text::ReplaceAll(cleaned, "\v", " ");
    cleaned = text::ReplaceAll(cleaned, "  ", " ");
    EraseFirst(cleaned, msg::kYearMarkSpaced);
    EraseFirst(cleaned, msg::kYearMarkSpaced);

    int p = text::PosFrom(msg::kYearMark, cleaned);
    if (p >= 1 && text::IsDigit(CharAt(cleaned, p - 1))) {
        findings.Hint(msg::kDateYearMark);
        EraseAt(cleaned, p, 2);
    }
    p = text::PosFrom(msg::kYearMark, cleaned);
    if (p >= 1 && text::IsDigit(CharAt(cleaned, p - 1))) EraseAt(cleaned, p, 2);

    p = text::PosFrom(msg::kYearLetterSpaced, cleaned);
    if (p >= 1) {
        findings.Hint(msg::kDateYearMarkStop);
        const int length = static_cast<int>(cleaned.size());
        EraseAt(cleaned, p, p < length - 1 && CharAt(cleaned, p + 2) == ',' ? 3 : 2);
    }
    return cleaned;
}

void UpdateExtremes(report::DateExtremes& x, text::DayCount start, text::DayCount end,
                    std::string_view number) {
    if (start < x.EarliestStart.Date || x.EarliestStart.Number.empty())
        x.EarliestStart = {start, std::string(number)};
    if (end < x.EarliestEnd.Date || x.EarliestEnd.Number.empty()) x.EarliestEnd = {end, std::string(number)};
    if (start > x.LatestStart.Date || x.LatestStart.Number.empty())
        x.LatestStart = {start, std::string(number)};
    if (end > x.LatestEnd.Date || x.LatestEnd.Number.empty()) x.LatestEnd = {end, std::string(number)};
}

}  // namespace

void CheckDatesCell(std::string_view dates, std::string_view number, DatesCellState& state,
                    RunCounters& counters, RowFindings& findings) {
    if (dates.find('-') != std::string_view::npos) ++counters.HyphenRows;
    if (dates.find(static_cast<char>(text::ch::kEnDash)) != std::string_view::npos) ++counters.DashRows;
    if (dates.empty() || dates == msg::kUndated) return;

    const std::string fragment = DigitLetterFragment(dates);
    if (!fragment.empty()) {
        std::string message(msg::kDateDigitLetter);
        message += fragment;
        message += "\"; ";
        findings.Hint(message);
    }

    const std::string cleaned = CleanDates(dates, findings);
    const std::string fault = rules::CheckDates(cleaned, state.Start, state.End);
    if (!fault.empty()) {
        std::string message(msg::kDateWrong);
        message += fault;
        message += "\"; ";
        findings.Error(message);
    }
    if (state.Start > state.End) {
        std::string message(msg::kDateStartAfterEnd);
        message += text::ShortDate(state.Start);
        message += '>';
        message += text::ShortDate(state.End);
        message += "\"; ";
        findings.Error(message);
    }
    UpdateExtremes(state.Extremes, state.Start, state.End, number);
}

}  // namespace tabulex::check
