// The date commands on an inventory: which cells of the dates column they rewrite, what they ask
// and show, and that Cancel leaves the document as it was.

#include "tools/ToolCatalog.h"
#include "tools/ToolTestSupport.h"
#include "word/WordModel.h"

#include <gtest/gtest.h>

namespace tabulex::tools {
namespace {

using testing::DocumentOf;
using testing::RecordingHost;
using testing::TableXml;

// A header, a numbering row, a heading and four cases; the heading's text looks like a range.
std::string Inventory() {
    return TableXml({"№\tЗаголовок\tДаты\tЛистов", "1\t2\t3\t4", "1990 - 1995", "1\tПриказы\t1990 - 1995\t3",
                     "2\tСметы\t12 мая 1990 г.\t4", "3\tАкты\t31.02.1997 - 1998\t5", "4\tОтчёты\t1950\t6"},
                    4) +
           "<w:p/>";
}

std::vector<std::string> DatesColumn(word::Document& document, int column = 3) {
    auto table = document.Tables()->Item(1);
    std::vector<std::string> dates;
    for (int r = 4; r <= table->Rows()->Count(); ++r) {
        std::string text = text::Cp1251ToUtf8(table->Cell(r, column)->Range()->Text());
        if (text.ends_with("\r\a")) text.resize(text.size() - 2);
        dates.push_back(text);
    }
    return dates;
}

TEST(DateCommandsTest, EachCommandRewritesTheDatesItReads) {
    struct Case {
        Tool Which;
        std::vector<std::string> Dates;
    } cases[] = {
        {Tool::DatesJoinRanges, {"1990-1995", "12 мая 1990 г.", "31.02.1997 - 1998", "1950"}},
        {Tool::DatesMonthNumbers, {"1990 - 1995", "12.05.1990 г.", "31.02.1997 - 1998", "1950"}},
        {Tool::DatesDropYearMark, {"1990 - 1995", "12 мая 1990", "31.02.1997 - 1998", "1950"}},
        {Tool::DatesAddYearMark, {"1990 г. - 1995 г.", "12 мая 1990 г.", "31.02.1997 - 1998", "1950 г."}},
        {Tool::DatesAddZero, {"1990 - 1995", "12 мая 1990 г.", "31.02.1997 - 1998", "1950"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Which));
        auto document = DocumentOf(Inventory());
        RecordingHost host;
        const ToolOutcome outcome = RunTool(c.Which, *document, host, {});
        EXPECT_EQ(outcome.End, ToolEnd::Completed);
        EXPECT_EQ(DatesColumn(*document), c.Dates);
        // The heading row and the header are never touched.
        EXPECT_EQ(text::Cp1251ToUtf8(document->Tables()->Item(1)->Rows()->Item(3)->Range()->Text()),
                  "1990 - 1995\r\a\r\a");
        EXPECT_EQ(static_cast<int>(outcome.DateChanges.size()), outcome.Count);
    }
}

TEST(DateCommandsTest, AsksWithTheCountShowsProgressAndResult) {
    auto document = DocumentOf(Inventory());
    RecordingHost host;
    const ToolOutcome outcome = RunTool(Tool::DatesAddYearMark, *document, host, {});
    EXPECT_EQ(outcome.Count, 2);
    EXPECT_EQ(
        host.Confirmations,
        std::vector<std::string>{"Изменить даты?|В столбце дат основной таблицы будет изменено дат: 2.\r\r"
                                 "Даты, которые команда не может прочитать, останутся как есть.\r\r"
                                 "Изменить даты сейчас?"});
    EXPECT_EQ(host.Statuses, (std::vector<std::string>{"Даты. Строка 1 / 7", "Изменено дат: 2"}));
    EXPECT_EQ(host.Captions, (std::vector<std::string>{"Даты. Строка 4 / 7", "Даты. Строка 7 / 7"}));
    ASSERT_EQ(outcome.DateChanges.size(), 2u);
    EXPECT_EQ(outcome.DateChanges[0].Row, 4);
    EXPECT_EQ(text::Cp1251ToUtf8(outcome.DateChanges[0].Before), "1990 - 1995");
    EXPECT_EQ(text::Cp1251ToUtf8(outcome.DateChanges[0].After), "1990 г. - 1995 г.");
    EXPECT_FALSE(host.Busy.back());
}

TEST(DateCommandsTest, CancelChangesNothingAndNothingToChangeAsksNothing) {
    auto document = DocumentOf(Inventory());
    RecordingHost cancelling;
    cancelling.AnswerOk = false;
    EXPECT_EQ(RunTool(Tool::DatesJoinRanges, *document, cancelling, {}).End, ToolEnd::Cancelled);
    EXPECT_TRUE(document->Saved());

    RecordingHost host;
    const ToolOutcome outcome = RunTool(Tool::DatesFullYear, *document, host, {});
    EXPECT_EQ(outcome.End, ToolEnd::Completed);
    EXPECT_TRUE(host.Confirmations.empty());
    EXPECT_EQ(host.Statuses.back(), "Изменено дат: 0");
    EXPECT_TRUE(document->Saved());
}

TEST(DateCommandsTest, BothDateColumnsAreRewritten) {
    auto document =
        DocumentOf(TableXml({"№\tЗаголовок\tНач.\tКон.\tЛистов", "1\tПриказы\t1.05.1990\t3.06.1990\t3",
                             "2\tСметы\t01.01.1991\t1991\t4", "3\tАкты\t5.1.1992\t1992\t5"},
                            5) +
                   "<w:p/>");
    RecordingHost host;
    ToolOptions options{.ShiftHeld = true};
    options.Table.TwoDateColumns = true;
    options.Table.Columns = check::ColumnMode::Standard;
    const ToolOutcome outcome = RunTool(Tool::DatesAddZero, *document, host, options);
    EXPECT_EQ(outcome.Count, 3);
    auto table = document->Tables()->Item(1);
    EXPECT_EQ(text::Cp1251ToUtf8(table->Rows()->Item(2)->Range()->Text()),
              "1\r\aПриказы\r\a01.05.1990\r\a03.06.1990\r\a3\r\a\r\a");
    EXPECT_EQ(text::Cp1251ToUtf8(table->Rows()->Item(4)->Range()->Text()),
              "3\r\aАкты\r\a05.1.1992\r\a1992\r\a5\r\a\r\a");
}

}  // namespace
}  // namespace tabulex::tools
