#include "rules/WhitespaceRules.h"

#include <gtest/gtest.h>

#include "text/Cp1251.h"

namespace tabulex::rules {
namespace {
using namespace text::literals;

const std::string kNbsp = "\xA0";
const std::string_view kLeading = "Лишний пробел в начале; "_cp;
const std::string_view kDouble = "Двойные пробелы; "_cp;
const std::string_view kNbspAfterSpace = "Неразрывный пробел после обычного; "_cp;
const std::string_view kSpaceAfterNbsp = "Обычный пробел после неразрывного; "_cp;
const std::string_view kAfterLineBreak = "Лишний пробел после разрыва строки; "_cp;
const std::string_view kParagraphStart = "Лишний пробел в начале абзаца; "_cp;
const std::string_view kTrailingLineBreak = "Лишний разрыв строки в конце; "_cp;
const std::string_view kTrailingParagraph = "Лишний абзац в конце; "_cp;

std::string Join(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (auto part : parts) joined.append(part);
    return joined;
}

TEST(CheckWhitespaceTest, EachRuleAndItsNearMiss) {
    struct Case {
        std::string Text;
        std::string Expected;
    };
    const Case cases[] = {
        {"", ""},
        {std::string("Дело"_cp), ""},
        {" ", Join({kLeading})},
        {kNbsp + "1945", Join({kLeading})},
        {"\t1945", ""},  // only a blank or a no-break space counts as leading
        {"   ", Join({kLeading, kDouble})},
        {"a  b", Join({kDouble})},
        {"a b c", ""},
        {"a" + kNbsp + kNbsp + "b", ""},  // two no-break spaces are none of rules 2 to 4
        {"a " + kNbsp + "b", Join({kNbspAfterSpace})},
        {"a" + kNbsp + " b", Join({kSpaceAfterNbsp})},
        {"a \xA0 b", Join({kNbspAfterSpace, kSpaceAfterNbsp})},
        {"a\x0B b", Join({kAfterLineBreak})},
        {"a \x0B"
         "b",
         ""},
        {"a\r b", Join({kParagraphStart})},
        {"a \rb", ""},
        {"a\x0B", Join({kTrailingLineBreak})},
        {"\x0B", Join({kTrailingLineBreak})},
        {"a\r", Join({kTrailingParagraph})},
        {"\r", Join({kTrailingParagraph})},
        {"a\r ", Join({kParagraphStart})},  // ends with a blank, not with the mark
        {"a \r", Join({kTrailingParagraph})},
        {"a\x0B\r", Join({kTrailingParagraph})},
        {"a\r\x0B", Join({kTrailingLineBreak})},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckWhitespace(c.Text), c.Expected) << '"' << c.Text << '"';
}

TEST(CheckWhitespaceTest, AllRulesReportedOnceInRuleOrder) {
    const std::string text = " a  b  c \xA0 \xA0\x0B \x0B \r \r\x0B\r";
    EXPECT_EQ(CheckWhitespace(text), Join({kLeading, kDouble, kNbspAfterSpace, kSpaceAfterNbsp,
                                           kAfterLineBreak, kParagraphStart, kTrailingParagraph}));
}

}  // namespace
}  // namespace tabulex::rules
