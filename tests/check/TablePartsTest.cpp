#include "check/TableParts.h"

#include "FakeWord.h"
#include "TestText.h"

#include <gtest/gtest.h>

namespace tabulex::check {
namespace {

using fake::FakeRow;
using fake::MakeRow;
using testing::Cp;

FakeRow Header() {
    return MakeRow({"№ п/п", "Заголовок дела", "Крайние даты", "Кол-во листов", "Примечание"});
}
FakeRow Case(const char* number) {
    return MakeRow({number, "Приказы директора", "1950", "12", ""});
}
// The second row of a header whose number cell is merged with row 1's: the dates split in two.
FakeRow DatesSplit(bool merged, bool repeats) {
    FakeRow row = MakeRow({"", "", "начала / окончания", "", ""});
    row.FirstCellMerged = merged;
    row.RepeatsAsHeader = repeats;
    return row;
}
FakeRow Repeating(FakeRow row) {
    row.RepeatsAsHeader = true;
    return row;
}

ColumnLayout Standard() {
    ColumnLayout layout;
    layout.ColumnCount = 5;
    return layout;
}

TEST(CountHeaderRowsTest, RowsThatBelongToTheHeader) {
    struct HeaderCase {
        const char* Name;
        std::vector<FakeRow> Rows;
        int Expected;
    };
    const HeaderCase cases[] = {
        {"one row", {Header(), Case("1")}, 1},
        {"number cell merged down", {Header(), DatesSplit(true, false), Case("1")}, 2},
        {"merged over three rows",
         {Header(), DatesSplit(true, false), DatesSplit(true, false), Case("1")},
         3},
        {"repeated as header like row 1", {Repeating(Header()), DatesSplit(false, true), Case("1")}, 2},
        {"repeated, row 1 not", {Header(), DatesSplit(false, true), Case("1")}, 1},
        {"neither", {Header(), DatesSplit(false, false), Case("1")}, 1},
        {"numbering row stays one",
         {Repeating(Header()), Repeating(MakeRow({"1", "2", "3", "4", "5"})), Case("1")},
         1},
        {"row 1 no header", {Case("1"), DatesSplit(true, true), Case("2")}, 0},
        {"only the rows right after", {Header(), Case("1"), DatesSplit(true, false)}, 1},
    };
    for (const auto& c : cases) {
        fake::FakeTable data;
        data.Rows = c.Rows;
        fake::FakeTableObject table(data);
        EXPECT_EQ(CountHeaderRows(table, Standard(), false), c.Expected) << c.Name;
    }
}

TEST(FindContinuingTableTest, ATableRightAfterThatContinuesTheNumbers) {
    struct NextCase {
        const char* Name;
        std::vector<std::string> Between;  // UTF-8
        std::vector<FakeRow> Next;
        int NextColumns;
        const char* LastNumber;
        bool Continues;
    };
    const NextCase cases[] = {
        {"blank paragraphs, 6 then 7", {"", " ", "\xC2\xA0"}, {Case("7"), Case("8")}, 5, "6", true},
        {"nothing between", {}, {Case("7")}, 5, "6", true},
        {"a header repeated on top", {""}, {Header(), Case("7")}, 5, "6", true},
        {"a literal number", {""}, {Case("6а")}, 5, "6", true},
        {"a gap in the numbers", {""}, {Case("8")}, 5, "6", false},
        {"the same number", {""}, {Case("6")}, 5, "6", false},
        {"text between", {"Опись составил архивист"}, {Case("7")}, 5, "6", false},
        {"other columns", {""}, {Case("7")}, 4, "6", false},
        {"no last number", {""}, {Case("7")}, 5, "", false},
    };
    for (const auto& c : cases) {
        fake::FakeDocument document;
        document.TableList.emplace_back();
        document.TableList.back().Rows = {Header(), Case("5"), Case(c.LastNumber)};
        document.TableList.emplace_back();
        document.TableList.back().Rows = c.Next;
        document.TableList.back().ColumnCount = c.NextColumns;
        for (const std::string& paragraph : c.Between) document.After[1].push_back(Cp(paragraph));
        const auto found = FindContinuingTable(document, 1, Standard(), false, Cp(c.LastNumber));
        EXPECT_EQ(found.has_value(), c.Continues) << c.Name;
        if (found) {
            EXPECT_EQ(found->Table, 2) << c.Name;
            EXPECT_EQ(found->Rows, static_cast<int>(c.Next.size())) << c.Name;
        }
    }
    // The last table has none after it.
    fake::FakeDocument alone;
    alone.TableList.emplace_back();
    alone.TableList.back().Rows = {Header(), Case("1")};
    EXPECT_FALSE(FindContinuingTable(alone, 1, Standard(), false, "1"));
}

TEST(LastCaseNumberTest, TheLastCaseRowUnderHeadingsAndEmptyRows) {
    fake::FakeTable data;
    data.Rows = {Header(), Case("1"), Case("2а"), MakeRow({"Раздел 2"}), MakeRow({"", "", "", "", ""})};
    fake::FakeTableObject table(data);
    EXPECT_EQ(LastCaseNumber(table, Standard(), false), Cp("2а"));
    data.Rows = {Header()};
    EXPECT_EQ(LastCaseNumber(table, Standard(), false), "");
}

}  // namespace
}  // namespace tabulex::check
