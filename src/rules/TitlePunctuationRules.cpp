#include "rules/TitlePunctuationRules.h"

#include "rules/TitleCharSets.h"
#include "rules/TitlePositionRule.h"
#include "text/Cp1251.h"

namespace tabulex::rules::title {
namespace {
using namespace text::literals;
using namespace sets;
using text::IsCyrillicSmall;
using text::IsDigit;

constexpr ProblemClass kHint = ProblemClass::Hint;
constexpr ProblemClass kWarning = ProblemClass::Warning;

constexpr CharTest Is(std::string_view chars) {
    return In(CharSet::Of(chars));
}
constexpr CharTest IsNot(std::string_view chars) {
    return NotIn(CharSet::Of(chars));
}
constexpr CharTest IsCode(int code) {
    return In(CharSet::Codes({code}));
}

char Byte(int c) {
    return static_cast<char>(c);
}

// The run of full stops and digits from i, never including the last character of the title; only
// its first nine characters matter (a run of eight is a date with a two-digit year).
std::string_view ShortDateRun(const Position& p) {
    int end = p.i;
    while (end - p.i < 8 && end + 1 < p.Length() &&
           (p.At(end + 1 - p.i) == '.' || IsDigit(p.At(end + 1 - p.i))))
        ++end;
    return p.Piece(p.i, end);
}

bool IsEightCharacterRun(const Position& p) {
    return ShortDateRun(p).size() == 8;
}

// "Дело 05.05.45 года": the year of the date has two digits.
void ComposeShortYear(const PositionRule& rule, const Position& p, std::string& message) {
    const std::string_view run = ShortDateRun(p);
    message.append(rule.message).append(run).append("\" до \""_cp);
    message.append(run.substr(0, 6)).append("19").append(run.substr(6, 2)).append("\"; ");
}

void ComposeInvalidChar(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.message).append(1, Byte(p.At(0))).append("\" (#");
    message.append(std::to_string(p.At(0))).append("); ");
}

// "т.е." after a space is an abbreviation, not a missing space.
bool IsNotAbbreviation(const Position& p) {
    const bool abbreviation = p.i > 2 && p.At(-2) == ch::kSpace && IsCyrillicSmall(p.At(-1)) &&
                              IsCyrillicSmall(p.At(1)) && p.At(2) == '.';
    return !abbreviation;
}

void ComposeFullStopPiece(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.message).append(p.Piece(p.i - 2, p.i + 2)).append("\"; ");
}

void ComposeLetterAndStop(const PositionRule& rule, const Position& p, std::string& message) {
    message.append(rule.message).append(1, Byte(p.At(0))).append(".\"; ");
}

int RunStart(const Position& p, int last, bool (*inRun)(int)) {
    int first = last;
    while (inRun(p.At(first - 1 - p.i))) --first;
    return first;
}

int RunEnd(const Position& p, int first, bool (*inRun)(int)) {
    int last = first;
    while (inRun(p.At(last + 1 - p.i))) ++last;
    return last;
}

bool IsCyrillicAToYa(int c) {
    return c >= 0xC0 && c <= 0xFF;
}
bool IsDigitChar(int c) {
    return IsDigit(c);
}

// "1998г": the digits that end at i-1 and the letters that start at i.
void ComposeDigitsThenLetters(const PositionRule& rule, const Position& p, std::string& message) {
    const int first = RunStart(p, p.i - 1, IsDigitChar);
    const int last = RunEnd(p, p.i, IsCyrillicAToYa);
    message.append(rule.message).append(p.Piece(first, last)).append("\"; ");
}

// "стр12": the letters that end at i and the digits that start at i+1.
void ComposeLettersThenDigits(const PositionRule& rule, const Position& p, std::string& message) {
    const int first = RunStart(p, p.i, IsCyrillicAToYa);
    const int last = RunEnd(p, p.i + 1, IsDigitChar);
    message.append(rule.message).append(p.Piece(first, last)).append("\"; ");
}

