// How a check ends when it cannot run to the last row: a document without tables, a report file
// that cannot be written, a stop request (Ctrl+C) before the first row; and the report written
// in UTF-8 on request.

#include "cli/CheckCommand.h"
#include "e2e/E2eTest.h"
#include "e2e/InventoryBuilder.h"
#include "text/Cp1251.h"

#include <atomic>
#include <fstream>
#include <sstream>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

int Occurrences(const std::string& text, const std::string& piece) {
    int count = 0;
    for (std::size_t at = 0; (at = text.find(piece, at)) != std::string::npos; at += piece.size()) ++count;
    return count;
}

class CommandEndsTest : public E2eTest {};

TEST_F(CommandEndsTest, DocumentWithoutTablesLeavesTheOldReportAlone) {
    WriteInventory("@para Опись дел постоянного хранения\n", root_ / "notable.docx");
    fs::create_directories(root_ / "report");
    std::ofstream(root_ / "report" / "Tabulex_Report.txt") << "old report";
    const auto result = Check(root_ / "notable.docx", root_ / "report");
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Err, "notable.docx: Нет таблиц в документе. Проверьте опись.\n");
    EXPECT_EQ(ReadFile(root_ / "report" / "Tabulex_Report.txt"), "old report");
}

TEST_F(CommandEndsTest, ReportThatCannotBeWrittenIsReportedOnce) {
    const auto inventory = MakeInventory("clean.plan.txt", "opis.docx");
    fs::create_directories(root_ / "report" / "Tabulex_Report.txt");  // a folder where the file should be
    const auto result = Check(inventory, root_ / "report");
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(Occurrences(result.Err, "Закройте файл отчёта либо поставьте галочку в настройках."), 1)
        << result.Err;
}

TEST_F(CommandEndsTest, StopBeforeTheFirstRowStoresTheResumePoint) {
    const auto inventory = MakeInventory("clean.plan.txt", "opis.docx");
    cli::CheckCommandOptions options;
    options.Paths = {inventory.string()};
    options.ReportDir = (root_ / "report").string();
    options.ReportDocument = false;
    const std::atomic<bool> stop{true};  // Ctrl+C pressed as the command starts
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCheckCommand(options, out, err, stop), 2);
    EXPECT_EQ(err.str(), "opis.docx: Проверка прервана на строке 1.\n");
    EXPECT_EQ(out.str(), "");
    const std::string settings = ReadFile(root_ / "data" / "Tabulex.ini");
    EXPECT_NE(settings.find("[Break]"), std::string::npos) << settings;
    EXPECT_NE(settings.find("FileName = opis.docx"), std::string::npos) << settings;
    EXPECT_NE(settings.find("i = 1"), std::string::npos) << settings;
    // No summary: the report holds the header line only.
    EXPECT_EQ(ReadFile(root_ / "report" / "Tabulex_Report.txt"),
              ExpectedReportBytes("№\tЗаголовок\tДаты\tКол-во\tПримечание\tОтчет\n"));

    // Resuming at row 1 is checking anew: a new report, complete.
    const auto resumed = Check(inventory, root_ / "report", {"--resume"});
    EXPECT_EQ(resumed.Status, 0) << resumed.Err;
    ExpectReport(root_ / "report", "clean.report.txt");
    EXPECT_EQ(ReadFile(root_ / "data" / "Tabulex.ini").find("[Break]"), std::string::npos);
}

TEST_F(CommandEndsTest, Utf8ReportHoldsTheSameTextWithCrLf) {
    const auto inventory = MakeInventory("every-row-kind.plan.txt", "opis.docx");
    const auto result = Check(inventory, root_ / "report", {"--encoding", "utf-8"});
    EXPECT_EQ(result.Status, 1) << result.Err;
    std::string expected;
    for (char c : ReadFixture("every-row-kind.report.txt")) {
        if (c == '\n') expected += '\r';
        expected += c;
    }
    EXPECT_EQ(ReadFile(root_ / "report" / "Tabulex_Report.txt"), expected);
}

}  // namespace
}  // namespace tabulex::e2e
