#include "rules/DateRewrites.h"

#include <gtest/gtest.h>

#include "text/Cp1251.h"

namespace tabulex::rules {
namespace {

struct RewriteCase {
    DateRewrite Rewrite;
    std::string_view Cell;      // UTF-8
    std::string_view Expected;  // UTF-8; empty: the cell is left as it is
};

using enum DateRewrite;

// What each command does to the dates it reads, and the dates it leaves alone.
const RewriteCase kCases[] = {
    {FullYear, "10.11.78", "10.11.1978"},
    {FullYear, "01.01.05", "01.01.2005"},  // 00..05 are this century, as the checks read them
    {FullYear, "01.01.06", "01.01.1906"},
    {FullYear, "10.11.78 - 12.12.79 г.", "10.11.1978 - 12.12.1979 г."},
    {FullYear, "10.11.1978", ""},
    {FullYear, "11.78", ""},  // month and year or day and month: not read
    {FullYear, "31.02.78", ""},

    {MonthWords, "10.11.1978", "10 ноября 1978"},
    {MonthWords, "01.05.1990 г.", "01 мая 1990 г."},
    {MonthWords, "11.1978", "ноябрь 1978"},
    {MonthWords, "04.01.1990 - 29.12.1990", "04 января 1990 - 29 декабря 1990"},
    {MonthWords, "1978", ""},
    {MonthWords, "10.11.78", ""},  // the year first wants its century
    {MonthWords, "31.02.1997", ""},
    {MonthWords, "10.13.1978", ""},
    {MonthWords, "[10.11.1978]", ""},

    {MonthNumbers, "10 ноября 1978", "10.11.1978"},
    {MonthNumbers, "1 Мая 1990 г.", "1.05.1990 г."},
    {MonthNumbers, "июнь 1987", "06.1987"},
    {MonthNumbers, "май 1991 – июнь 1991", "05.1991 – 06.1991"},
    {MonthNumbers, "12 май 1990", ""},   // a day wants the genitive
    {MonthNumbers, "12 мюня 1990", ""},  // no such month
    {MonthNumbers, "30 февраля 1990", ""},
    {MonthNumbers, "12 мая", ""},

    {DropZero, "01.05.1990", "1.05.1990"},
    {DropZero, "01 января 1989 - 09 мая 1990", "1 января 1989 - 9 мая 1990"},
    {DropZero, "10.05.1990", ""},
    {DropZero, "05.1990", ""},  // the month keeps its zero

    {AddZero, "1.05.1990", "01.05.1990"},
    {AddZero, "1 января 1989 г.", "01 января 1989 г."},
    {AddZero, "01.05.1990", ""},
    {AddZero, "1990", ""},

    {DropYearMark, "1990 г.", "1990"},
    {DropYearMark, "1990г. - 1995 г.", "1990 - 1995"},
    {DropYearMark, "12 мая 1990 Г.", "12 мая 1990"},
    {DropYearMark, "1990", ""},
    {DropYearMark, "1990 г", ""},  // no full stop: not a year mark it can read

    {AddYearMark, "1990", "1990 г."},
    {AddYearMark, "1 января 1988 - 21 января 1989", "1 января 1988 г. - 21 января 1989 г."},
    {AddYearMark, "1990 г. - 1995", "1990 г. - 1995 г."},
    {AddYearMark, "10.11.78", ""},
    {AddYearMark, "1990 г.", ""},
    {AddYearMark, "б/д", ""},

    {JoinRanges, "1990 - 1995", "1990-1995"},
    {JoinRanges, "1990 – 1995", "1990–1995"},  // the dash itself is kept
    {JoinRanges, "04.01.1990  —  29.12.1990", "04.01.1990—29.12.1990"},
    {JoinRanges, "май 1991 - июнь 1991", "май 1991-июнь 1991"},
    {JoinRanges, "1990-1995", ""},
    {JoinRanges, "1995 - 1990 - 1991", ""},
    {JoinRanges, "31.02.1997 - 1998", ""},
    {JoinRanges, "1990 - ", ""},
};

TEST(DateRewritesTest, EachCommandRewritesOnlyWhatItReads) {
    for (const RewriteCase& c : kCases) {
        const auto rewritten = RewriteDates(c.Rewrite, text::Utf8ToCp1251(c.Cell));
        const std::string shown = rewritten ? text::Cp1251ToUtf8(*rewritten) : std::string();
        EXPECT_EQ(shown, c.Expected) << static_cast<int>(c.Rewrite) << ": " << c.Cell;
    }
}

// Converting there and back gives the cell as it was; a command run twice changes nothing more.
TEST(DateRewritesTest, RoundTripsAndRepeatsAreStable) {
    for (std::string_view cell : {"10.11.1978", "01.05.1990 г. - 12.06.1991 г.", "11.1978"}) {
        const std::string cp = text::Utf8ToCp1251(cell);
        const auto words = RewriteDates(DateRewrite::MonthWords, cp);
        ASSERT_TRUE(words) << cell;
        EXPECT_FALSE(RewriteDates(DateRewrite::MonthWords, *words)) << cell;
        const auto back = RewriteDates(DateRewrite::MonthNumbers, *words);
        ASSERT_TRUE(back) << cell;
        EXPECT_EQ(text::Cp1251ToUtf8(*back), cell);
    }
}

TEST(DateRewritesTest, JoiningFollowsTheRuleSet) {
    const std::string words = text::Utf8ToCp1251("май 1991 - июнь 1991");
    EXPECT_FALSE(RewriteDates(DateRewrite::JoinRanges, words, RuleSet::Original));
    EXPECT_TRUE(RewriteDates(DateRewrite::JoinRanges, words, RuleSet::Modern));
    EXPECT_TRUE(RewriteDates(DateRewrite::JoinRanges, "1990 - 1995", RuleSet::Original));
}

}  // namespace
}  // namespace tabulex::rules
