#include "rules/DateRules.h"

#include <gtest/gtest.h>

#include "text/Calendar.h"
#include "text/Cp1251.h"

namespace tabulex::rules {

void PrintTo(const DateParts& p, std::ostream* os) {
    *os << p.Day << '.' << p.Month << '.' << p.Year;
}

namespace {
using namespace text::literals;

constexpr text::DayCount kUntouched = -777777;
constexpr int A = kAbsentPart;

// Dates as dd.mm.yyyy, or "-" for an out-parameter that kept the caller's value.
std::string Shown(text::DayCount date) {
    return date == kUntouched ? "-" : text::ShortDate(date);
}

struct DatesCase {
    std::string_view Text;  // Windows-1251
    std::string_view Faults;
    std::string_view Start;
    std::string_view End;
};

void ExpectDates(const DatesCase& c) {
    text::DayCount start = kUntouched;
    text::DayCount end = kUntouched;
    const std::string faults = CheckDates(c.Text, start, end);
    const std::string shown = text::Cp1251ToUtf8(c.Text);
    EXPECT_EQ(text::Cp1251ToUtf8(faults), text::Cp1251ToUtf8(c.Faults)) << shown;
    EXPECT_EQ(Shown(start), c.Start) << shown;
    EXPECT_EQ(Shown(end), c.End) << shown;
}

TEST(CheckDatesTest, SingleDatesFilledEarliestAndLatest) {
    const DatesCase cases[] = {
        {"12.05.1945", "", "12.05.1945", "12.05.1945"},
        {"05.1945", "", "01.05.1945", "31.05.1945"},
        {"5.1945", "", "01.05.1945", "31.05.1945"},
        {"04.1945", "", "01.04.1945", "30.04.1945"},
        {"02.1944", "", "01.02.1944", "29.02.1944"},
        {"02.1900", "", "01.02.1900", "28.02.1900"},
        {"02.2000", "", "01.02.2000", "29.02.2000"},
        {"1945", "", "01.01.1945", "31.12.1945"},
        {"29.02.1944", "", "29.02.1944", "29.02.1944"},
        {"1941 1945", "", "01.01.1941", "31.12.1945"},  // two bare years
        {"1941  1945", "", "01.01.1941", "31.12.1945"},
        {"3941 1945", "Неверная; Нач.; Кон.; "_cp, "-", "-"},  // not a year of the 1000s or 2000s
        {"12мая1945"_cp, "", "12.05.1945", "12.05.1945"},
    };
    for (const auto& c : cases) ExpectDates(c);
}

TEST(CheckDatesTest, InvalidSingleDatesKeepBothDates) {
    const DatesCase cases[] = {
        {"", "", "-", "-"},
        {"31.04.1945", "Кол-во дней в месяце меньше; Нач.; Кон.; "_cp, "-", "-"},
        {"31.02.1945", "Кол-во дней в месяце меньше; Нач.; Кон.; "_cp, "-", "-"},
        {"29.02.1945", "Кол-во дней в месяце меньше; Нач.; Кон.; "_cp, "-", "-"},
        {"12.13.1945", "Нач.; Кон.; "_cp, "-", "-"},  // no month 13: no day count to compare
        {"00.1945", "Нач.; Кон.; "_cp, "-", "-"},
        {"1945г"_cp, "Неверная; Нач.; Кон.; "_cp, "-", "-"},
        {"сентябрь 1945"_cp, "Неверная; Нач.; Кон.; "_cp, "-", "-"},
        {"1 мая 1945"_cp, "Неверная; Нач.; Кон.; "_cp, "-", "-"},
        {"1.2.3.4", "Неверная; Нач.; Кон.; "_cp, "-", "-"},  // three full stops
        {"1.2.3.4.5", "Нач.; Кон.; "_cp, "-", "-"},          // four: the year keeps a full stop
        {"12", "Нач.; Кон.; "_cp, "-", "-"},                 // a day alone has no year
        {"99999999999.05.1945", "Кол-во дней в месяце меньше; Нач.; Кон.; "_cp, "-", "-"},
        {"12.05.99999", "Нач.; Кон.; "_cp, "-", "-"},
        {"б/д"_cp, "Неверная; Нач.; Кон.; "_cp, "-", "-"},
    };
    for (const auto& c : cases) ExpectDates(c);
}

TEST(CheckDatesTest, MonthNamesInAnyCaseAndEnding) {
    const DatesCase cases[] = {
        {"12.мая.1945"_cp, "", "12.05.1945", "12.05.1945"},
        {"12.МАЯ.1945"_cp, "", "12.05.1945", "12.05.1945"},
        {"май.1945"_cp, "", "01.05.1945", "31.05.1945"},
        {"МАЙ.1945"_cp, "", "01.05.1945", "31.05.1945"},
        {"Сентябрь.1945"_cp, "", "01.09.1945", "30.09.1945"},
        {"3.сентября.1945"_cp, "", "03.09.1945", "03.09.1945"},
        {"янв.1945-февр.1946"_cp, "", "01.01.1945", "28.02.1946"},
        {"Январь.1941-Декабрь.1945"_cp, "", "01.01.1941", "31.12.1945"},
        {"12.ИЮНЯ-3.июля.1941"_cp, "", "12.06.1941", "03.07.1941"},
        {"ноябрь.1944,март.1945"_cp, "", "01.11.1944", "31.03.1945"},
    };
    for (const auto& c : cases) ExpectDates(c);
}

TEST(CheckDatesTest, RangesAndCompletionOfTheStart) {
    const DatesCase cases[] = {
        {"1941-1945", "", "01.01.1941", "31.12.1945"},
        {"1941,1945", "", "01.01.1941", "31.12.1945"},
        {"1946-1945", "", "01.01.1946", "31.12.1945"},  // the order is the caller's concern
        {"12.05.1945-30.12.1946", "", "12.05.1945", "30.12.1946"},
        {"5-12.06.1945", "", "05.06.1945", "12.06.1945"},
        {"05-06.1945", "", "01.05.1945", "30.06.1945"},
        {"12.05-15.06.1945", "", "12.05.1945", "15.06.1945"},
        {"05.1944-02.1945", "", "01.05.1944", "28.02.1945"},
        {"5-1945", "Нач.; "_cp, "-", "31.12.1945"},  // the end has no month to lend
        {"1941 - 1945", "Кон.; Нач.; Нач.; Кон.; "_cp, "-", "-"},
        {"1941, 1945", "Кон.; Кон.; "_cp, "01.01.1941", "-"},
        {"1941-", "Кон.; "_cp, "01.01.1941", "-"},
        {"-1945", "Нач.; "_cp, "-", "31.12.1945"},
        {"31.02.1945-1946", "Кол-во дней в месяце меньше; Нач.; "_cp, "-", "31.12.1946"},
        {"1945-31.02.1946", "Кол-во дней в месяце меньше; Кон.; "_cp, "01.01.1945", "-"},
        {"1945г-1946"_cp, "Нач.; Нач.; "_cp, "-", "31.12.1946"},
    };
    for (const auto& c : cases) ExpectDates(c);
}

TEST(CheckDatesTest, BracketsAreReadAsIfAbsent) {
    const DatesCase cases[] = {
        {"[1945]-1946", "", "01.01.1945", "31.12.1946"},
        {"1945-[1946]", "", "01.01.1945", "31.12.1946"},
        {"[12].05.1945", "", "12.05.1945", "12.05.1945"},
        {"[12.05.1945]-[1946]", "", "12.05.1945", "31.12.1946"},
        {"[май].1945-1946"_cp, "Нач.; Нач.; "_cp, "-", "31.12.1946"},  // leaves ".05..1945": three full stops
        {"1945]-1946", "Нач.; Нач.; "_cp, "-", "31.12.1946"},          // a ] without any [ stays
    };
    for (const auto& c : cases) ExpectDates(c);
}

TEST(CheckDatesTest, YearsBelowAHundredFollowTheFixedWindow) {
    const DatesCase cases[] = {
        {"01.01.45", "", "01.01.1945", "01.01.1945"},
        {"01.01.99", "", "01.01.1999", "01.01.1999"},
        {"01.01.06", "", "01.01.1906", "01.01.1906"},
        {"01.01.05", "", "01.01.2005", "01.01.2005"},  // 0..5 are not moved by the parse
        {"01.01.00", "", "01.01.2000", "01.01.2000"},
        {"1.1.0", "", "01.01.2000", "01.01.2000"},
        {".02.0", "", "01.02.2000", "29.02.2000"},
        {"5.45", "", "01.05.1945", "31.05.1945"},  // the year comes from the month, unparsed
        {"5.15", "", "01.05.2015", "31.05.2015"},
        {"1941-05.47", "", "01.01.1941", "31.05.1947"},
        {"1941-05.12", "", "01.01.1941", "31.05.2012"},  // the end's two numbers are month and year
        {"29.02.01", "Кол-во дней в месяце меньше; Нач.; Кон.; "_cp, "-", "-"},
    };
    for (const auto& c : cases) ExpectDates(c);
}

TEST(NormaliseDatesTextTest, MonthNamesBlanksAndBrackets) {
    struct Case {
        std::string_view Text, Expected;
    };
    const Case cases[] = {
        {"1941 1945", "1941-1945"},
        {"1 мая 1945 31 мая 1946"_cp, "1 .05. 1945-31 .05. 1946"},    // the third blank splits
        {"1 мая 1945, 31 мая 1946"_cp, "1 .05. 1945, 31 .05. 1946"},  // not with a comma present
        {"май 1945 - [июнь] 1946"_cp, ".05. 1945 - .06. 1946"},
        {"МАЙСКИЙ"_cp, ".05."},
        {"мартобря"_cp, ".03."},
        {"янвфев"_cp, ".01."},  // the whole word goes with the first stem
        {"ёянв"_cp, "ё.01."_cp},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text::Cp1251ToUtf8(NormaliseDatesText(c.Text)), text::Cp1251ToUtf8(c.Expected));
}

TEST(ParseNumericDateTest, PartsAndFailures) {
    struct Case {
        std::string_view Text;
        std::optional<DateParts> Expected;
    };
    const Case cases[] = {
        {"12.05.1945", DateParts{12, 5, 1945}},
        {"05.1945", DateParts{A, 5, 1945}},
        {"1945", DateParts{A, A, 1945}},
        {"31", DateParts{31, A, A}},
        {"32", DateParts{A, A, 32}},
        {"5.12", DateParts{5, 12, A}},
        {"", DateParts{A, A, A}},
        {"..", DateParts{A, A, A}},
        {".05.1945", DateParts{A, 5, 1945}},
        {"12.05.45", DateParts{12, 5, 1945}},
        {"12.05.0045", DateParts{12, 5, 1945}},
        {"12.05.05", DateParts{12, 5, 5}},
        {"1.2.3.4.5", DateParts{1, 2, A}},
        {"1.2.3.4", std::nullopt},
        {"12 05", std::nullopt},
        {"-1945", std::nullopt},
        {"1945г"_cp, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseNumericDate(c.Text), c.Expected) << c.Text;
}

TEST(ConvertDatePartsTest, FillingsAndLimits) {
    struct Case {
        DateParts Parts;
        DateFilling Filling;
        std::string_view Expected;  // "" when no date
    };
    const Case cases[] = {
        {{A, A, 1945}, DateFilling::Earliest, "01.01.1945"},
        {{A, A, 1945}, DateFilling::Latest, "31.12.1945"},
        {{A, 2, 1944}, DateFilling::Latest, "29.02.1944"},
        {{A, 11, 1944}, DateFilling::Latest, "30.11.1944"},
        {{A, 13, 1944}, DateFilling::Latest, ""},
        {{A, 0, 1944}, DateFilling::Earliest, ""},
        {{0, 5, 1944}, DateFilling::Earliest, ""},
        {{1, 5, A}, DateFilling::Earliest, ""},
        {{31, 12, 9999}, DateFilling::Latest, "31.12.9999"},
        {{1, 1, 10000}, DateFilling::Earliest, ""},
        {{30, 12, 1899}, DateFilling::Earliest, "30.12.1899"},
    };
    for (const auto& c : cases) {
        const auto date = ConvertDateParts(c.Parts, c.Filling);
        EXPECT_EQ(date ? text::ShortDate(*date) : "", c.Expected)
            << c.Parts.Day << '.' << c.Parts.Month << '.' << c.Parts.Year;
    }
    EXPECT_EQ(ConvertDateParts({30, 12, 1899}, DateFilling::Earliest).value_or(-1), 0);
}

TEST(MonthStemsTest, GenitiveMayAndCalendarOrder) {
    ASSERT_EQ(MonthStems().size(), 12u);
    EXPECT_EQ(MonthStems()[0], "янв"_cp);
    EXPECT_EQ(MonthStems()[4], "мая"_cp);
    EXPECT_EQ(MonthStems()[11], "дек"_cp);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
}

}  // namespace
}  // namespace tabulex::rules
