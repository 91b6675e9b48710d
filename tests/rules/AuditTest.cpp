// Boundaries of the field rules that the per-rule suites leave open: positions at the ends of the
// title, neighbours outside the text, character classes that look alike, the one-pass replacements
// of the dates text, the order in which a range is read, and letters counted per character in the
// case-number summary. One row per case.

#include "rules/CaseNumbers.h"
#include "rules/DateRules.h"
#include "rules/TitleEnd.h"

#include "TitleTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace tabulex::rules {
namespace {
using testing::CheckUtf8Title;
using testing::TitleOptions;

TEST(AuditTest, TitleRulesAtTheirBoundaries) {
    struct Case {
        std::string_view Title, Findings;  // UTF-8
        int Warnings, Hints;
        TitleOptions Options = {};
    };
    const Case cases[] = {
        // The abbreviation case needs i > 2: "т.е." at the very start is reported, with T[0] omitted.
        {"т.е. все", "Нужна заглавная буква в начале \"т\"; Нужен пробел после точки \"т.е.\"; ", 1, 1},
        // ... and needs a space two before: the second full stop of "т.е.ответ" is reported.
        {"Письмо т.е.ответ", "Нужен пробел после точки \".е.от\"; ", 0, 1},
        {"Конец.аб", "Нужен пробел после точки \"ец.аб\"; ", 0, 1},
        {"Конец.а", "", 0, 0},  // a full stop at L - 1 is never asked for a space
        // after2 outside the text is "not ?", "not !" and "not a space".
        {"Что?!", "Нужен пробел после вопросительного знака; ", 0, 1},
        {"Акт //", "Неверный символ в конце \"/\"; Нужен пробел после двойного слэша «//»; ", 1, 1},
        // ” is valid at the end, takes no part in the „“ balance, and still asks for guillemets.
        {"Приказ „О мерах”",
         "Замените “кавычки-лапки” «ёлочками»; Замените „кавычки-лапки“ «ёлочками»; "
         "Кол-во парных „кавычек-лапок“ не сходится на 1; ",
         0, 3},
        // A non-breaking space is no space before a bracket, but is one after №.
        {"Акт\u00A0(копия)", "Нужен пробел перед скобкой; ", 0, 1},
        {"Дело №\u00A0по описи", "Пропущено число после №; ", 1, 0},
        {"Дело\x1E"
         "копия\x1F"
         "описи",
         "", 0, 0},  // Word's non-breaking and optional hyphens are valid
        // Any eight digits and full stops after a blank are completed, a four-digit year included.
        {"Приказы с 1.1.1945 года", "", 0, 0},  // a four-digit year needs no completion
        {"Приказы с 12.05.45 года", "Дополните \"12.05.45\" до \"12.05.1945\"; ", 1, 0},
        {"Приказы с 12345678 года", "", 0, 0},
        {"Опись #5 дела", "Неверный символ в тексте \"#\" (#35); ", 1, 0},
        {"экз 5 штук", "Нужна заглавная буква в начале \"э\"; ", 1, 0},  // «экз» needs a space two before
        // Letter runs take capitals too and may reach the last character.
        {"Шифр АБв12гД",
         "Нужен пробел между буквой и цифрой \"АБв12\"; Нужен пробел между цифрой и буквой \"12гД\"; ", 0, 2},
        // Initials: the pattern may end on the last character when i = L - 7.
        {"Письма А.Б.Петр", "Нужен пробел между инициалами и фамилией \"А.Б.Пе\"; ", 0, 1},
        {"Подписи А. Б. Ив", "Лишний пробел между инициалами \"А. Б. Ив\"; ", 0, 1},
        // The hanging-hyphen exemption is case-sensitive; the first position checked is i = 6.
        {"Документы Кино- и фото",
         "Название. Нет пробела перед тире или лишний пробел после дефиса «Кино-»; ", 0, 1},
        {"Гумно- и сено", "Название. Нет пробела перед тире или лишний пробел после дефиса «умно-»; ", 0, 1},
    };
    for (const Case& c : cases) {
        const auto outcome = CheckUtf8Title(c.Title, c.Options);
        EXPECT_EQ(outcome.Findings, c.Findings) << c.Title;
        EXPECT_EQ(outcome.Warnings, c.Warnings) << c.Title;
        EXPECT_EQ(outcome.Hints, c.Hints) << c.Title;
    }
}

TEST(AuditTest, FinalStopAfterInitials) {
    const std::pair<std::string_view, bool> cases[] = {
        {"Письмо Петрову Ё.", true},  // Ё is not a Cyrillic capital
        {"Письмо Петрову,И.", true},
        {"писн.", false},  // five characters: the exemptions are tried
    };
    for (const auto& [title, superfluous] : cases)
        EXPECT_EQ(FinalStopIsSuperfluous(text::Utf8ToCp1251(title)), superfluous) << title;
}

TEST(AuditTest, DatesAtTheirBoundaries) {
    constexpr text::DayCount kUntouched = -1;
    struct Case {
        std::string_view Text, Faults, Start, End;  // UTF-8; "-" for a date left as the caller set it
    };
    const Case cases[] = {
        // Three blanks collapse once to two: neither two bare years nor a third blank.
        {"1941   1945", "Неверная; Нач.; Кон.; ", "-", "-"},
        // Four full stops become two in one pass: day 1, no month, year 1945.
        {"1....1945", "", "01.01.1945", "01.12.1945"},
        {"31.04.00", "Нач.; Кон.; ", "-", "-"},  // a year of 0 skips the days-in-month test
        // The start is tested before it borrows from the end.
        {"31-15.04.1945", "Нач.; ", "-", "15.04.1945"},
        {"12.05-1945", "Нач.; ", "-", "31.12.1945"},            // the end has no month to lend a year with
        {"5-1945г", "Кон.; Нач.; Кон.; ", "-", "-"},            // an unreadable end lends nothing
        {"1941,1942-1945", "Нач.; Нач.; ", "-", "31.12.1945"},  // a hyphen splits before a comma
        {"май 1945 июнь 1946", "Нач.; Нач.; ", "-", "31.12.1946"},  // the third blank splits
    };
    for (const Case& c : cases) {
        text::DayCount start = kUntouched;
        text::DayCount end = kUntouched;
        const std::string faults = text::Cp1251ToUtf8(CheckDates(text::Utf8ToCp1251(c.Text), start, end));
        EXPECT_EQ(faults, c.Faults) << c.Text;
        EXPECT_EQ(start == kUntouched ? "-" : text::ShortDate(start), c.Start) << c.Text;
        EXPECT_EQ(end == kUntouched ? "-" : text::ShortDate(end), c.End) << c.Text;
    }
}

TEST(AuditTest, CaseNumberSummaryAtItsBoundaries) {
    struct Case {
        std::vector<std::string_view> Numbers;  // UTF-8
        std::vector<std::string> Lines;         // literal, non-literal, missing, repeated
        std::vector<long long> Counts;
    };
    const std::string none = "Литерных номеров дел нет.";
    const std::string noMissing = "Пропущенных номеров дел нет.";
    const std::string noRepeated = "Повторных номеров дел нет.";
    const std::string seriesA = "Чаще встретилась литера \"А\"\r\n";
    const Case cases[] = {
        // One letter in three keys is half of them, rounded down.
        {{"1", "2", "3А"},
         {none, seriesA + "Нелитерные номера дел:     1 ,     2 . Всего дел: 2.", noMissing, noRepeated},
         {0, 2, 0, 0}},
        // Both letters of one key are counted: 2 of 4.
        {{"1АА", "2", "3", "4"},
         {none, seriesA + "Нелитерные номера дел:     2 ,     3 ,     4 . Всего дел: 3.", noMissing,
          noRepeated},
         {0, 3, 0, 0}},
        // A small letter is no literal letter: listed as non-literal, and outside the sequence.
        {{"10А", "11а", "12А"},
         {none, seriesA + "Нелитерный номер дела:    11а . Всего дел: 1.",
          "Пропущенный номер дела: 11. Всего дел: 1.", noRepeated},
         {0, 1, 1, 0}},
        // Only the first series letter is deleted; "1Б" is then no number.
        {{"1БА", "2А", "3А"},
         {"Литерный номер дела:     1БА. Всего дел: 1.",
          seriesA + "Нелитерных среди литерных номеров дел нет.", noMissing, noRepeated},
         {1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        CaseNumberKeys keys;
        for (auto number : c.Numbers) keys.AddNumber(text::Utf8ToCp1251(number));
        const CaseNumberSummary s = SummariseCaseNumbers(keys);
        const std::vector<std::string> lines = {
            text::Cp1251ToUtf8(s.LiteralLine), text::Cp1251ToUtf8(s.NonLiteralLine),
            text::Cp1251ToUtf8(s.MissingLine), text::Cp1251ToUtf8(s.RepeatedLine)};
        EXPECT_EQ(lines, c.Lines) << c.Numbers.front();
        EXPECT_EQ(
            (std::vector<long long>{s.LiteralCount, s.NonLiteralCount, s.MissingCount, s.RepeatedCount}),
            c.Counts)
            << c.Numbers.front();
    }
}

}  // namespace
}  // namespace tabulex::rules
