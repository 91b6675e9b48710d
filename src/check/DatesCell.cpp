#include "check/DatesCell.h"

#include "check/FieldRules.h"
#include "check/Messages.h"
#include "rules/DateRewrites.h"
#include "text/CharClasses.h"
#include "text/TextHelpers.h"

#include <limits>
#include <optional>

namespace tabulex::check {
namespace {

using text::CharAt;

constexpr text::DayCount kNotConverted = std::numeric_limits<text::DayCount>::min();

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

// Removes the year marks and reports the two typing faults around them (when `findings` is given).
std::string CleanDates(std::string_view dates, RowFindings* findings) {
    std::string cleaned = text::ReplaceAll(dates, "\x96", "-");
    cleaned = text::ReplaceAll(cleaned, "\r", " ");
    cleaned = text::ReplaceAll(cleaned, "\v", " ");
    cleaned = text::ReplaceAll(cleaned, "  ", " ");
    EraseFirst(cleaned, msg::kYearMarkSpaced);
    EraseFirst(cleaned, msg::kYearMarkSpaced);

    int p = text::PosFrom(msg::kYearMark, cleaned);
    if (p >= 1 && text::IsDigit(CharAt(cleaned, p - 1))) {
        if (findings != nullptr) findings->Hint(msg::kDateYearMark);
        EraseAt(cleaned, p, 2);
    }
    p = text::PosFrom(msg::kYearMark, cleaned);
    if (p >= 1 && text::IsDigit(CharAt(cleaned, p - 1))) EraseAt(cleaned, p, 2);

    p = text::PosFrom(msg::kYearLetterSpaced, cleaned);
    if (p >= 1) {
        if (findings != nullptr) findings->Hint(msg::kDateYearMarkStop);
        const int length = static_cast<int>(cleaned.size());
        EraseAt(cleaned, p, p < length - 1 && CharAt(cleaned, p + 2) == ',' ? 3 : 2);
    }
    return cleaned;
}

// The cleaned text reads without a fault and in order under the rule set.
bool ReadsClean(std::string_view cleaned, rules::RuleSet ruleSet) {
    text::DayCount start = kNotConverted;
    text::DayCount end = kNotConverted;
    return rules::CheckDates(cleaned, start, end, ruleSet).empty() && start <= end;
}

void CountAlternatives(std::string_view dates, std::string_view cleaned, DateRuleCounts& counts) {
    ++counts.ErrorRows;
    if (ReadsClean(cleaned, rules::RuleSet::Modern)) ++counts.ClearedByModern;
    const auto joined = rules::RewriteDates(rules::DateRewrite::JoinRanges, dates, rules::RuleSet::Original);
    if (joined && ReadsClean(CleanDates(*joined, nullptr), rules::RuleSet::Original))
        ++counts.ClearedByJoining;
}

// A date the date rules could not convert in this row is left out, so that the extremes never
// take a date the row does not hold.
void UpdateExtremes(report::DateExtremes& x, std::optional<text::DayCount> start,
                    std::optional<text::DayCount> end, std::string_view number) {
    const auto earlier = [&](report::DateExtreme& extreme, text::DayCount date) {
        if (date < extreme.Date || extreme.Number.empty()) extreme = {date, std::string(number)};
    };
    const auto later = [&](report::DateExtreme& extreme, text::DayCount date) {
        if (date > extreme.Date || extreme.Number.empty()) extreme = {date, std::string(number)};
    };
    if (start) {
        earlier(x.EarliestStart, *start);
        later(x.LatestStart, *start);
    }
    if (end) {
        earlier(x.EarliestEnd, *end);
        later(x.LatestEnd, *end);
    }
}

// The date rules write a date only when it converts; a value no date can have tells which did.
std::optional<text::DayCount> Converted(text::DayCount date) {
    if (date == kNotConverted) return std::nullopt;
    return date;
}

}  // namespace

void CheckDatesCell(std::string_view dates, std::string_view number, rules::RuleSet ruleSet,
                    DatesCellState& state, RunCounters& counters, RowFindings& findings) {
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

    const std::string cleaned = CleanDates(dates, &findings);
    text::DayCount startDate = kNotConverted;
    text::DayCount endDate = kNotConverted;
    const std::string fault = rules::CheckDates(cleaned, startDate, endDate, ruleSet);
    if (!fault.empty()) {
        std::string message(msg::kDateWrong);
        message += fault;
        message += "\"; ";
        findings.Error(message);
    }
    const std::optional<text::DayCount> start = Converted(startDate);
    const std::optional<text::DayCount> end = Converted(endDate);
    const bool reversed = start && end && *start > *end;
    if (ruleSet == rules::RuleSet::Original && (!fault.empty() || reversed))
        CountAlternatives(dates, cleaned, state.Alternatives);
    if (reversed) {
        std::string message(msg::kDateStartAfterEnd);
        message += text::ShortDate(*start);
        message += '>';
        message += text::ShortDate(*end);
        message += "\"; ";
        findings.Error(message);
    }
    UpdateExtremes(state.Extremes, start, end, number);
}

}  // namespace tabulex::check
