#include "rules/TitleRules.h"

#include "rules/RomanNumerals.h"
#include "rules/TitleInitialsRules.h"
#include "rules/TitleLetterAndDashRules.h"
#include "rules/TitlePosition.h"
#include "rules/TitlePunctuationRules.h"
#include "rules/TitleWholeTextRules.h"
#include "text/Cp1251.h"

namespace tabulex::rules {
namespace {
using namespace text::literals;

struct InnerCounts {
    int straightQuotes = 0;
    int backslashes = 0;
};

// Every inner position (the first and last characters are never visited), all rules in order.
InnerCounts CheckInnerPositions(std::string_view title, RunState& state, std::string& out) {
    InnerCounts counts;
    std::string scratch;
    const int length = static_cast<int>(title.size());
    for (int i = 2; i <= length - 1; ++i) {
        const title::Position p{title, i};
        title::CheckPunctuationAt(p, state, out, scratch);
        title::CheckInitialsAt(p, state, out);
        title::CheckLettersAndDashesAt(p, state, out, scratch);
        const char c = title[static_cast<std::size_t>(i) - 1];
        counts.straightQuotes += c == '"';
        counts.backslashes += c == '\\';
    }
    return counts;
}

void CheckCounts(const InnerCounts& counts, RunState& state, std::string& out) {
    if (counts.straightQuotes > 0) {
        std::string message("Замените простую кавычку на «ёлочку» или „лапку“ ("_cp);
        state.Hint(out, message.append(std::to_string(counts.straightQuotes)).append("); "));
    }
    if (counts.backslashes > 0) {
        std::string message("Нужен прямой слэш «/» вместо обратного «\\» ("_cp);
        state.Warning(out, message.append(std::to_string(counts.backslashes)).append("); "));
    }
}

void CheckRomanNumerals(std::string_view title, RunState& state, std::string& out) {
    const std::string pairs = FindMixedRomanPairs(title);
    if (pairs.empty()) return;
    std::string message("Неверная римская цифра "_cp);
    state.Warning(out, message.append(pairs));
}

}  // namespace

std::string CheckTitleText(std::string_view title, RunState& state) {
    std::string out;
    title::CheckWholeTitle(title, state, out);
    const InnerCounts counts = CheckInnerPositions(title, state, out);
    CheckCounts(counts, state, out);
    CheckRomanNumerals(title, state, out);
    return out;
}

}  // namespace tabulex::rules
