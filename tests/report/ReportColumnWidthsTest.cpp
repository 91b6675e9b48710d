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
    for (int narrow : {0, 2, 3})
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

// Many rows whose titles are long and whose reports are short: what the report of a real inventory
// looks like.
std::vector<std::string> InventoryLikeLines(int rows) {
    std::vector<std::string> lines = {"№\tЗаголовок\tДаты\tКол-во\tПримечание\tОтчет"};
    for (int r = 1; r <= rows; ++r)
        lines.push_back(std::to_string(r) +
                        "\tПротоколы заседаний правления колхоза имени Кирова и документы к ним "
                        "(справки, докладные записки, переписка) за 1941 год\t01.1941-12.1941\t" +
                        std::to_string(r % 300) + "\t\t" +
                        (r % 10 == 0 ? "Дата неверная \"Кон.; \"; Название Лишняя точка в конце"
                                     : "Название Лишняя точка в конце"));
    return lines;
}

TEST(ReportColumnWidthsTest, TheRestGoesWhereItSavesMostLines) {
    const std::vector<std::string> text = InventoryLikeLines(300);
    const std::vector<std::string_view> lines(text.begin(), text.end());
    const TableMeasure measure(lines, 6, 20);
    const std::vector<int> widths = measure.FitWidths(kPortrait);
    EXPECT_EQ(Sum(widths), kPortrait);
    // The title makes the rows tall: it gets more than the report, whose texts are short.
    EXPECT_GT(widths[1], widths[5] + 1000);
    // Equal columns, or moving width between the title and the report either way, give a higher
    // table.
    const long long height = measure.HeightTwips(widths);
    EXPECT_LT(height, measure.HeightTwips(std::vector<int>(6, kPortrait / 6)));
    for (int shift : {-400, 400}) {
        std::vector<int> moved = widths;
        moved[1] += shift;
        moved[5] -= shift;
        EXPECT_GE(measure.HeightTwips(moved), height) << shift;
    }
}

TEST(ReportColumnWidthsTest, HeightGrowsWithTheRowsAndShrinksWithTheWidth) {
    const std::vector<std::string> few = InventoryLikeLines(100), many = InventoryLikeLines(5000);
    const TableMeasure small(std::vector<std::string_view>(few.begin(), few.end()), 6, 20);
    const TableMeasure large(std::vector<std::string_view>(many.begin(), many.end()), 6, 20);
    const std::vector<int> portrait = small.FitWidths(kPortrait), landscape = small.FitWidths(14570);
    EXPECT_GT(small.HeightTwips(portrait), small.HeightTwips(landscape));
    // Rows measured from a sample of a long table still count every row.
    const double ratio = static_cast<double>(large.HeightTwips(portrait)) / small.HeightTwips(portrait);
    EXPECT_NEAR(ratio, 5001.0 / 101, 5);
    // A title of 16 words at 10 points takes two or three lines in the widest share of a portrait
    // page, and a row of short cells one line.
    const TableMeasure one(std::vector<std::string_view>{"1\tДело"}, 2, 20);
    EXPECT_EQ(one.HeightTwips({1000, 8638}), 200 * 115 / 100 + 20);
}

}  // namespace
}  // namespace tabulex::report
