#include "rules/CaseNumbers.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/Cp1251.h"
#include "text/TextHelpers.h"

namespace tabulex::rules {
namespace {
using namespace text::literals;

std::string Utf8(std::string_view cp1251) {
    return text::Cp1251ToUtf8(cp1251);
}

TEST(CaseNumberKeyTest, DigitsEndAtCharacterEight) {
    struct Case {
        std::string_view Number, Key;
    };
    const Case cases[] = {
        {"12", "      12  "},      {"12А"_cp, "      12А "_cp},    {"12АБ"_cp, "      12АБ"_cp},
        {"7", "       7  "},       {" 12\t", "      12  "},        {"", "          "},
        {"А"_cp, "         А"_cp}, {"1234567890", "1234567890  "},  // longer than the key width: kept
        {"12-1", "    12-1  "},    {"1А2"_cp, "     1А2  "_cp},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8(CaseNumberKey(c.Number)), Utf8(c.Key)) << Utf8(c.Number);
}

TEST(CaseNumberKeysTest, AscendingIgnoringCaseWithDuplicates) {
    CaseNumberKeys keys;
    for (auto number :
         {"12"_cp, "2"_cp, "11б"_cp, "11"_cp, "11Б"_cp, "1Ж"_cp, "1Ё"_cp, "1Е"_cp, "2"_cp, "100"_cp})
        keys.AddNumber(number);
    std::vector<std::string> numbers;
    for (const auto& key : keys.Sorted()) numbers.push_back(Utf8(text::Trim(key)));
    const std::vector<std::string> expected = {"1Е", "1Ё", "1Ж", "2", "2", "11", "11б", "11Б", "12", "100"};
    EXPECT_EQ(numbers, expected);
    EXPECT_EQ(keys.Size(), 10u);
}

std::vector<std::string> Lines(const CaseNumberSummary& s) {
    return {Utf8(s.LiteralLine), Utf8(s.NonLiteralLine), Utf8(s.MissingLine), Utf8(s.RepeatedLine)};
}

CaseNumberSummary Summarise(std::initializer_list<std::string_view> numbers) {
    CaseNumberKeys keys;
    for (auto number : numbers) keys.AddNumber(number);
    return SummariseCaseNumbers(keys);
}

struct SummaryCase {
    std::vector<std::string_view> Numbers;  // Windows-1251, in any order
    std::vector<std::string> Lines;         // UTF-8: literal, non-literal, missing, repeated
    std::vector<long long> Counts;          // the same order
};

TEST(SummariseCaseNumbersTest, FourLinesAndCounts) {
    const SummaryCase cases[] = {
        {{},
         {"Литерных номеров дел нет.", "", "Пропущенных номеров дел нет.", "Повторных номеров дел нет."},
         {0, 0, 0, 0}},
        {{"1", "2", "3", "5", "5", "8"},
         {"Литерных номеров дел нет.", "", "Пропущенные номера дел: 4, 6, 7. Всего дел: 3.",
          "Повторный номер дела: 5. Всего дел: 1."},
         {0, 0, 3, 1}},
        {{"5", "5", "5", "6", "8"},
         {"Литерных номеров дел нет.", "", "Пропущенный номер дела: 7. Всего дел: 1.",
          "Повторные номера дел: 5, 5. Всего дел: 2."},
         {0, 0, 1, 2}},
        {{"10", "11", "11А"_cp, "12"},  // one letter in four keys is no series
         {"Литерный номер дела:    11А . Всего дел: 1.", "", "Пропущенных номеров дел нет.",
          "Повторных номеров дел нет."},
         {1, 0, 0, 0}},
        {{"1", "2", "3", "3Б"_cp, "4", "4В"_cp, "5"},
         {"Литерные номера дел:     3Б ,     4В . Всего дел: 2.", "", "Пропущенных номеров дел нет.",
          "Повторных номеров дел нет."},
         {2, 0, 0, 0}},
        {{"10А"_cp, "11А"_cp, "12", "13А"_cp},  // series А: 12 stands outside the sequence
         {"Литерных номеров дел нет.",
          "Чаще встретилась литера \"А\"\r\nНелитерный номер дела:    12 . Всего дел: 1.",
          "Пропущенный номер дела: 12. Всего дел: 1.", "Повторных номеров дел нет."},
         {0, 1, 1, 0}},
        {{"1А"_cp, "1Б"_cp},  // a tie goes to the earlier letter; 1 key of 2 is enough
         {"Литерный номер дела:     1Б . Всего дел: 1.",
          "Чаще встретилась литера \"А\"\r\nНелитерных среди литерных номеров дел нет.",
          "Пропущенных номеров дел нет.", "Повторных номеров дел нет."},
         {1, 0, 0, 0}},
        {{"7", "8А"_cp, "9А"_cp, "9А"_cp},  // seven blanks collapse to four
         {"Литерных номеров дел нет.",
          "Чаще встретилась литера \"А\"\r\nНелитерный номер дела:     7 . Всего дел: 1.",
          "Пропущенных номеров дел нет.", "Повторный номер дела: 9. Всего дел: 1."},
         {0, 1, 0, 1}},
        {{"11", "12а"_cp, "13"},  // a small letter makes no literal number, nor a number
         {"Литерных номеров дел нет.", "", "Пропущенный номер дела: 12. Всего дел: 1.",
          "Повторных номеров дел нет."},
         {0, 0, 1, 0}},
        {{"1", "2", "12АБ"_cp, "3"},  // two letters, listed and counted once
         {"Литерный номер дела:    12АБ. Всего дел: 1.", "", "Пропущенных номеров дел нет.",
          "Повторных номеров дел нет."},
         {1, 0, 0, 0}},
        {{"12", "0005"},  // the wider key sorts after 12: a decrease reports nothing
         {"Литерных номеров дел нет.", "", "Пропущенных номеров дел нет.", "Повторных номеров дел нет."},
         {0, 0, 0, 0}},
        {{"x", "3", "5"},  // nothing to compare with until a key reads as a number
         {"Литерных номеров дел нет.", "", "Пропущенный номер дела: 4. Всего дел: 1.",
          "Повторных номеров дел нет."},
         {0, 0, 1, 0}},
        {{"1", "1000000"},  // a mistyped number: the gap is one item
         {"Литерных номеров дел нет.", "", "Пропущенные номера дел: 2-999999. Всего дел: 999998.",
          "Повторных номеров дел нет."},
         {0, 0, 999998, 0}},
        {{"1", "12Ё"_cp, "2"},  // Ё is a literal letter without a counter
         {"Литерный номер дела:    12Ё . Всего дел: 1.", "", "Пропущенных номеров дел нет.",
          "Повторных номеров дел нет."},
         {1, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        CaseNumberKeys keys;
        for (auto number : c.Numbers) keys.AddNumber(number);
        const auto summary = SummariseCaseNumbers(keys);
        EXPECT_EQ(Lines(summary), c.Lines);
        EXPECT_EQ((std::vector<long long>{summary.LiteralCount, summary.NonLiteralCount, summary.MissingCount,
                                          summary.RepeatedCount}),
                  c.Counts)
            << c.Lines[0];
    }
}

// Under the modern rules a small letter makes a literal number as its capital does; the list shows
// the number as written.
TEST(SummariseCaseNumbersTest, ModernRulesTakeSmallLettersAsLiteral) {
    // The numbers are converted at run time: clang 14 crashes on this table written with _cp literals.
    const SummaryCase cases[] = {
        {{"10", "11", "12а", "13"},
         {"Литерный номер дела:    12а . Всего дел: 1.", "", "Пропущенный номер дела: 12. Всего дел: 1.",
          "Повторных номеров дел нет."},
         {1, 0, 1, 0}},
        {{"4", "5", "5а", "6"},
         {"Литерный номер дела:     5а . Всего дел: 1.", "", "Пропущенных номеров дел нет.",
          "Повторных номеров дел нет."},
         {1, 0, 0, 0}},
        {{"10а", "11а", "12", "13А"},  // either case counts for the series letter
         {"Литерных номеров дел нет.",
          "Чаще встретилась литера \"А\"\r\nНелитерный номер дела:    12 . Всего дел: 1.",
          "Пропущенный номер дела: 12. Всего дел: 1.", "Повторных номеров дел нет."},
         {0, 1, 1, 0}},
        {{"1", "2", "2ё", "3"},
         {"Литерный номер дела:     2ё . Всего дел: 1.", "", "Пропущенных номеров дел нет.",
          "Повторных номеров дел нет."},
         {1, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        CaseNumberKeys keys;
        for (auto number : c.Numbers) keys.AddNumber(text::Utf8ToCp1251(number));
        const auto summary = SummariseCaseNumbers(keys, RuleSet::Modern);
        EXPECT_EQ(Lines(summary), c.Lines);
        EXPECT_EQ((std::vector<long long>{summary.LiteralCount, summary.NonLiteralCount, summary.MissingCount,
                                          summary.RepeatedCount}),
                  c.Counts)
            << c.Lines[0];
    }
}

TEST(SummariseCaseNumbersTest, SeriesLetterNeedsHalfTheKeys) {
    const auto withSeries =
        Summarise({"1А"_cp, "2А"_cp, "3А"_cp, "4А"_cp, "5А"_cp, "6", "7", "8", "9", "10"});
    EXPECT_EQ(withSeries.SeriesLetter, "А"_cp[0]);
    EXPECT_EQ(withSeries.NonLiteralCount, 5);
    EXPECT_EQ(withSeries.MissingCount, 0);  // 6..10 carry no А and stay out of the sequence

    const auto without = Summarise({"1А"_cp, "2А"_cp, "3А"_cp, "4А"_cp, "5", "6", "7", "8", "9", "10"});
    EXPECT_EQ(without.SeriesLetter, 0);
    EXPECT_EQ(without.LiteralCount, 4);
    EXPECT_EQ(without.NonLiteralLine, "");
}

TEST(SummariseCaseNumbersTest, MissingListIsBounded) {
    CaseNumberKeys keys;
    for (auto number : {"1", "99999", "100010", "100012"}) keys.AddNumber(number);
    const auto summary = SummariseCaseNumbers(keys);
    EXPECT_EQ(summary.MissingCount, 99997 + 10 + 1);
    EXPECT_TRUE(summary.MissingLine.starts_with("Пропущенные номера дел: 2, 3, 4, "_cp));
    EXPECT_TRUE(summary.MissingLine.ends_with(", 99998, 100000-100009, 100011. Всего дел: 100008."_cp));
}

// Letters counted per character.
TEST(CaseNumberSummaryTest, AtItsBoundaries) {
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
