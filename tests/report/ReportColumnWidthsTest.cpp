// The report table's columns sized from their contents: no word broken inside, narrow columns
// narrow, the long texts sharing the rest of the page.

#include "report/ReportColumnWidths.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace tabulex::report {
namespace {

constexpr int kPortrait = 9638;

int Sum(const std::vector<int>& widths) {
    return std::accumulate(widths.begin(), widths.end(), 0);
}

TEST(ReportColumnWidthsTest, FieldsSplitAsTheTableRowsDo) {
    struct Case {
        std::string line;
        int columns;
        std::vector<std::string_view> fields;
    } cases[] = {
        {"a\tb\tc", 3, {"a", "b", "c"}},
        {"a\tb\tc\td", 3, {"a", "b", "c\td"}},
        {"a", 3, {"a"}},
        {"\t\t", 3, {"", "", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(TableFields(c.line, c.columns), c.fields) << c.line;
}

TEST(ReportColumnWidthsTest, WordsFitAndLongTextsShareTheRest) {
    const std::vector<std::string_view> lines = {
        "№\tЗаголовок\tДаты\tКол-во\tПримечание\tОтчет",
        "1\tПриказы директора по основной деятельности и документы к ним (справки, докладные записки, "
        "переписка)\t12.01.1945-30.12.1945\t120\t\tДата неверная \"Кон.; \"; Заголовок. Нет точки в конце",
        "12345\tЛичные дела уволенных работников\t1952\t\t\tКол-во листов не указано",
    };
    const std::vector<int> widths = FitColumnWidths(lines, 6, kPortrait);
    ASSERT_EQ(widths.size(), 6u);
    EXPECT_EQ(Sum(widths), kPortrait);
    // The longest word of every column fits whole ("Примечание", and "12.01.1945-": a line may
    // break after a hyphen, as in word processors).
    EXPECT_GE(widths[2], 11 * 120);
    EXPECT_GE(widths[4], 10 * 130);
    // Number, dates and sheets stay narrow; the title and the report take the most.
    for (int narrow : {0, 2, 3, 4})
        for (int wide : {1, 5}) EXPECT_LT(widths[narrow], widths[wide]) << narrow << " " << wide;
}

TEST(ReportColumnWidthsTest, TheWholeWidthIsAlwaysShared) {
    const std::string longWord(200, 'x');
    struct Case {
        const char* name;
        std::vector<std::string_view> lines;
        int columns;
    } cases[] = {
        {"short texts", {"a\tb\tc"}, 3},
        {"no text at all", {""}, 4},
        {"a word wider than the page", {std::string_view(longWord), "a\tb"}, 2},
    };
    for (const Case& c : cases) {
        const std::vector<int> widths = FitColumnWidths(c.lines, c.columns, kPortrait);
        EXPECT_EQ(widths.size(), static_cast<std::size_t>(c.columns)) << c.name;
        EXPECT_EQ(Sum(widths), kPortrait) << c.name;
        for (int width : widths) EXPECT_GT(width, 0) << c.name;
    }
}

}  // namespace
}  // namespace tabulex::report
