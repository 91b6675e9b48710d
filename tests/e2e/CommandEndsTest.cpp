// How a check ends when it cannot run to the last row: a document without tables, a report file
// that cannot be written, a stop request (Ctrl+C) before the first row; and the report written
// in UTF-8 on request.

#include "cli/CheckCommand.h"
#include "e2e/E2eTest.h"
#include "e2e/InventoryBuilder.h"
#include "ooxml/MinimalPackage.h"
#include "text/Cp1251.h"

#include <atomic>
#include <fstream>
#include <sstream>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

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
    EXPECT_EQ(result.Err, "opis.docx: Не удалось записать отчёт " +
                              (root_ / "report" / "Tabulex_Report.txt").string() +
                              ": на месте файла отчёта находится папка\n");
}

// An inventory kept in the report folder under a name the check writes or clears (or a link to
// one) is refused before anything is written, and stays as it was.
TEST_F(CommandEndsTest, AnInventoryUnderANameTheCheckWritesIsRefusedAndKept) {
    const auto source = MakeInventory("clean.plan.txt", "opis.docx");
    const std::string bytes = ReadFile(source);
    const fs::path report = root_ / "report";
    const struct {
        std::string Name;
        bool ThroughLink;
    } cases[] = {{"Tabulex_Report.docx", false},
                 {"Tabulex_Report.txt", false},
                 {".~Tabulex_Report.docx.a1B2c3", false},
                 {".Tabulex_Report.resume", false},
                 {"Tabulex_Report.docx", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        fs::remove_all(report);
        fs::create_directories(report);
        fs::copy_file(source, report / c.Name);
        fs::path checked = report / c.Name;
        if (c.ThroughLink) {
#ifdef _WIN32
            continue;  // symbolic links need a privilege on Windows
#endif
            checked = root_ / "link.docx";
            fs::remove(checked);
            fs::create_symlink(report / c.Name, checked);
        }
        const auto result = Check(checked, report);
        EXPECT_EQ(result.Status, 2);
        EXPECT_EQ(result.Err,
                  checked.filename().string() + ": Файл " + checked.string() +
                      " лежит в папке отчёта под именем, которое занимает сама проверка, и был бы "
                      "заменён или удалён; переименуйте его или укажите другую папку отчёта.\n");
        EXPECT_EQ(ReadFile(report / c.Name), bytes);
    }
}

TEST_F(CommandEndsTest, ReportFolderThatCannotBeMadeIsNamedWithTheReason) {
    const auto inventory = MakeInventory("clean.plan.txt", "opis.docx");
    std::ofstream(root_ / "file") << "a file where the folder should be";
    for (const fs::path& folder : {root_ / "file", root_ / "file" / "reports"}) {
        const auto result = Check(inventory, folder);
        EXPECT_EQ(result.Status, 2);
        EXPECT_EQ(result.Err, "opis.docx: Не удалось создать папку отчёта " + folder.string() +
                                  ": на месте папки находится файл\n");
    }
}

TEST_F(CommandEndsTest, StopBeforeTheStartChecksNothing) {
    const auto inventory = MakeInventory("clean.plan.txt", "opis.docx");
    const auto second = MakeInventory("clean.plan.txt", "opis2.docx");
    cli::CheckCommandOptions options;
    options.Paths = {inventory.string(), second.string()};
    options.ReportDir = (root_ / "report").string();
    options.ReportDocument = false;
    const std::atomic<bool> stop{true};  // Ctrl+C pressed as the command starts
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCheckCommand(options, out, err, stop), 2);
    EXPECT_EQ(err.str(), "Проверка остановлена; не начата проверка описей: 2.\n");
    EXPECT_EQ(out.str(), "Итого: проверено описей: 0, из них с ошибками: 0; не удалось проверить: 2\n");
    EXPECT_FALSE(fs::exists(root_ / "report"));

    const auto checked = Check(inventory, root_ / "report", {"--resume"});
    EXPECT_EQ(checked.Status, 0) << checked.Err;
    ExpectReport(root_ / "report", "clean.report.txt");
}

// Tables nested 40 000 deep in a cell of the main table: that inventory is refused with the limit
// named, the others of the folder are checked as usual.
TEST_F(CommandEndsTest, DeeplyNestedInventoryIsRefusedAndTheBatchGoesOn) {
    fs::create_directories(root_ / "shelf");
    WriteInventory(ReadFixture("clean.plan.txt"), root_ / "shelf" / "good.docx");
    std::string open, close;
    for (int k = 0; k < 40000; ++k) {
        open += "<w:tbl><w:tr><w:tc>";
        close += "</w:tc></w:tr></w:tbl>";
    }
    const std::string nested = open + "<w:p><w:r><w:t>deep</w:t></w:r></w:p>" + close;
    const std::string cell = "<w:tc><w:p><w:r><w:t>1</w:t></w:r></w:p></w:tc>";
    const std::string body =
        "<w:tbl><w:tr>" + cell + cell + "</w:tr><w:tr><w:tc>" + nested + "</w:tc>" + cell + "</w:tr></w:tbl>";
    std::ofstream(root_ / "shelf" / "deep.docx", std::ios::binary)
        << ooxml::BuildDocxBytes({ooxml::WrapBody(body), ooxml::DefaultStylesXml(), {}});

    const auto result =
        RunTabulex({"check", (root_ / "shelf").string(), "--report-dir", (root_ / "report").string(),
                    "--no-report-docx", "--jobs", "1", "--no-certification-check"});
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Err,
              "deep.docx: Документ вложен слишком глубоко: таблицы или другие элементы вложены друг в "
              "друга больше чем на 256 уровней; такой файл не проверяется: " +
                  (root_ / "shelf" / "deep.docx").string() + "\n");
    ExpectReport(root_ / "report" / "good.docx", "clean.report.txt");
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
