#include "rules/TitleWholeTextRules.h"

#include "rules/TitleCharSets.h"
#include "rules/TitleEnd.h"
#include "text/CharClasses.h"
#include "text/Cp1251.h"

#include <array>
#include <cstdlib>

namespace tabulex::rules::title {
namespace {
using namespace text::literals;

// "Text contains one of these and none of those -> message".
struct ContainsRule {
    std::string_view Id;
    ProblemClass Cls;
    std::array<std::string_view, 2> AnyOf;   // empty entries are unused
    std::array<std::string_view, 2> NoneOf;  // empty entries are unused
    std::string_view Message;
};

constexpr std::array kGuillemets{"«"_cp, "»"_cp};

constexpr std::array kContainsRules{
    ContainsRule{
        "A4", ProblemClass::Hint, {"“"_cp, "”"_cp}, kGuillemets, "Замените “кавычки-лапки” «ёлочками»; "_cp},
    ContainsRule{
        "A5", ProblemClass::Hint, {"„"_cp, "“"_cp}, kGuillemets, "Замените „кавычки-лапки“ «ёлочками»; "_cp},
    ContainsRule{
        "A6", ProblemClass::Hint, {"..."}, {}, "Замените три точки \"...\" на многоточие \"…\"; "_cp},
    ContainsRule{"A7", ProblemClass::Hint, {",,"}, {}, "Две запятые подряд \",,\"; "_cp},
    ContainsRule{"A8", ProblemClass::Hint, {",."}, {}, "Точка и запятая подряд \",.\"; "_cp},
    ContainsRule{"A9", ProblemClass::Warning, {"«0 "_cp}, {}, "Замените ноль \"«0 \" на букву \"«О \"; "_cp},
};

// Opening and closing characters of a pair and the message opening for a non-zero balance.
struct BalanceRule {
    int Open;  // 1251 codes
    int Close;
    std::string_view Message;
};

constexpr std::array kBalanceRules{
    BalanceRule{text::ch::kLeftGuillemet, text::ch::kRightGuillemet,
                "Кол-во парных «кавычек-ёлочек» не сходится на "_cp},
    BalanceRule{text::ch::kLowQuote, text::ch::kLeftCurlyQuote,
                "Кол-во парных „кавычек-лапок“ не сходится на "_cp},
    BalanceRule{'(', ')', "Кол-во парных круглых (скобок) не сходится на "_cp},
    BalanceRule{'[', ']', "Кол-во парных квадратных [скобок] не сходится на "_cp},
};

// How often each byte occurs in the title: one pass answers the balances and, for most titles,
// rules out a pattern without searching for it.
using ByteCounts = std::array<int, 256>;

ByteCounts CountBytes(std::string_view title) {
    ByteCounts counts{};
    for (char c : title) ++counts[static_cast<unsigned char>(c)];
    return counts;
}

int CountOf(const ByteCounts& counts, char c) {
    return counts[static_cast<unsigned char>(c)];
}

bool Contains(std::string_view title, const ByteCounts& counts, std::string_view pattern) {
    for (char c : pattern)
        if (CountOf(counts, c) == 0) return false;
    return title.find(pattern) != std::string_view::npos;
}

bool ContainsAny(std::string_view title, const ByteCounts& counts,
                 const std::array<std::string_view, 2>& patterns) {
    for (std::string_view pattern : patterns)
        if (!pattern.empty() && Contains(title, counts, pattern)) return true;
    return false;
}

std::string QuotedChar(std::string_view opening, char c) {
    std::string message(opening);
    message.append(1, '"').append(1, c).append("\"; ");
    return message;
}

void CheckFirstAndLast(std::string_view title, RunState& state, std::string& out) {
    const int first = text::CharAt(title, 1);
    if (text::IsCyrillicSmall(first))
        state.Warning(out, QuotedChar("Нужна заглавная буква в начале "_cp, title.front()));
    else if (!sets::kFirstChar.Has(first))
        state.Warning(out, QuotedChar("Неверный символ в начале "_cp, title.front()));
    if (!sets::kLastChar.Has(text::CharAt(title, static_cast<int>(title.size()))))
        state.Warning(out, QuotedChar("Неверный символ в конце "_cp, title.back()));
}

// "ВКП (б)": the party's name keeps its bracket close.
void CheckPartyName(std::string_view title, const ByteCounts& counts, RunState& state, std::string& out) {
    const std::string_view party = "КП (б)"_cp;
    const std::size_t at = CountOf(counts, '(') == 0 ? std::string_view::npos : title.find(party);
    if (at == std::string_view::npos) return;
    std::string message;  // appended to: clang 14 crashes on a std::string initialised from a _cp literal
    message.append("Лишний пробел в \""_cp);
    if (at > 0) message.append(1, title[at - 1]);
    message.append(party).append("\"; ");
    state.Hint(out, message);
}

void CheckBalances(const ByteCounts& counts, RunState& state, std::string& out) {
    for (const BalanceRule& rule : kBalanceRules) {
        const int balance =
            counts[static_cast<std::size_t>(rule.Open)] - counts[static_cast<std::size_t>(rule.Close)];
        if (balance == 0) continue;
        std::string message(rule.Message);
        message.append(std::to_string(std::abs(balance))).append("; ");
        state.Hint(out, message);
    }
}

bool IsMixedPair(int a, int b) {
    return (text::IsCyrillicLetter(a) && text::IsLatinLetter(b)) ||
           (text::IsLatinLetter(a) && text::IsCyrillicLetter(b));
}

void CheckMixedScriptsAtEnds(std::string_view title, RunState& state, std::string& out) {
    const int length = static_cast<int>(title.size());
    if (length < 2) return;
    if (IsMixedPair(text::CharAt(title, 1), text::CharAt(title, 2)) ||
        IsMixedPair(text::CharAt(title, length - 1), text::CharAt(title, length)))
        state.Warning(out, "Смесь РусEng в начале или конце; "_cp);
}

}  // namespace

void CheckWholeTitle(std::string_view title, RunState& state, std::string& out) {
    if (!title.empty()) CheckFirstAndLast(title, state, out);
    const ByteCounts counts = CountBytes(title);
    for (const ContainsRule& rule : kContainsRules)
        if (ContainsAny(title, counts, rule.AnyOf) && !ContainsAny(title, counts, rule.NoneOf))
            state.Record(rule.Cls, out, rule.Message);
    CheckPartyName(title, counts, state, out);
    if (FinalStopIsSuperfluous(title)) state.Hint(out, "Лишняя точка в конце; "_cp);
    CheckBalances(counts, state, out);
    CheckMixedScriptsAtEnds(title, state, out);
}

}  // namespace tabulex::rules::title
