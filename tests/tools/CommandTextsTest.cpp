// What each command shows and asks, through the front end: the confirmation, the status texts in
// their order, and what Shift and Cancel change.

#include "tools/ToolCatalog.h"
#include "tools/ToolTestSupport.h"
#include "word/WordModel.h"

#include <gtest/gtest.h>

namespace tabulex::tools {
namespace {

using testing::DocumentOf;
using testing::RecordingHost;
using testing::TableXml;

// A header, a numbering row, an empty row and two cases.
std::string Inventory() {
    return TableXml({"№\tЗаголовок\tДаты", "1\t2\t3", "\t\t", "5\tПриказы\t1950", "6\tСметы\t1951"}, 3) +
           "<w:p/>";
}

struct TextsCase {
    Tool Which;
    std::string Confirmation;  // "caption|text"; empty: never asks
    std::vector<std::string> Statuses;
    std::vector<std::string> Captions;
};

TEST(CommandTextsTest, EachCommandAsksAndReportsInItsOwnWords) {
    const std::vector<TextsCase> cases = {
        {Tool::DeleteEmptyRows,
         "Удалить пустые строки сейчас?|В текущем файле описи будут автоматически удалены лишние пустые "
         "(незаполненные) строки. Для оформления описи пустые строки не нужны.\r\rУдалить пустые строки "
         "сейчас?",
         {"Удаление пустых строк...", "Удалено пустых строк: 1"},
         {}},
        {Tool::DeleteNumberingRows,
         "Удалить строки \"1|2|3|4|5\"?|В текущем файле описи будут автоматически удалены лишние строки вида "
         "\"1|2|3|4|5\". Для оформления описи такие строки не нужны.\r\rУдалить такие строки сейчас?",
         {"Удаление пустых строк...", "Удалено строк нумерации: 1"},
         {}},
        {Tool::NumberCases,
         "Расставить номера дел?|В текущем файле описи будут расставлены номера для всех дел как текст.\r\r"
         "Автонумерация через списки удаляется.\r\rВсе существующие номера дел удаляются.\r\rРасставить "
         "номера "
         "дел сейчас?",
         {"Расстановка номеров дел...", "Расставлено номеров: 2"},
         {}},
        {Tool::AutoNumberCases,
         "Расставить номера дел?|В текущем файле описи будут автоматически расставлены номера для всех дел "
         "через "
         "списки.\r\rАвтонумерация через списки удаляется.\r\rВсе существующие номера дел удаляются.\r\r"
         "Расставить автоматические номера дел сейчас?",
         {"Расстановка номеров дел...", "Расставлено номеров: 2"},
         {}},
        {Tool::TablesToText,
         "Преобразовать таблицы?|В текущем файле все таблицы (1) будут преобразованы в "
         "текст.\r\rПреобразовать "
         "таблицы сейчас?",
         {"Преобразовать таблицы?", "Преобразование таблиц...", "Преобразовано таблиц: 1"},
         {"Таблицы 1 / 1"}},
        {Tool::ListsToText,
         "Преобразовать списки?|В текущем файле списки всех таблиц (1) будут преобразованы в текст.\r\r"
         "Преобразовать списки сейчас?",
         {"Преобразовать списки?", "Преобразование списков...", "Преобразовано таблиц: 1"},
         {"Таблицы 1 / 1"}},
        {Tool::ForbidRowBreaks,
         "",
         {"Таблица. Не разрывать строки...", "Преобразовано таблиц: 1"},
         {"Таблицы 1 / 1"}},
        // No drawing objects: the command asks, then ends without a word.
        {Tool::DeleteGraphics,
         "Удалить графику сейчас?|В текущем файле описи будут автоматически удалены лишняя графика (линии). "
         "Для "
         "оформления графика не нужна.\r\rУдалить графику сейчас?",
         {},
         {}},
        // A table that nothing continues: nothing joined.
        {Tool::JoinTables,
         "Объединить разорванную таблицу?|Таблица описи, которую разорвал лишний абзац, будет объединена с "
         "таблицей, продолжающей её номера дел. Пустые абзацы между ними удаляются.\r\rОбъединить таблицы "
         "сейчас?",
         {"Объединение таблиц...", "Присоединено таблиц: 0"},
         {}},
    };
    for (const TextsCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Which));
        auto document = DocumentOf(Inventory());
        RecordingHost host;
        const ToolOutcome outcome = RunTool(c.Which, *document, host, {});
        EXPECT_EQ(outcome.End, ToolEnd::Completed) << text::Cp1251ToUtf8(outcome.Message);
        EXPECT_EQ(host.Confirmations, c.Confirmation.empty() ? std::vector<std::string>{}
                                                             : std::vector<std::string>{c.Confirmation});
        EXPECT_EQ(host.Statuses, c.Statuses);
        EXPECT_EQ(host.Captions, c.Captions);
        // The hourglass, when shown, is always taken back.
        if (!host.Busy.empty()) {
            EXPECT_FALSE(host.Busy.back());
        }
    }
}

