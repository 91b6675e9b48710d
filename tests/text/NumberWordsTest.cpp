#include "text/NumberWords.h"

#include "text/Cp1251.h"

#include <gtest/gtest.h>

namespace tabulex::text {
namespace {

struct WordsCase {
    std::string Digits;
    std::string Utf8;
};

TEST(NumberInWordsTest, SpellsNumbersWithGenderAndEndings) {
    const WordsCase cases[] = {
        {"", "ноль"},
        {"0", "ноль"},
        {"000", ""},
        {"1", "один"},
        {"2", "два"},
        {"11", "одиннадцать"},
        {"21", "двадцать один"},
        {"100", "сто"},
        {"101", "сто один"},
        {"125", "сто двадцать пять"},
        {"1000", "одна тысяча"},
        {"2000", "две тысячи"},
        {"5000", "пять тысяч"},
        {"11000", "одиннадцать тысяч"},
        {"21000", "двадцать одна тысяча"},
        {"1000000", "один миллион"},
        {"2000000", "два миллиона"},
        {"5000000", "пять миллионов"},
        {"12000000", "двенадцать миллионов"},
        {"1001001", "один миллион одна тысяча один"},
        {"3004000000", "три миллиарда четыре миллиона"},
        {"100000000000000000000", "сто квинтиллионов"},
        {"1000000000000000000000", "Value is too large"},
    };
    for (const auto& c : cases) EXPECT_EQ(Cp1251ToUtf8(NumberInWords(c.Digits)), c.Utf8) << c.Digits;
}

TEST(NumberInWordsTest, TriadsStartWithASpace) {
    EXPECT_EQ(Cp1251ToUtf8(TriadInWords(342, 1)), " триста сорок две тысячи");
    EXPECT_EQ(TriadInWords(0, 3), "");
    EXPECT_EQ(Cp1251ToUtf8(TriadInWords(13, 2)), " тринадцать миллионов");
}

TEST(DateInWordsTest, GenitiveMonthAndNoLeadingZero) {
    EXPECT_EQ(Cp1251ToUtf8(DateInWords(CivilDate{1989, 1, 1})), "1 января 1989");
    EXPECT_EQ(Cp1251ToUtf8(DateInWords(CivilDate{1945, 5, 12})), "12 мая 1945");
    EXPECT_EQ(Cp1251ToUtf8(DateInWords(DayCount{0})), "30 декабря 1899");
}

TEST(CalendarTest, DayCountsFollowTheWordEpoch) {
    EXPECT_EQ(ToDayCount({1899, 12, 30}), 0);
    EXPECT_EQ(ToDayCount({1900, 1, 1}), 2);
    EXPECT_EQ(ToDayCount({1945, 5, 9}), 16566);
    EXPECT_EQ(FromDayCount(-1), (CivilDate{1899, 12, 29}));
    for (DayCount d = -800000; d < 2900000; d += 997) EXPECT_EQ(ToDayCount(FromDayCount(d)), d);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
    EXPECT_EQ(ShortDate(ToDayCount({1945, 5, 9})), "09.05.1945");
}

}  // namespace
}  // namespace tabulex::text
