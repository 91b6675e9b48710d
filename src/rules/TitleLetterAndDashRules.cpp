#include "rules/TitleLetterAndDashRules.h"

#include "rules/TitleCharSets.h"
#include "rules/TitlePositionRule.h"
#include "text/Cp1251.h"

namespace tabulex::rules::title {
namespace {
using namespace text::literals;
using namespace sets;

constexpr ProblemClass kHint = ProblemClass::Hint;
constexpr ProblemClass kWarning = ProblemClass::Warning;

constexpr CharTest Is(std::string_view chars) {
    return In(CharSet::Of(chars));
}
constexpr CharTest IsCode(int code) {
    return In(CharSet::Codes({code}));
}

void ComposeLetter(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.message).append(p.Piece(p.i, p.i)).append("\"; ");
}

void ComposeLetterPair(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.message).append(p.Piece(p.i, p.i + 1)).append("\"; ");
}

// "научно- технический" is a compound word broken after its hyphen; "кино- и фотодокументы" and
// "фоно- ..." hang their hyphen on purpose.
bool IsBrokenCompound(const Position& p) {
    if (p.i <= 5) return false;
    const std::string_view word = p.Piece(p.i - 4, p.i - 1);
    return word.substr(2) == "но"_cp && word != "кино"_cp && word != "фоно"_cp;
}

void ComposeBrokenCompound(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.message).append(p.Piece(p.i - 4, p.i)).append("»; "_cp);
}

constexpr std::array kLetterAndDashRules{
    PositionRule{.id = "B40",
                 .cls = kHint,
                 .before = NotIn(kCyrillicCapitals),
                 .at = In(kCyrillicCapitals),
                 .after = Is(","),
                 .message = "Возможно, лишняя запятая после загл. буквы \""_cp,
                 .compose = ComposeLetter},
    PositionRule{.id = "B41",
                 .cls = kHint,
                 .before = In(kCyrillicSmalls),
                 .at = IsCode(ch::kParagraphMark),
                 .after = In(kCyrillicSmalls),
                 .message = "Лишний абзац в строке; "_cp},
    PositionRule{.id = "B42",
                 .cls = kWarning,
                 .at = In(kCyrillicLetters),
                 .after = In(kLatinLetters),
                 .message = "Смесь РусEng \""_cp,
                 .compose = ComposeLetterPair},
    PositionRule{.id = "B43",
                 .cls = kWarning,
                 .at = In(kLatinLetters),
                 .after = In(kCyrillicLetters),
                 .message = "Смесь РусEng \""_cp,
                 .compose = ComposeLetterPair},
    PositionRule{.id = "B44",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = IsCode(ch::kEnDash),
                 .after = NotIn(kSpace),
                 .message = "Название. Нет пробела после тире; "_cp},
    PositionRule{.id = "B45",
                 .cls = kHint,
                 .before = NotIn(kSpace),
                 .at = IsCode(ch::kEnDash),
                 .after = In(kSpace),
                 .message = "Название. Нет пробела перед тире; "_cp},
    PositionRule{.id = "B46",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = Is("-"),
                 .after = In(kSpace),
                 .message = "Название. Короткое тире заменить на длинное; "_cp},
    PositionRule{.id = "B47",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = Is("-"),
                 .after = NotIn(kSpace),
                 .message = "Название. Нет пробела после тире или лишний пробел перед дефисом; "_cp},
    PositionRule{.id = "B48",
                 .cls = kHint,
                 .before = NotIn(kSpace),
                 .at = Is("-"),
                 .after = In(kSpace),
                 .message = "Название. Нет пробела перед тире или лишний пробел после дефиса «"_cp,
                 .guard = IsBrokenCompound,
                 .compose = ComposeBrokenCompound},
};

constexpr RuleMasks kLetterAndDashMasks = BuildRuleMasks(kLetterAndDashRules);

}  // namespace

void CheckLettersAndDashesAt(const Position& p, RunState& state, std::string& out, std::string& scratch) {
    RunPositionRules(kLetterAndDashRules, kLetterAndDashMasks, p, state, out, scratch);
}

}  // namespace tabulex::rules::title
