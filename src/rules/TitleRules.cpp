#include "rules/TitleRules.h"

#include "rules/RomanNumerals.h"
#include "rules/TitlePositionRules.h"
#include "rules/TitleWholeTextRules.h"
#include "text/Cp1251.h"

namespace tabulex::rules {
namespace {
using namespace text::literals;

// Messages start empty and take their _cp literal by append: clang 14 crashes on a std::string
// variable initialised from one.
void CheckCounts(const title::PositionCounts& counts, RunState& state, std::string& out) {
    if (counts.StraightQuotes > 0) {
        std::string message;
        message.append("Замените простую кавычку на «ёлочку» или „лапку“ ("_cp);
        state.Hint(out, message.append(std::to_string(counts.StraightQuotes)).append("); "));
    }
    if (counts.Backslashes > 0) {
        std::string message;
        message.append("Нужен прямой слэш «/» вместо обратного «\\» ("_cp);
        state.Warning(out, message.append(std::to_string(counts.Backslashes)).append("); "));
    }
}

void CheckRomanNumerals(std::string_view title, RunState& state, std::string& out) {
    const std::string pairs = FindMixedRomanPairs(title);
    if (pairs.empty()) return;
    std::string message;
    message.append("Неверная римская цифра "_cp);
    state.Warning(out, message.append(pairs));
}

}  // namespace

std::string CheckTitleText(std::string_view title, RunState& state) {
    std::string out;
    title::CheckWholeTitle(title, state, out);
    const title::PositionCounts counts = title::CheckTitlePositions(title, state, out);
    CheckCounts(counts, state, out);
    CheckRomanNumerals(title, state, out);
    return out;
}

}  // namespace tabulex::rules