constexpr std::array kPunctuationRules{
    PositionRule{.id = "B1",
                 .cls = kWarning,
                 .at = NotIn(kInText),
                 .message = "Неверный символ в тексте \""_cp,
                 .compose = ComposeInvalidChar},
    PositionRule{.id = "B2",
                 .cls = kWarning,
                 .before = In(kSpace),
                 .at = In(kDigits),
                 .message = "Дополните \""_cp,
                 .guard = IsEightCharacterRun,
                 .compose = ComposeShortYear},
    PositionRule{.id = "B3",
                 .cls = kHint,
                 .at = Is("0"),
                 .after = In(kCyrillicCapitals),
                 .message = "Замените ноль «0» на букву «О»; "_cp},
    PositionRule{.id = "B5",
                 .cls = kHint,
                 .at = IsCode(ch::kNumeroSign),
                 .after = NotIn(CharSet::Codes({ch::kNumeroSign, ch::kSpace, ch::kNbsp})),
                 .message = "Нужен неразрывный пробел после №; "_cp},
    // after2 "not a digit" only inside the text (i < L - 1).
    PositionRule{.id = "B6",
                 .cls = kWarning,
                 .at = IsCode(ch::kNumeroSign),
                 .after = In(kSpaceOrNbsp),
                 .after2 = In(~kDigits),
                 .message = "Пропущено число после №; "_cp},
    PositionRule{.id = "B7",
                 .cls = kHint,
                 .before = In(kSpaceOrNbsp),
                 .at = Is("%"),
                 .message = "Лишний пробел перед знаком процента «%»; "_cp},
    PositionRule{.id = "B8",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = Is(","),
                 .message = "Лишний пробел перед запятой; "_cp},
    PositionRule{.id = "B9",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = Is("."),
                 .message = "Лишний пробел перед точкой; "_cp},
    PositionRule{.id = "B10",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = Is(":"),
                 .message = "Лишний пробел перед двоеточием; "_cp},
    PositionRule{.id = "B11",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = Is(";"),
                 .message = "Лишний пробел перед точкой с запятой; "_cp},
    PositionRule{.id = "B12",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = Is("!"),
                 .message = "Лишний пробел перед восклицательным знаком; "_cp},
    PositionRule{.id = "B13",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = Is("?"),
                 .message = "Лишний пробел перед вопросительным знаком; "_cp},
    // after2 "not a capital" only inside the text (i < L - 1).
    PositionRule{.id = "B14",
                 .cls = kHint,
                 .before = NotIn(kCyrillicCapitals),
                 .at = Is("."),
                 .after = NotIn(kAfterFullStop),
                 .after2 = In(~kCyrillicCapitals),
                 .message = "Нужен пробел после точки \""_cp,
                 .guard = IsNotAbbreviation,
                 .compose = ComposeFullStopPiece},
    PositionRule{.id = "B15",
                 .cls = kHint,
                 .at = Is(","),
                 .after = NotIn(kSpace),
                 .message = "Нужен пробел после запятой; "_cp},
    PositionRule{.id = "B16",
                 .cls = kHint,
                 .at = Is(":"),
                 .after = NotIn(kSpace),
                 .message = "Нужен пробел после двоеточия; "_cp},
    PositionRule{.id = "B17",
                 .cls = kHint,
                 .at = Is(";"),
                 .after = NotIn(kSpace),
                 .message = "Нужен пробел после точкой с запятой; "_cp},
    // The exemption looks at after2, so "?!" and "??" pass but "?! " is reported at the ?.
    PositionRule{.id = "B18",
                 .cls = kHint,
                 .at = Is("?"),
                 .after = NotIn(kSpace),
                 .after2 = IsNot("?!"),
                 .message = "Нужен пробел после вопросительного знака; "_cp},
    PositionRule{.id = "B19",
                 .cls = kHint,
                 .at = Is("!"),
                 .after = NotIn(kSpace),
                 .after2 = IsNot("!"),
                 .message = "Нужен пробел после восклицательного знака; "_cp},
    // ВКП(б) keeps its bracket.
    PositionRule{.id = "B20",
                 .cls = kHint,
                 .before = NotIn(kSpace | CharSet::Of("П"_cp)),
                 .at = Is("(["),
                 .after = IsNot("б"_cp),
                 .message = "Нужен пробел перед скобкой; "_cp},
    PositionRule{.id = "B21",
                 .cls = kHint,
                 .at = Is(")]"),
                 .after = NotIn(kAfterBracket),
                 .message = "Нужен пробел после скобки; "_cp},
    PositionRule{.id = "B22",
                 .cls = kHint,
                 .at = In(kSpace),
                 .after = Is(")]"),
                 .message = "Лишний пробел перед скобкой; "_cp},
    PositionRule{.id = "B23",
                 .cls = kHint,
                 .before = Is("(["),
                 .at = In(kSpace),
                 .message = "Лишний пробел после скобки; "_cp},
    PositionRule{.id = "B24",
                 .cls = kHint,
                 .before = IsNot(" ("),
                 .at = Is("„«"_cp),
                 .message = "Нужен пробел перед кавычкой; "_cp},
    PositionRule{.id = "B25",
                 .cls = kHint,
                 .at = Is("“»"_cp),
                 .after = NotIn(kAfterQuote),
                 .message = "Нужен пробел после кавычки; "_cp},
    PositionRule{.id = "B26",
                 .cls = kHint,
                 .before = In(kDigits),
                 .at = Is("г"_cp),
                 .after = Is("."),
                 .message = "Нужен пробел перед «г.»; "_cp},
    PositionRule{.id = "B28",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = Is("/"),
                 .after = Is("/"),
                 .after2 = NotIn(kSpace),
                 .message = "Нужен пробел после двойного слэша «//»; "_cp},
    PositionRule{.id = "B29",
                 .cls = kHint,
                 .before = NotIn(kSpace),
                 .at = Is("/"),
                 .after = Is("/"),
                 .after2 = In(kSpace),
                 .message = "Нужен пробел перед двойным слэшем «//»; "_cp},
    PositionRule{.id = "B30",
                 .cls = kHint,
                 .before = In(kSpace),
                 .at = Is("/"),
                 .after = IsNot("/ "),
                 .message = "Нужен пробел после слэша «/», либо скобка «(» вместо слэша; "_cp},
    PositionRule{.id = "B31",
                 .cls = kHint,
                 .before = IsNot(" /"),
                 .at = Is("/"),
                 .after = In(kSpace),
                 .message = "Нужен пробел перед слэшем «/», либо скобка «)» вместо слэша; "_cp},
    PositionRule{.id = "B32",
                 .cls = kHint,
                 .at = Is("гдпсх"_cp),
                 .after = Is("."),
                 .after2 = In(kCyrillicCapitals),
                 .message = "Нужен пробел после \""_cp,
                 .compose = ComposeLetterAndStop},
    PositionRule{.id = "B33",
                 .cls = kHint,
                 .before2 = In(kSpace),
                 .before = Is("э"_cp),
                 .at = Is("к"_cp),
                 .after = Is("з"_cp),
                 .after2 = Is(" ,"),
                 .message = "Нужна точка после «экз»; "_cp},
    PositionRule{.id = "B34",
                 .cls = kHint,
                 .before = In(kDigits),
                 .at = In(kCyrillicSmalls),
                 .message = "Нужен пробел между цифрой и буквой \""_cp,
                 .compose = ComposeDigitsThenLetters},
    PositionRule{.id = "B35",
                 .cls = kHint,
                 .at = In(kCyrillicSmalls),
                 .after = In(kDigits),
                 .message = "Нужен пробел между буквой и цифрой \""_cp,
                 .compose = ComposeLettersThenDigits},
};

constexpr RuleMasks kPunctuationMasks = BuildRuleMasks(kPunctuationRules);

}  // namespace

void CheckPunctuationAt(const Position& p, RunState& state, std::string& out, std::string& scratch) {
    RunPositionRules(kPunctuationRules, kPunctuationMasks, p, state, out, scratch);
}

}  // namespace tabulex::rules::title
