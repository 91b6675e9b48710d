// The heading walk: its progress display from the last row up, the last-file memory, the rows it
// formats, and the pause when a row cannot be read.

#include "check/FakeHost.h"
#include "check/FakeWord.h"
#include "tools/ToolCatalog.h"
#include "tools/ToolTestSupport.h"
#include "tools/Tools.h"

#include <gtest/gtest.h>

namespace tabulex::tools {
namespace {

using testing::RecordingHost;
// The texts of the command as the catalog gives them.
const CommandTexts& kHeadingTexts = FindTool(Tool::FormatHeadings)->Texts;

check::fake::FakeRow Row(std::vector<std::string> cellsUtf8, std::string listNumber = {}) {
    check::fake::FakeRow row;
    for (auto& cell : cellsUtf8) row.Cells.push_back({text::Utf8ToCp1251(cell), {}, false});
    if (!row.Cells.empty()) row.Cells[0].ListString = listNumber;
    row.Bold = word::kFalse;
    row.KeepWithNext = word::kFalse;
    return row;
}

bool Formatted(const check::fake::FakeRow& row) {
    return row.Bold == word::kTrue && row.KeepWithNext == word::kTrue;
}

TEST(HeadingFormattingTest, HeadingsWithoutListNumbersAreMadeBoldAndKeptWithTheNext) {
    check::fake::FakeDocument document;
    document.TableList.emplace_back();
    auto& rows = document.TableList[0].Rows;
    rows = {Row({"№", "Заголовок", "Даты", "Листов", ""}),
            Row({"1", "2", "3", "4", "5"}),
            Row({"Раздел 1"}),
            Row({"Раздел 2"}, "1."),
            Row({"A", "Распоряжения", "", "", ""}),
            Row({"Ф.12", "Фонд", "", "", ""}),
            Row({"1", "Приказы", "1950", "12", ""}),
            Row({"", "", "", "", ""})};
    RecordingHost host;
    check::fake::FakeClock clock;
    const ToolOutcome outcome = FormatHeadings(document, host, {}, kHeadingTexts, clock);
    EXPECT_EQ(outcome.End, ToolEnd::Completed);
    EXPECT_EQ(outcome.Count, 3);
    const std::vector<bool> expected = {false, false, true, false, true, true, false, false};
    for (std::size_t r = 0; r < rows.size(); ++r)
        EXPECT_EQ(Formatted(rows[r]), expected[r]) << "row " << r + 1;
    EXPECT_EQ(host.Statuses,
              (std::vector<std::string>{"Идёт проверка...", "Идёт проверка... Таблица № 1", "Готово."}));
    EXPECT_EQ(host.Store.ReadString("Main", "LastFile", ""), "opis.docx");
    EXPECT_EQ(host.BroughtToFront, 1);
}

TEST(HeadingFormattingTest, ProgressCountsTheRowsDoneFromTheBottom) {
    check::fake::FakeDocument document;
    document.TableList.emplace_back();
    document.TableList[0].Rows.assign(100, Row({"1", "Приказы", "1950", "12", ""}));
    RecordingHost host;
    check::fake::FakeClock clock(5);
    FormatHeadings(document, host, {}, kHeadingTexts, clock);
    ASSERT_GE(host.Captions.size(), 3u);
    EXPECT_EQ(host.Captions[0], "Проверка 0/100 (0%) Осталось: 00:00");
    EXPECT_TRUE(host.Captions[1].starts_with("Проверка 1/100 (1%)")) << host.Captions[1];
    EXPECT_TRUE(host.Captions[2].starts_with("Проверка 2/100 (2%)")) << host.Captions[2];
    EXPECT_EQ(host.Titles[0], "[0%] Табулекс 2.32[05.03.2008]");
    // Every row refreshes: the percentage grows by one each time.
    EXPECT_EQ(host.Captions.size(), 100u);
}

TEST(HeadingFormattingTest, CancelInThePauseLeavesTheRowsAboveUntouched) {
    check::fake::FakeDocument document;
    document.TableList.emplace_back();
    auto& rows = document.TableList[0].Rows;
    rows = {Row({"Раздел 1"}), Row({"Раздел 2"}), Row({"Раздел 3"}), Row({"Раздел 4"})};
    rows[1].FailReads = 1;
    RecordingHost host;
    check::fake::FakeClock clock;
    EXPECT_EQ(FormatHeadings(document, host, {}, kHeadingTexts, clock).End, ToolEnd::Cancelled);
    EXPECT_EQ(host.RowReadQuestions, 1);
    EXPECT_EQ(
        (std::vector<bool>{Formatted(rows[0]), Formatted(rows[1]), Formatted(rows[2]), Formatted(rows[3])}),
        (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(host.Statuses.back(), "Пауза.");

    // OK reads the row again and goes on.
    rows = {Row({"Раздел 1"}), Row({"Раздел 2"})};
    rows[0].FailReads = 1;
    RecordingHost goingOn;
    goingOn.AnswerRowReadAgain = true;
    EXPECT_EQ(FormatHeadings(document, goingOn, {}, kHeadingTexts, clock).Count, 2);
    EXPECT_EQ(goingOn.Statuses.back(), "Готово.");
}

TEST(HeadingFormattingTest, ADocumentWithoutTablesIsNotTouched) {
    check::fake::FakeDocument document;
    RecordingHost host;
    check::fake::FakeClock clock;
    EXPECT_EQ(FormatHeadings(document, host, {}, kHeadingTexts, clock).End, ToolEnd::NoTables);
    EXPECT_EQ(host.Statuses.back(), "Нет таблиц в документе. Проверьте опись.");
    EXPECT_FALSE(host.Busy.back());
}

}  // namespace
}  // namespace tabulex::tools
