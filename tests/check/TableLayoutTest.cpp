#include "check/TableLayout.h"

#include "FakeWord.h"
#include "TestText.h"
#include "check/MainTable.h"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <utility>

namespace tabulex::check {
namespace {

using testing::Cp;
using testing::Utf;

TEST(RowTextTest, CellMarksBecomeTabs) {
    EXPECT_EQ(RowTextFromRange("1\r\a\xd0\xe0\xe7\r\r\a\r\a"), "1\t\xd0\xe0\xe7\r\t\t");
    EXPECT_EQ(RowTextFromRange("a\rb\a"), "a\rb\a");
    // A mark at either end, a paragraph mark alone at the end, marks run together.
    const std::pair<std::string_view, std::string_view> edges[] = {
        {"", ""}, {"\r", "\r"}, {"\r\a", "\t"}, {"x\r", "x\r"}, {"\r\r\a\a", "\r\t\a"}, {"\a\r\a", "\a\t"},
    };
    for (std::size_t k = 0; k < std::size(edges); ++k)
        EXPECT_EQ(RowTextFromRange(edges[k].first), edges[k].second) << "case " << k;
}

TEST(IsNumberingRowTest, Cases) {
    struct Case {
        const char* Text;
        bool Expected;
    } cases[] = {
        {"1\t2\t3\t4\t5\t\t", true}, {"1\t\t3\t\t5\t\t", true}, {" 1 \t 2\t3\t4\t5", true},
        {"1\t2\t10\t\t", false},     {"1\t-1\t3\t\t", false},   {"1\t-2\t3\t\t", true},
        {"\t\t\t\t\t\t", false},     {"1\t2\ta\t\t", false},    {"1\t\t\t\t\t\t", true},
        {"9\t$9\t\t", true},         {"1\t$A\t\t", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsNumberingRow(c.Text), c.Expected) << c.Text;
}

TEST(IsHeadingRowTest, Cases) {
    struct Case {
        std::string_view Text;
        bool Expected;
    } cases[] = {
        {"\tРаздел 1. Документы\t\t\t\t\t", true},  // the only non-empty cell
        {"Раздел 1\t\t\t\t\t\t", true},
        {"A\tПротоколы заседаний\t\t\t\t\t", true},   // Latin capital letter
        {"А\tПротоколы заседаний\t\t\t\t\t", false},  // the Cyrillic А is not one
        {"AB\tПротоколы\t\t\t\t\t", false},
        {"Ф.12\tФонд завода\t\t\t\t\t", true},
        {"Ф. № 12\tФонд завода\t\t\t\t\t", true},
        {"ф12\tФонд\t\t\t\t\t", true},
        {"Ф0\tФонд\t\t\t\t\t", false},
        {"Ф.а\tФонд\t\t\t\t\t", false},
        {"1\tПриказы\t1950\t\t\t\t", false},  // three non-empty cells
        {"1\tПриказы\t\t\t\t\t", false},      // a number and a title: a data row
        {"\t\t\t\t\t\t", true},               // empty rows are told apart before
    };
    for (const Case& c : cases) EXPECT_EQ(IsHeadingRow(Cp(c.Text)), c.Expected) << c.Text;
}

struct SplitCase {
    std::string_view RowText;
    int ColumnCount;
    std::vector<int> Skip;
    bool TwoDates;
    RowCells Expected;
};

TEST(SplitRowTest, Cases) {
    const SplitCase cases[] = {
        {"1\tПриказы\t1950\t12\tПрим.\t\t", 5, {}, false, {"1", "Приказы", "1950", "12", "Прим."}},
        {"1\tПриказы\t1950\t12\t\t\t", 5, {}, false, {"1", "Приказы", "1950", "12", ""}},
        // Extra columns skipped by number; the roles go to the others.
        {"1\tИнд.\tПриказы\t1950\t12\t\t\t", 6, {2}, false, {"1", "Приказы", "1950", "12", ""}},
        {"1\tИнд.\tСт.\tПриказы\t1950\t12\tП\t\t", 7, {2, 3}, false, {"1", "Приказы", "1950", "12", "П"}},
        // Columns past the fifth role are dropped.
        {"1\tT\tD\tQ\tN\tX\t\t", 6, {}, false, {"1", "T", "D", "Q", "N"}},
        // Two date columns make one dates text.
        {"1\tT\t01.01.1950\t31.12.1951\t3\t\t\t", 5, {}, true, {"1", "T", "01.01.1950-31.12.1951", "3", ""}},
        // A cell without a TAB after it is empty, except the notes, which take the rest.
        {"1\tT", 5, {}, false, {"1", "", "", "", "T"}},
        {"1\tT\tD\tQ\tNotes without a tab", 5, {}, false, {"1", "T", "D", "Q", "Notes without a tab"}},
        // Cells are not trimmed.
        {" 1 \t T \t\t\t\t\t", 5, {}, false, {" 1 ", " T ", "", "", ""}},
    };
    for (const SplitCase& c : cases) {
        ColumnLayout layout;
        layout.ColumnCount = c.ColumnCount;
        for (int s : c.Skip) layout.SkipColumns.set(static_cast<std::size_t>(s));
        const RowCells cells =
            SplitRow(Cp(c.RowText), layout, c.TwoDates, [] { return std::string("LIST"); });
        EXPECT_EQ(Utf(cells.Number), c.Expected.Number) << c.RowText;
        EXPECT_EQ(Utf(cells.Title), c.Expected.Title) << c.RowText;
        EXPECT_EQ(Utf(cells.Dates), c.Expected.Dates) << c.RowText;
        EXPECT_EQ(Utf(cells.Quantity), c.Expected.Quantity) << c.RowText;
        EXPECT_EQ(Utf(cells.Notes), c.Expected.Notes) << c.RowText;
    }
}

// The cell a finding's comment goes to is the cell SplitRow took the role from.
TEST(CellOfRoleTest, TheCellSplitRowTakesEachRoleFrom) {
    struct Case {
        int columnCount;
        std::vector<int> skip;
        bool twoDates;
        std::array<int, 6> cells;  // Row, Number, Title, Dates, Quantity, Notes
    };
    const Case cases[] = {
        {5, {}, false, {1, 1, 2, 3, 4, 5}},
        {6, {2}, false, {1, 1, 3, 4, 5, 6}},
        {7, {2, 3}, false, {1, 1, 4, 5, 6, 7}},
        // Two date columns: the start date's cell; the run counts them as one logical column.
        {5, {}, true, {1, 1, 2, 3, 5, 6}},
        {6, {2}, true, {1, 1, 3, 4, 6, 7}},
        // A table too narrow for a role: the first cell.
        {3, {}, false, {1, 1, 2, 3, 1, 1}},
    };
    for (const Case& c : cases) {
        ColumnLayout layout;
        layout.ColumnCount = c.columnCount;
        for (int s : c.skip) layout.SkipColumns.set(static_cast<std::size_t>(s));
        for (int role = 0; role < 6; ++role)
            EXPECT_EQ(CellOfRole(layout, c.twoDates, static_cast<CellRole>(role)),
                      c.cells[static_cast<std::size_t>(role)])
                << "columns " << c.columnCount << ", role " << role
                << (c.twoDates ? ", two date columns" : "");
    }
}

TEST(SplitRowTest, EmptyNumberCellTakesTheListNumber) {
    ColumnLayout layout;
    layout.ColumnCount = 5;
    int reads = 0;
    auto list = [&] {
        ++reads;
        return std::string("12.");
    };
    EXPECT_EQ(SplitRow(" \tT\tD\tQ\t\t\t", layout, false, list).Number, "12.");
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(SplitRow("3\tT\tD\tQ\t\t\t", layout, false, list).Number, "3");
    EXPECT_EQ(reads, 1);
}

TEST(IsHeaderRowTest, Cases) {
    EXPECT_TRUE(
        IsHeaderRow({Cp("№ п/п"), Cp("Заголовок дела"), Cp("Крайние даты"), Cp("Кол-во листов"), ""}));
    EXPECT_TRUE(IsHeaderRow({Cp("№"), "", "", Cp("Листов"), ""}) == false);
    EXPECT_TRUE(IsHeaderRow({Cp("№"), "", "", Cp("Кол-во листов"), ""}));
    EXPECT_FALSE(IsHeaderRow({Cp("N"), Cp("Заголовок"), Cp("Даты"), "", ""}));
    EXPECT_FALSE(IsHeaderRow({Cp("№"), Cp("Название"), Cp("Годы"), "", ""}));
}

TEST(ReportCellTextTest, BreaksBecomePilcrows) {
    EXPECT_EQ(Utf(ReportCellText(Cp("а\rб\vв"))), "а¶б¶в");
    EXPECT_EQ(ReportCellText("plain"), "plain");
}

// A table for the column detection: the given rows (UTF-8 cells) and a column count.
fake::FakeTable TableOf(int columns, std::vector<fake::FakeRow> rows) {
    fake::FakeTable table;
    table.ColumnCount = columns;
    table.Rows = std::move(rows);
    return table;
}

TEST(DetectColumnsTest, AutomaticTakesTheFirstDataLookingRowFromRowThree) {
    using fake::MakeRow;
    struct Case {
        const char* Name;
        fake::FakeTable Table;
        int ExpectedCount;
        std::vector<int> ExpectedSkip;
    } cases[] = {
        {"7 cells skip 2 and 3",
         TableOf(7,
                 {MakeRow({"№", "a", "b", "c", "d", "e", "f"}), MakeRow({"1", "2", "3", "4", "5", "6", "7"}),
                  MakeRow({"1", "x", "y", "T", "1950", "3", ""})}),
         7,
         {2, 3}},
        {"6 cells skip 2",
         TableOf(6, {MakeRow({"№"}), MakeRow({"1"}), MakeRow({"1", "x", "T", "1950", "3", ""})}),
         6,
         {2}},
        {"5 cells skip none",
         TableOf(5, {MakeRow({"№"}), MakeRow({"1"}), MakeRow({"1", "T", "1950", "3", ""})}),
         5,
         {}},
        {"8 cells skip none",
         TableOf(8, {MakeRow({"№"}), MakeRow({"1"}), MakeRow({"1", "a", "b", "c", "T", "1950", "3", ""})}),
         8,
         {}},
        {"heading then numbering: row 5 counts",
         TableOf(7, {MakeRow({"№"}), MakeRow({"1"}), MakeRow({"Раздел 1", "", "", "", "", ""}),
                     MakeRow({"1", "2", "3", "4", "5", "6"}), MakeRow({"1", "x", "T", "1950", "3", ""})}),
         6,
         {2}},
        {"merged cells: fewer cells than columns",
         TableOf(7, {MakeRow({"№"}), MakeRow({"1"}), MakeRow({"1", "T", "1950", "3", ""})}),
         5,
         {}},
        {"no data-looking row: standard",
         TableOf(7, {MakeRow({"№"}), MakeRow({"1"}), MakeRow({"Раздел", "", "", "", "", "", ""})}),
         7,
         {}},
        {"fewer than three rows: standard", TableOf(6, {MakeRow({"№"}), MakeRow({"1"})}), 6, {}},
    };
    CheckOptions options;
    options.Columns = ColumnMode::Auto;
    for (Case& c : cases) {
        fake::FakeTableObject table(c.Table);
        const ColumnSetup setup = DetectColumns(table, options);
        EXPECT_EQ(setup.Layout.ColumnCount, c.ExpectedCount) << c.Name;
        EXPECT_EQ(setup.Layout.SkippedColumns(), c.ExpectedSkip) << c.Name;
        EXPECT_FALSE(setup.SwitchedToAuto) << c.Name;
    }
}

TEST(DetectColumnsTest, SkipModeReadsSingleDigits) {
    struct Case {
        std::string Text;
        std::vector<int> ExpectedSkip;
        bool Switched;
    } cases[] = {{"2, 3", {2, 3}, false}, {"2 3", {2, 3}, false}, {"23", {2, 3}, false},
                 {"10", {1}, false},      {"", {}, true},         {"0, x", {}, true}};
    fake::FakeTable data = TableOf(7, {fake::MakeRow({"1", "2", "3", "4", "5", "6", "7"})});
    for (const Case& c : cases) {
        CheckOptions options;
        options.Columns = ColumnMode::Skip;
        options.SkipColumnsText = c.Text;
        fake::FakeTableObject table(data);
        const ColumnSetup setup = DetectColumns(table, options);
        EXPECT_EQ(setup.Layout.ColumnCount, 7) << c.Text;
        EXPECT_EQ(setup.Layout.SkippedColumns(), c.ExpectedSkip) << c.Text;
        EXPECT_EQ(setup.SwitchedToAuto, c.Switched) << c.Text;
    }
}

TEST(DetectColumnsTest, StandardModeTakesTheGrid) {
    fake::FakeTable data =
        TableOf(7, {fake::MakeRow({"№"}), fake::MakeRow({"1"}), fake::MakeRow({"1", "T"})});
    fake::FakeTableObject table(data);
    CheckOptions options;
    options.Columns = ColumnMode::Standard;
    const ColumnSetup setup = DetectColumns(table, options);
    EXPECT_EQ(setup.Layout.ColumnCount, 7);
    EXPECT_TRUE(setup.Layout.SkipColumns.none());
}

TEST(PickMainTableTest, MostRowsFirstOnTie) {
    struct Case {
        std::vector<int> Rows;
        int Expected;
    } cases[] = {{{40, 40, 12}, 1}, {{12, 40, 40}, 2}, {{3}, 1}, {{0, 0}, 1}, {{}, 0}, {{5, 6, 7}, 3}};
    for (const Case& c : cases) {
        std::vector<fake::FakeTable> tables;
        for (int n : c.Rows) {
            tables.emplace_back();
            tables.back().Rows.resize(static_cast<std::size_t>(n));
        }
        fake::FakeTables list(tables);
        EXPECT_EQ(PickMainTable(list), c.Expected);
    }
}

}  // namespace
}  // namespace tabulex::check
