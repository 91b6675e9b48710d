#include "rules/TitlePositionRules.h"

#include "rules/TitleCharSets.h"
#include "rules/TitleInitialsRules.h"
#include "rules/TitlePositionPieces.h"
#include "rules/TitlePositionRule.h"
#include "text/Cp1251.h"

#include <algorithm>

namespace tabulex::rules::title {
namespace {
using namespace text::literals;
using namespace sets;
namespace ch = text::ch;

constexpr ProblemClass kHint = ProblemClass::Hint;
constexpr ProblemClass kWarning = ProblemClass::Warning;

// clang-format off
constexpr CharTest Is(std::string_view chars) { return In(CharSet::Of(chars)); }
constexpr CharTest IsNot(std::string_view chars) { return NotIn(CharSet::Of(chars)); }
constexpr CharTest IsCode(int code) { return In(CharSet::Codes({code})); }

// In rule order. The straight double quote and the backslash are only counted (PositionCounts); the
// initials rules come between B35 and B40 (TitleInitialsRules).
constexpr std::array<PositionRule, 42> kPositionRules{{
    {.id = "B1", .cls = kWarning, .at = NotIn(kInText), .message = "Неверный символ в тексте \""_cp,
     .compose = ComposeInvalidChar},
    {.id = "B2", .cls = kWarning, .before = In(kSpace), .at = In(kDigits), .message = "Дополните \""_cp,
     .guard = IsEightCharacterRun, .compose = ComposeShortYear},
    {.id = "B3", .cls = kHint, .at = Is("0"), .after = In(kCyrillicCapitals),
     .message = "Замените ноль «0» на букву «О»; "_cp},
    {.id = "B5", .cls = kHint, .at = IsCode(ch::kNumeroSign),
     .after = NotIn(CharSet::Codes({ch::kNumeroSign, ch::kSpace, ch::kNbsp})),
     .message = "Нужен неразрывный пробел после №; "_cp},
    // after2 "not a digit" only inside the text (i < L - 1).
    {.id = "B6", .cls = kWarning, .at = IsCode(ch::kNumeroSign), .after = In(kSpaceOrNbsp),
     .after2 = In(~kDigits), .message = "Пропущено число после №; "_cp},
    {.id = "B7", .cls = kHint, .before = In(kSpaceOrNbsp), .at = Is("%"),
     .message = "Лишний пробел перед знаком процента «%»; "_cp},
    {.id = "B8", .cls = kHint, .before = In(kSpace), .at = Is(","),
     .message = "Лишний пробел перед запятой; "_cp},
    {.id = "B9", .cls = kHint, .before = In(kSpace), .at = Is("."),
     .message = "Лишний пробел перед точкой; "_cp},
    {.id = "B10", .cls = kHint, .before = In(kSpace), .at = Is(":"),
     .message = "Лишний пробел перед двоеточием; "_cp},
    {.id = "B11", .cls = kHint, .before = In(kSpace), .at = Is(";"),
     .message = "Лишний пробел перед точкой с запятой; "_cp},
    {.id = "B12", .cls = kHint, .before = In(kSpace), .at = Is("!"),
     .message = "Лишний пробел перед восклицательным знаком; "_cp},
    {.id = "B13", .cls = kHint, .before = In(kSpace), .at = Is("?"),
     .message = "Лишний пробел перед вопросительным знаком; "_cp},
    // after2 "not a capital" only inside the text (i < L - 1).
    {.id = "B14", .cls = kHint, .before = NotIn(kCyrillicCapitals), .at = Is("."),
     .after = NotIn(kAfterFullStop), .after2 = In(~kCyrillicCapitals),
     .message = "Нужен пробел после точки \""_cp, .guard = IsNotAbbreviation,
     .compose = ComposeFullStopPiece},
    {.id = "B15", .cls = kHint, .at = Is(","), .after = NotIn(kSpace),
     .message = "Нужен пробел после запятой; "_cp},
    {.id = "B16", .cls = kHint, .at = Is(":"), .after = NotIn(kSpace),
     .message = "Нужен пробел после двоеточия; "_cp},
    {.id = "B17", .cls = kHint, .at = Is(";"), .after = NotIn(kSpace),
     .message = "Нужен пробел после точкой с запятой; "_cp},
    // The exemption looks at after2, not at the next character: "?!!" passes at the ?, "?! " does not.
    {.id = "B18", .cls = kHint, .at = Is("?"), .after = NotIn(kSpace), .after2 = IsNot("?!"),
     .message = "Нужен пробел после вопросительного знака; "_cp},
    {.id = "B19", .cls = kHint, .at = Is("!"), .after = NotIn(kSpace), .after2 = IsNot("!"),
     .message = "Нужен пробел после восклицательного знака; "_cp},
    // ВКП(б) keeps its bracket.
    {.id = "B20", .cls = kHint, .before = NotIn(kSpace | CharSet::Of("П"_cp)), .at = Is("(["),
     .after = IsNot("б"_cp), .message = "Нужен пробел перед скобкой; "_cp},
    {.id = "B21", .cls = kHint, .at = Is(")]"), .after = NotIn(kAfterBracket),
     .message = "Нужен пробел после скобки; "_cp},
    {.id = "B22", .cls = kHint, .at = In(kSpace), .after = Is(")]"),
     .message = "Лишний пробел перед скобкой; "_cp},
    {.id = "B23", .cls = kHint, .before = Is("(["), .at = In(kSpace),
     .message = "Лишний пробел после скобки; "_cp},
    {.id = "B24", .cls = kHint, .before = IsNot(" ("), .at = Is("„«"_cp),
     .message = "Нужен пробел перед кавычкой; "_cp},
    {.id = "B25", .cls = kHint, .at = Is("“»"_cp), .after = NotIn(kAfterQuote),
     .message = "Нужен пробел после кавычки; "_cp},
    {.id = "B26", .cls = kHint, .before = In(kDigits), .at = Is("г"_cp), .after = Is("."),
     .message = "Нужен пробел перед «г.»; "_cp},
    {.id = "B28", .cls = kHint, .before = In(kSpace), .at = Is("/"), .after = Is("/"),
     .after2 = NotIn(kSpace), .message = "Нужен пробел после двойного слэша «//»; "_cp},
    {.id = "B29", .cls = kHint, .before = NotIn(kSpace), .at = Is("/"), .after = Is("/"),
     .after2 = In(kSpace), .message = "Нужен пробел перед двойным слэшем «//»; "_cp},
    {.id = "B30", .cls = kHint, .before = In(kSpace), .at = Is("/"), .after = IsNot("/ "),
     .message = "Нужен пробел после слэша «/», либо скобка «(» вместо слэша; "_cp},
    {.id = "B31", .cls = kHint, .before = IsNot(" /"), .at = Is("/"), .after = In(kSpace),
     .message = "Нужен пробел перед слэшем «/», либо скобка «)» вместо слэша; "_cp},
    {.id = "B32", .cls = kHint, .at = Is("гдпсх"_cp), .after = Is("."), .after2 = In(kCyrillicCapitals),
     .message = "Нужен пробел после \""_cp, .compose = ComposeLetterAndStop},
    {.id = "B33", .cls = kHint, .before2 = In(kSpace), .before = Is("э"_cp), .at = Is("к"_cp),
     .after = Is("з"_cp), .after2 = Is(" ,"), .message = "Нужна точка после «экз»; "_cp},
    {.id = "B34", .cls = kHint, .before = In(kDigits), .at = In(kCyrillicSmalls),
     .message = "Нужен пробел между цифрой и буквой \""_cp, .compose = ComposeDigitsThenLetters},
    {.id = "B35", .cls = kHint, .at = In(kCyrillicSmalls), .after = In(kDigits),
     .message = "Нужен пробел между буквой и цифрой \""_cp, .compose = ComposeLettersThenDigits},
    // After the initials rules.
    {.id = "B40", .cls = kHint, .before = NotIn(kCyrillicCapitals), .at = In(kCyrillicCapitals),
     .after = Is(","), .message = "Возможно, лишняя запятая после загл. буквы \""_cp,
     .compose = ComposeLetter},
    {.id = "B41", .cls = kHint, .before = In(kCyrillicSmalls), .at = IsCode(ch::kParagraphMark),
     .after = In(kCyrillicSmalls), .message = "Лишний абзац в строке; "_cp},
    {.id = "B42", .cls = kWarning, .at = In(kCyrillicLetters), .after = In(kLatinLetters),
     .message = "Смесь РусEng \""_cp, .compose = ComposeLetterPair},
    {.id = "B43", .cls = kWarning, .at = In(kLatinLetters), .after = In(kCyrillicLetters),
     .message = "Смесь РусEng \""_cp, .compose = ComposeLetterPair},
    {.id = "B44", .cls = kHint, .before = In(kSpace), .at = IsCode(ch::kEnDash), .after = NotIn(kSpace),
     .message = "Название. Нет пробела после тире; "_cp},
    {.id = "B45", .cls = kHint, .before = NotIn(kSpace), .at = IsCode(ch::kEnDash), .after = In(kSpace),
     .message = "Название. Нет пробела перед тире; "_cp},
    {.id = "B46", .cls = kHint, .before = In(kSpace), .at = Is("-"), .after = In(kSpace),
     .message = "Название. Короткое тире заменить на длинное; "_cp},
    {.id = "B47", .cls = kHint, .before = In(kSpace), .at = Is("-"), .after = NotIn(kSpace),
     .message = "Название. Нет пробела после тире или лишний пробел перед дефисом; "_cp},
    {.id = "B48", .cls = kHint, .before = NotIn(kSpace), .at = Is("-"), .after = In(kSpace),
     .message = "Название. Нет пробела перед тире или лишний пробел после дефиса «"_cp,
     .guard = IsBrokenCompound, .compose = ComposeBrokenCompound},
}};
// clang-format on

constexpr RuleMasks kPositionMasks = BuildRuleMasks(kPositionRules);

constexpr std::size_t kFirstAfterInitials =
    static_cast<std::size_t>(std::find_if(kPositionRules.begin(), kPositionRules.end(),
                                          [](const PositionRule& r) { return r.id == "B40"; }) -
                             kPositionRules.begin());
constexpr std::uint64_t kBeforeInitials = (std::uint64_t{1} << kFirstAfterInitials) - 1;

}  // namespace

PositionCounts CheckTitlePositions(std::string_view title, RunState& state, std::string& out) {
    PositionCounts counts;
    const int length = static_cast<int>(title.size());
    if (length < 3) return counts;
    std::string scratch;
    for (Position p(title, 2); p.i <= length - 1; p.Advance()) {
        const std::uint64_t candidates = kPositionMasks.Candidates(p);
        if ((candidates & kBeforeInitials) != 0)
            RunPositionRules(kPositionRules, candidates & kBeforeInitials, p, state, out, scratch);
        if (MayStartInitials(p)) CheckInitialsAt(p, state, out);
        if ((candidates & ~kBeforeInitials) != 0)
            RunPositionRules(kPositionRules, candidates & ~kBeforeInitials, p, state, out, scratch);
        counts.straightQuotes += p.At(0) == '"';
        counts.backslashes += p.At(0) == '\\';
    }
    return counts;
}

}  // namespace tabulex::rules::title
