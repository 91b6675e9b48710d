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
    {.Id = "B1", .Cls = kWarning, .At = NotIn(kInText), .Message = "Неверный символ в тексте \""_cp,
     .Compose = ComposeInvalidChar},
    {.Id = "B2", .Cls = kWarning, .Before = In(kSpace), .At = In(kDigits), .Message = "Дополните \""_cp,
     .Guard = IsEightCharacterRun, .Compose = ComposeShortYear},
    {.Id = "B3", .Cls = kHint, .At = Is("0"), .After = In(kCyrillicCapitals),
     .Message = "Замените ноль «0» на букву «О»; "_cp},
    {.Id = "B5", .Cls = kHint, .At = IsCode(ch::kNumeroSign),
     .After = NotIn(CharSet::Codes({ch::kNumeroSign, ch::kSpace, ch::kNbsp})),
     .Message = "Нужен неразрывный пробел после №; "_cp},
    // after2 "not a digit" only inside the text (i < L - 1).
    {.Id = "B6", .Cls = kWarning, .At = IsCode(ch::kNumeroSign), .After = In(kSpaceOrNbsp),
     .After2 = In(~kDigits), .Message = "Пропущено число после №; "_cp},
    {.Id = "B7", .Cls = kHint, .Before = In(kSpaceOrNbsp), .At = Is("%"),
     .Message = "Лишний пробел перед знаком процента «%»; "_cp},
    {.Id = "B8", .Cls = kHint, .Before = In(kSpace), .At = Is(","),
     .Message = "Лишний пробел перед запятой; "_cp},
    {.Id = "B9", .Cls = kHint, .Before = In(kSpace), .At = Is("."),
     .Message = "Лишний пробел перед точкой; "_cp},
    {.Id = "B10", .Cls = kHint, .Before = In(kSpace), .At = Is(":"),
     .Message = "Лишний пробел перед двоеточием; "_cp},
    {.Id = "B11", .Cls = kHint, .Before = In(kSpace), .At = Is(";"),
     .Message = "Лишний пробел перед точкой с запятой; "_cp},
    {.Id = "B12", .Cls = kHint, .Before = In(kSpace), .At = Is("!"),
     .Message = "Лишний пробел перед восклицательным знаком; "_cp},
    {.Id = "B13", .Cls = kHint, .Before = In(kSpace), .At = Is("?"),
     .Message = "Лишний пробел перед вопросительным знаком; "_cp},
    // after2 "not a capital" only inside the text (i < L - 1).
    {.Id = "B14", .Cls = kHint, .Before = NotIn(kCyrillicCapitals), .At = Is("."),
     .After = NotIn(kAfterFullStop), .After2 = In(~kCyrillicCapitals),
     .Message = "Нужен пробел после точки \""_cp, .Guard = IsNotAbbreviation,
     .Compose = ComposeFullStopPiece},
    {.Id = "B15", .Cls = kHint, .At = Is(","), .After = NotIn(kSpace),
     .Message = "Нужен пробел после запятой; "_cp},
    {.Id = "B16", .Cls = kHint, .At = Is(":"), .After = NotIn(kSpace),
     .Message = "Нужен пробел после двоеточия; "_cp},
    {.Id = "B17", .Cls = kHint, .At = Is(";"), .After = NotIn(kSpace),
     .Message = "Нужен пробел после точкой с запятой; "_cp},
    // The exemption looks at after2, not at the next character: "?!!" passes at the ?, "?! " does not.
    {.Id = "B18", .Cls = kHint, .At = Is("?"), .After = NotIn(kSpace), .After2 = IsNot("?!"),
     .Message = "Нужен пробел после вопросительного знака; "_cp},
    {.Id = "B19", .Cls = kHint, .At = Is("!"), .After = NotIn(kSpace), .After2 = IsNot("!"),
     .Message = "Нужен пробел после восклицательного знака; "_cp},
    // ВКП(б) keeps its bracket.
    {.Id = "B20", .Cls = kHint, .Before = NotIn(kSpace | CharSet::Of("П"_cp)), .At = Is("(["),
     .After = IsNot("б"_cp), .Message = "Нужен пробел перед скобкой; "_cp},
    {.Id = "B21", .Cls = kHint, .At = Is(")]"), .After = NotIn(kAfterBracket),
     .Message = "Нужен пробел после скобки; "_cp},
    {.Id = "B22", .Cls = kHint, .At = In(kSpace), .After = Is(")]"),
     .Message = "Лишний пробел перед скобкой; "_cp},
    {.Id = "B23", .Cls = kHint, .Before = Is("(["), .At = In(kSpace),
     .Message = "Лишний пробел после скобки; "_cp},
    {.Id = "B24", .Cls = kHint, .Before = IsNot(" ("), .At = Is("„«"_cp),
     .Message = "Нужен пробел перед кавычкой; "_cp},
    {.Id = "B25", .Cls = kHint, .At = Is("“»"_cp), .After = NotIn(kAfterQuote),
     .Message = "Нужен пробел после кавычки; "_cp},
    {.Id = "B26", .Cls = kHint, .Before = In(kDigits), .At = Is("г"_cp), .After = Is("."),
     .Message = "Нужен пробел перед «г.»; "_cp},
    {.Id = "B28", .Cls = kHint, .Before = In(kSpace), .At = Is("/"), .After = Is("/"),
     .After2 = NotIn(kSpace), .Message = "Нужен пробел после двойного слэша «//»; "_cp},
    {.Id = "B29", .Cls = kHint, .Before = NotIn(kSpace), .At = Is("/"), .After = Is("/"),
     .After2 = In(kSpace), .Message = "Нужен пробел перед двойным слэшем «//»; "_cp},
    {.Id = "B30", .Cls = kHint, .Before = In(kSpace), .At = Is("/"), .After = IsNot("/ "),
     .Message = "Нужен пробел после слэша «/», либо скобка «(» вместо слэша; "_cp},
    {.Id = "B31", .Cls = kHint, .Before = IsNot(" /"), .At = Is("/"), .After = In(kSpace),
     .Message = "Нужен пробел перед слэшем «/», либо скобка «)» вместо слэша; "_cp},
    {.Id = "B32", .Cls = kHint, .At = Is("гдпсх"_cp), .After = Is("."), .After2 = In(kCyrillicCapitals),
     .Message = "Нужен пробел после \""_cp, .Compose = ComposeLetterAndStop},
    {.Id = "B33", .Cls = kHint, .Before2 = In(kSpace), .Before = Is("э"_cp), .At = Is("к"_cp),
     .After = Is("з"_cp), .After2 = Is(" ,"), .Message = "Нужна точка после «экз»; "_cp},
    {.Id = "B34", .Cls = kHint, .Before = In(kDigits), .At = In(kCyrillicSmalls),
     .Message = "Нужен пробел между цифрой и буквой \""_cp, .Compose = ComposeDigitsThenLetters},
    {.Id = "B35", .Cls = kHint, .At = In(kCyrillicSmalls), .After = In(kDigits),
     .Message = "Нужен пробел между буквой и цифрой \""_cp, .Compose = ComposeLettersThenDigits},
    // After the initials rules.
    {.Id = "B40", .Cls = kHint, .Before = NotIn(kCyrillicCapitals), .At = In(kCyrillicCapitals),
     .After = Is(","), .Message = "Возможно, лишняя запятая после загл. буквы \""_cp,
     .Compose = ComposeLetter},
    {.Id = "B41", .Cls = kHint, .Before = In(kCyrillicSmalls), .At = IsCode(ch::kParagraphMark),
     .After = In(kCyrillicSmalls), .Message = "Лишний абзац в строке; "_cp},
    {.Id = "B42", .Cls = kWarning, .At = In(kCyrillicLetters), .After = In(kLatinLetters),
     .Message = "Смесь РусEng \""_cp, .Compose = ComposeLetterPair},
    {.Id = "B43", .Cls = kWarning, .At = In(kLatinLetters), .After = In(kCyrillicLetters),
     .Message = "Смесь РусEng \""_cp, .Compose = ComposeLetterPair},
    {.Id = "B44", .Cls = kHint, .Before = In(kSpace), .At = IsCode(ch::kEnDash), .After = NotIn(kSpace),
     .Message = "Название. Нет пробела после тире; "_cp},
    {.Id = "B45", .Cls = kHint, .Before = NotIn(kSpace), .At = IsCode(ch::kEnDash), .After = In(kSpace),
     .Message = "Название. Нет пробела перед тире; "_cp},
    {.Id = "B46", .Cls = kHint, .Before = In(kSpace), .At = Is("-"), .After = In(kSpace),
     .Message = "Название. Короткое тире заменить на длинное; "_cp},
    {.Id = "B47", .Cls = kHint, .Before = In(kSpace), .At = Is("-"), .After = NotIn(kSpace),
     .Message = "Название. Нет пробела после тире или лишний пробел перед дефисом; "_cp},
    {.Id = "B48", .Cls = kHint, .Before = NotIn(kSpace), .At = Is("-"), .After = In(kSpace),
     .Message = "Название. Нет пробела перед тире или лишний пробел после дефиса «"_cp,
     .Guard = IsBrokenCompound, .Compose = ComposeBrokenCompound},
}};
// clang-format on

