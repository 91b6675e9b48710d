#include "rules/RomanNumerals.h"

#include "text/Cp1251.h"

#include <gtest/gtest.h>

namespace tabulex::rules {
namespace {

// Х U+0425, У U+0423, Ш U+0428, П U+041F are Cyrillic; X, Y, V, I are Latin.
TEST(RomanNumeralsTest, FindsLookAlikePairsInTableOrder) {
    struct Case {
        std::string_view Text, Pairs;  // UTF-8
    };
    const Case cases[] = {
        {"", ""},
        {"XIX век", ""},
        {"Документы за 1945 год", ""},
        {"\u0425I\u0425 век", "\u0425I; I\u0425; "},
        {"ТЕ\u0425\u0425АР", "\u0425\u0425; "},
        {"\u0425\u0423\u0428 \u0425\u041F", "\u0425\u0423; \u0425\u041F; \u0423\u0428; "},
        {"\u0425X\u0425Y\u0425V", "\u0425X; \u0425Y; \u0425V; X\u0425; Y\u0425; "},
        {"V\u0425 \u0423I \u0423X\u0423", "V\u0425; \u0423I; \u0423X; X\u0423; "},
        {"X\u0428 X\u041F \u0423\u041F", "\u0423\u041F; X\u0428; X\u041F; "},
        {"\u0425\u0425\u0425\u0425", "\u0425\u0425; "},  // each pair at most once
        {"хi Хi хI", ""},                                // smalls and case-mismatched pairs
    };
    for (const Case& c : cases)
        EXPECT_EQ(text::Cp1251ToUtf8(FindMixedRomanPairs(text::Utf8ToCp1251(c.Text))), c.Pairs) << c.Text;
}

}  // namespace
}  // namespace tabulex::rules