TEST(CommandTextsTest, CancelChangesNothingAndShiftAsksNothing) {
    for (Tool tool :
         {Tool::DeleteEmptyRows, Tool::DeleteNumberingRows, Tool::NumberCases, Tool::AutoNumberCases,
          Tool::TablesToText, Tool::ListsToText, Tool::DeleteGraphics, Tool::JoinTables}) {
        SCOPED_TRACE(static_cast<int>(tool));
        auto document = DocumentOf(Inventory());
        RecordingHost cancelling;
        cancelling.AnswerOk = false;
        EXPECT_EQ(RunTool(tool, *document, cancelling, {}).End, ToolEnd::Cancelled);
        EXPECT_TRUE(document->Saved());
        // Tables to text and lists to text show their question as the status before asking.
        EXPECT_LE(cancelling.Statuses.size(), 1u);

        RecordingHost shifted;
        shifted.AnswerOk = false;
        EXPECT_EQ(RunTool(tool, *document, shifted, {.ShiftHeld = true, .Table = {}}).End,
                  ToolEnd::Completed);
        EXPECT_TRUE(shifted.Confirmations.empty());
    }
}

TEST(CommandTextsTest, ADocumentWithoutTablesReportsNothingDone) {
    for (Tool tool : {Tool::DeleteEmptyRows, Tool::NumberCases, Tool::TablesToText, Tool::ListsToText,
                      Tool::ForbidRowBreaks}) {
        SCOPED_TRACE(static_cast<int>(tool));
        auto document = DocumentOf("<w:p><w:r><w:t>Текст</w:t></w:r></w:p>");
        RecordingHost host;
        const ToolOutcome outcome = RunTool(tool, *document, host, {});
        EXPECT_EQ(outcome.End, ToolEnd::Completed);
        EXPECT_EQ(outcome.Count, 0);
        ASSERT_FALSE(host.Statuses.empty());
        EXPECT_TRUE(host.Statuses.back().ends_with(": 0")) << host.Statuses.back();
    }
    // Tables to text still names the count in its question.
    auto document = DocumentOf("<w:p/>");
    RecordingHost host;
    RunTool(Tool::TablesToText, *document, host, {});
    ASSERT_EQ(host.Confirmations.size(), 1u);
    EXPECT_NE(host.Confirmations[0].find("все таблицы (0)"), std::string::npos);
}

// A table nested in a cell adds its cells' marks to the outer row's text; the outer row still has
// only its own cells, and no command reaches for one it does not have.
TEST(CommandTextsTest, EveryCommandCompletesOnATableNestedInACell) {
    const std::string nested = TableXml({"\ta\tb"}, 3);
    const std::string cell = "<w:tc><w:p><w:r><w:t>1</w:t></w:r></w:p></w:tc>";
    const std::string body =
        "<w:tbl><w:tblGrid><w:gridCol/><w:gridCol/><w:gridCol/></w:tblGrid><w:tr><w:tc><w:p/>" + nested +
        "<w:p/></w:tc>" + cell + "</w:tr><w:tr>" + cell + cell + cell + "</w:tr></w:tbl><w:p/>";
    for (Tool tool : {Tool::DeleteEmptyRows, Tool::DeleteNumberingRows, Tool::NumberCases,
                      Tool::AutoNumberCases, Tool::TablesToText, Tool::ListsToText, Tool::ForbidRowBreaks,
                      Tool::DeleteGraphics, Tool::FormatHeadings, Tool::JoinTables}) {
        SCOPED_TRACE(static_cast<int>(tool));
        auto document = DocumentOf(body);
        RecordingHost host;
        const ToolOutcome outcome = RunTool(tool, *document, host, {.ShiftHeld = true, .Table = {}});
        EXPECT_EQ(outcome.End, ToolEnd::Completed) << (host.Statuses.empty() ? "" : host.Statuses.back());
    }
}

TEST(CommandTextsTest, AFailingCommandReportsTheHostsMessageAndTakesTheHourglassBack) {
    // A row without any cell: numbering cannot reach its first cell.
    auto document = DocumentOf(
        "<w:tbl><w:tblGrid><w:gridCol/></w:tblGrid><w:tr><w:tc><w:p><w:r><w:t>1</w:t></w:r>"
        "</w:p></w:tc></w:tr><w:tr/></w:tbl><w:p/>");
    RecordingHost host;
    const ToolOutcome outcome = RunTool(Tool::NumberCases, *document, host, {.ShiftHeld = true, .Table = {}});
    EXPECT_EQ(outcome.End, ToolEnd::Failed);
    EXPECT_FALSE(outcome.Message.empty());
    EXPECT_EQ(host.Busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(host.Statuses, std::vector<std::string>{"Расстановка номеров дел..."});
}

}  // namespace
}  // namespace tabulex::tools