constexpr RuleMasks kPositionMasks = BuildRuleMasks(kPositionRules);

constexpr std::size_t kFirstAfterInitials =
    static_cast<std::size_t>(std::find_if(kPositionRules.begin(), kPositionRules.end(),
                                          [](const PositionRule& r) { return r.Id == "B40"; }) -
                             kPositionRules.begin());
constexpr std::uint64_t kBeforeInitials = (std::uint64_t{1} << kFirstAfterInitials) - 1;

}  // namespace

PositionCounts CheckTitlePositions(std::string_view title, RunState& state, std::string& out) {
    PositionCounts counts;
    const int length = static_cast<int>(title.size());
    if (length < 3) return counts;
    std::string scratch;
    for (Position p(title, 2); p.I <= length - 1; p.Advance()) {
        const std::uint64_t candidates = kPositionMasks.Candidates(p);
        if ((candidates & kBeforeInitials) != 0)
            RunPositionRules(kPositionRules, candidates & kBeforeInitials, p, state, out, scratch);
        if (MayStartInitials(p)) CheckInitialsAt(p, state, out);
        if ((candidates & ~kBeforeInitials) != 0)
            RunPositionRules(kPositionRules, candidates & ~kBeforeInitials, p, state, out, scratch);
        counts.StraightQuotes += p.At(0) == '"';
        counts.Backslashes += p.At(0) == '\\';
    }
    return counts;
}

}  // namespace tabulex::rules::title
