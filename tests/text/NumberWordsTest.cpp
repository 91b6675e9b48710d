#include "text/NumberWords.h"

#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <optional>

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

// The count of cases ("дело" is neuter): only a final "один" changes; the thousands keep "одна".
TEST(NumberInWordsTest, NeuterCountEndsInOdno) {
    const WordsCase cases[] = {
        {"1", "одно"},
        {"2", "два"},
        {"5", "пять"},
        {"11", "одиннадцать"},
        {"21", "двадцать одно"},
        {"101", "сто одно"},
        {"1001", "одна тысяча одно"},
        {"1021", "одна тысяча двадцать одно"},
        {"1000", "одна тысяча"},
        {"1000001", "один миллион одно"},
        {"0", "ноль"},
    };
    for (const auto& c : cases) EXPECT_EQ(Cp1251ToUtf8(NeuterNumberInWords(c.Digits)), c.Utf8) << c.Digits;
}

TEST(NumberFromWordsTest, ReadsEveryGenderAndRefusesWhatIsNoNumber) {
    struct ReadCase {
        const char* Utf8;
        std::optional<unsigned long long> Value;
    };
    const ReadCase cases[] = {
        {"двадцать одно", 21},
        {"двадцать один", 21},
        {"Двадцать  Одна", 21},
        {"одна тысяча одно", 1001},
        {"тысяча двадцать одно", 1021},
        {"сто\xC2\xA0одиннадцать", 111},
        {"двести сорок две тысячи триста", 242300},
        {"один миллион одна тысяча один", 1001001},
        {"ноль", 0},
        {"тринадцать", 13},
        {"шестьсот", 600},
        {"", std::nullopt},
        {"двадцать пят", std::nullopt},
        {"один двадцать", std::nullopt},
        {"одиннадцать два", std::nullopt},
        {"двадцать тридцать", std::nullopt},
        {"тысяча миллион", std::nullopt},
        {"ноль один", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberFromWords(Utf8ToCp1251(c.Utf8)), c.Value) << c.Utf8;
    // Every count the certification line can state reads back as itself.
    for (unsigned long long n : {1ULL, 19ULL, 40ULL, 999ULL, 1000ULL, 2021ULL, 14000ULL, 999999999ULL})
        EXPECT_EQ(NumberFromWords(NeuterNumberInWords(std::to_string(n))), n) << n;
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
