#include "rules/TitleInitialsRules.h"

#include "text/CharClasses.h"
#include "text/Cp1251.h"

#include <array>

namespace tabulex::rules::title {
namespace {
using namespace text::literals;

enum class InitialsStyle { Any, Spaced, Unspaced };

// A pattern from T[i-1]: ' ' a space, 'C' a Cyrillic capital, 's' a Cyrillic small, '.' a full stop.
struct InitialsRule {
    std::string_view Id;
    std::string_view Pattern;
    InitialsStyle Style;
    std::string_view Message;  // followed by T[i .. i+quoted-1] in double quotes
    int Quoted;
};

constexpr std::array kInitialsRules{
    InitialsRule{"B36", " C.C.Cs", InitialsStyle::Any, "Нужен пробел между инициалами и фамилией \""_cp, 6},
    InitialsRule{"B37", " C.C. Cs", InitialsStyle::Spaced, "Нужен пробел между инициалами \""_cp, 7},
    InitialsRule{"B38", " C. C. Cs", InitialsStyle::Unspaced, "Лишний пробел между инициалами \""_cp, 8},
    InitialsRule{"B39", " C. C.Cs", InitialsStyle::Unspaced, "Лишний пробел между инициалами \""_cp, 8},
};

bool Matches(char mark, int c) {
    switch (mark) {
        case ' ':
            return c == text::ch::kSpace;
        case '.':
            return c == '.';
        case 'C':
            return text::IsCyrillicCapital(c);
        case 's':
            return text::IsCyrillicSmall(c);
    }
    return false;
}

bool MatchesAt(const Position& p, std::string_view pattern) {
    for (std::size_t k = 0; k < pattern.size(); ++k)
        if (!Matches(pattern[k], p.At(static_cast<int>(k) - 1))) return false;
    return true;
}

bool StyleApplies(InitialsStyle style, const RunState& state) {
    switch (style) {
        case InitialsStyle::Any:
            return true;
        case InitialsStyle::Spaced:
            return state.Flags.SpacedInitials;
        case InitialsStyle::Unspaced:
            return !state.Flags.SpacedInitials;
    }
    return false;
}

}  // namespace

void CheckInitialsAt(const Position& p, RunState& state, std::string& out) {
    // Initials need a surname after them: at least six characters after i.
    if (p.I >= p.Length() - 6) return;
    if (!MayStartInitials(p)) return;
    for (const InitialsRule& rule : kInitialsRules) {
        if (!StyleApplies(rule.Style, state) || !MatchesAt(p, rule.Pattern)) continue;
        std::string message(rule.Message);
        message.append(p.Piece(p.I, p.I + rule.Quoted - 1)).append("\"; ");
        state.Hint(out, message);
    }
}

}  // namespace tabulex::rules::title
