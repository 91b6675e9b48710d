#include "docx/NumberFormat.h"

#include "text/Cp1251.h"

#include <gtest/gtest.h>

namespace tabulex::word::docx {
namespace {

struct FormatCase {
    int Number;
    const char* Format;
    const char* Expected;  // UTF-8
};

TEST(ListNumberFormatTest, WritesNumbersAsWordDoes) {
    const FormatCase cases[] = {
        {7, "decimal", "7"},
        {7, "decimalZero", "07"},
        {12, "decimalZero", "12"},
        {1, "lowerLetter", "a"},
        {26, "lowerLetter", "z"},
        {27, "lowerLetter", "aa"},
        {28, "lowerLetter", "bb"},
        {53, "upperLetter", "AAA"},
        {4, "lowerRoman", "iv"},
        {1994, "upperRoman", "MCMXCIV"},
        {3999, "upperRoman", "MMMCMXCIX"},
        // Russian list letters skip ё, й, ъ, ы, ь: и is followed by к, щ by э.
        {9, "russianLower", "и"},
        {10, "russianLower", "к"},
        {25, "russianLower", "щ"},
        {26, "russianLower", "э"},
        {28, "russianLower", "я"},
        {29, "russianLower", "аа"},
        {30, "russianUpper", "ББ"},
        {6, "russianUpper", "Е"},
        {7, "russianUpper", "Ж"},
        {0, "upperRoman", "0"},
        {0, "lowerLetter", "0"},
        {-3, "decimal", "-3"},
        {5, "bullet", ""},
        {5, "none", ""},
        {5, "ordinal", "5"},
        {5, "", "5"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(std::string(c.Format) + " " + std::to_string(c.Number));
        EXPECT_EQ(text::Cp1251ToUtf8(FormatListNumber(c.Number, ParseNumberFormat(c.Format))), c.Expected);
    }
}

TEST(ListNumberFormatTest, HugeLetterNumbersAreBounded) {
    EXPECT_LE(FormatListNumber(1000000, NumberFormat::LowerLetter).size(), 64u);
}

}  // namespace
}  // namespace tabulex::word::docx
