// The report document (Tabulex_Report.docx) of a whole check: the header and every problem line
// form a table of six columns whose rows do not break across pages, the summary follows as text;
// LibreOffice opens it and shows the table.

#include "docx/DocxApplication.h"
#include "e2e/E2eTest.h"
#include "ooxml/Package.h"
#include "text/Cp1251.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t from = 0;
    for (std::size_t at; (at = line.find('\t', from)) != std::string::npos; from = at + 1)
        cells.push_back(line.substr(from, at - from));
    cells.push_back(line.substr(from));
    return cells;
}

// The header line and the problem lines of the expected report: everything before its first
// empty line.
std::vector<std::string> ExpectedTableLines(const std::string& reportName) {
    std::vector<std::string> lines;
    for (const auto& line : Lines(ReadFixture(reportName))) {
        if (line.empty()) break;
        lines.push_back(line);
    }
    return lines;
}

class ReportDocumentTest : public E2eTest {};

TEST_F(ReportDocumentTest, ProblemLinesFormATableThatLibreOfficeOpens) {
    const auto inventory = MakeInventory("every-row-kind.plan.txt", "opis.docx");
    const auto result = RunTabulex({"check", inventory.string(), "--report-dir", (root_ / "report").string(),
                                    "--no-certification-check"});
    ASSERT_EQ(result.Status, 1) << result.Err;
    ExpectReport(root_ / "report", "every-row-kind.report.txt");
    const fs::path document = root_ / "report" / "Tabulex_Report.docx";
    ASSERT_TRUE(fs::exists(document)) << result.Out << result.Err;
    const auto tableLines = ExpectedTableLines("every-row-kind.report.txt");

    // Read back through the document host: one table, a row per line, six cells each.
    auto application = word::docx::CreateApplication();
    auto& opened = application->Documents().Open(document.string());
    ASSERT_EQ(opened.Tables()->Count(), 1);
    auto table = opened.Tables()->Item(1);
    EXPECT_EQ(table->Columns()->Count(), 6);
    ASSERT_EQ(table->Rows()->Count(), static_cast<int>(tableLines.size()));
    for (int r = 1; r <= static_cast<int>(tableLines.size()); ++r) {
        EXPECT_EQ(table->Rows()->Item(r)->AllowBreakAcrossPages(), 0) << "row " << r;
        const auto cells = Cells(tableLines[r - 1]);
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(text::Cp1251ToUtf8(table->Cell(r, c)->Range()->Text()), cells[c - 1] + "\r\a")
                << "row " << r << " cell " << c;
    }

    // Set in Arial throughout.
    const std::string xml = ooxml::Package::Load(document.string()).Bytes("word/document.xml");
    int fonts = 0;
    for (std::size_t at = 0; (at = xml.find("w:ascii=\"", at)) != std::string::npos; ++fonts, ++at)
        EXPECT_EQ(xml.compare(at, 15, "w:ascii=\"Arial\""), 0) << xml.substr(at, 40);
    EXPECT_GT(fonts, 0);

    // LibreOffice opens the document; its plain-text export shows every table cell.
    if (std::system("command -v soffice > /dev/null 2>&1") != 0) GTEST_SKIP() << "soffice is not installed";
    const fs::path out = root_ / "lo";
    const std::string command = "timeout 180 soffice -env:UserInstallation=file://" +
                                (root_ / "profile").string() + " --headless --convert-to txt:Text --outdir " +
                                out.string() + " " + document.string() + " > " +
                                (root_ / "soffice.log").string() + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadFile(root_ / "soffice.log");
    // LibreOffice writes UTF-8 with a byte-order mark and every table cell on a line of its own.
    std::string expected = "\xEF\xBB\xBF";
    for (const auto& line : tableLines)
        for (const auto& cell : Cells(line)) expected += cell + "\n";
    const auto reportLines = Lines(ReadFixture("every-row-kind.report.txt"));
    for (std::size_t k = tableLines.size(); k < reportLines.size(); ++k) expected += reportLines[k] + "\n";
    EXPECT_EQ(ReadFile(out / "Tabulex_Report.txt"), expected);
}

}  // namespace
}  // namespace tabulex::e2e
