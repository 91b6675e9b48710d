#include "text/CaseMaps.h"
#include "text/CharClasses.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"

#include <gtest/gtest.h>

namespace tabulex::text {
namespace {
using namespace literals;

struct PosCase {
    std::string_view Pattern;
    std::string_view Text;
    int Start;
    int Expected;
};

TEST(PosFromTest, FindsAtOrAfterStart) {
    const PosCase cases[] = {
        {"ab", "xxab", 3, 3}, {"ab", "xxab", 4, 0}, {"", "xxab", 1, 0},  {"ab", "", 1, 0},
        {"ab", "abab", 2, 3}, {"ab", "ab", 1, 1},   {"abc", "ab", 1, 0}, {"b", "ab", 3, 0},
        {"b", "ab", 0, 0},    {"x", "ab", 1, 0},    {"a", "a", 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PosFrom(c.Pattern, c.Text, c.Start), c.Expected)
            << c.Pattern << " in " << c.Text << " @" << c.Start;
}

TEST(PosFromTest, NoCaseComparesThroughUpperMap) {
    const PosCase cases[] = {
        {"стр"_cp, "15 СТР."_cp, 1, 4}, {"ё"_cp, "Ёлка"_cp, 1, 1}, {"ЇЄ"_cp, "її їє"_cp, 1, 4},
        {"abc", "xABC", 2, 2},          {"abc", "xABC", 3, 0},     {"е"_cp, "ё"_cp, 1, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(PosFromNoCase(c.Pattern, c.Text, c.Start), c.Expected);
}

TEST(ReplaceAllTest, OnePassLeftToRight) {
    struct Case {
        std::string_view Text, OldPattern, NewText, Expected;
    };
    const Case cases[] = {
        {"a--b", "-", "+", "a++b"},    {"aaa", "aa", "a", "aa"},  {"abc", "", "x", "abc"},
        {"abc", "abc", "", ""},        {"....", "..", ".", ".."}, {"abc", "x", "yy", "abc"},
        {"aXbX", "X", "XX", "aXXbXX"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplaceAll(c.Text, c.OldPattern, c.NewText), c.Expected);
}

TEST(CollapseDoubleSpacesTest, HalvesRunsRoundingUp) {
    struct Case {
        std::string_view Text, Expected;
    };
    const Case cases[] = {
        {"a  b", "a b"}, {"a   b", "a  b"}, {"      12А "_cp, "   12А "_cp}, {" ", " "}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CollapseDoubleSpaces(c.Text), c.Expected);
}

TEST(CaseMapsTest, LowerCaseMapsCyrillicAndUkrainianLetters) {
    EXPECT_EQ(LowerCase1251("ЯНВАРЯ Ёж ЇЄ"_cp), std::string("января ёж їє"_cp));
    EXPECT_EQ(LowerCase1251("12.05,1945 №«»"_cp), std::string("12.05,1945 №«»"_cp));
    EXPECT_EQ(UpperCase1251("ђѓљњќћџўіґєјѕї"_cp), std::string("ЂЃЉЊЌЋЏЎІҐЄЈЅЇ"_cp));
    int mapped = 0;
    for (int b = 0; b < 256; ++b) {
        mapped += LowerMap1251[b] != b;
        EXPECT_EQ(UpperMap1251[LowerMap1251[b]], UpperMap1251[b]) << b;
    }
    EXPECT_EQ(mapped, 26 + 32 + 15);
}

TEST(TrimTest, DropsControlCodesAndSpaces) {
    EXPECT_EQ(Trim(std::string("\t\r\x07 a b \x0b\x00", 10)), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(std::string(Copy("abcdef", 3, 2)), "cd");
    EXPECT_EQ(std::string(Copy("abc", 3, 10)), "c");
    EXPECT_EQ(std::string(Copy("abc", 4, 1)), "");
}

TEST(CharClassesTest, OutsideTheTextIsNoCharacter) {
    EXPECT_EQ(CharAt("ab", 0), kNoChar);
    EXPECT_EQ(CharAt("ab", 3), kNoChar);
    EXPECT_EQ(CharAt("ab", 2), 'b');
    EXPECT_FALSE(IsSpace(kNoChar) || IsDigit(kNoChar) || IsCyrillicLetter(kNoChar));
    EXPECT_TRUE(IsCyrillicLetter(ch::kCapitalYo));
    EXPECT_FALSE(IsCyrillicCapital(ch::kCapitalYo));
    EXPECT_TRUE(IsCyrillicSmall(0xFF));
}

}  // namespace
}  // namespace tabulex::text
