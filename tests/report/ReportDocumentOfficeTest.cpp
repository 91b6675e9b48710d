// The report document as an office suite reads it: LibreOffice, when installed, converts it to HTML
// and finds the table of the header and problem lines.

#include "report/ReportDocument.h"
#include "support/TestFolder.h"

#include "docx/DocxApplication.h"
#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tabulex::report {
namespace {

namespace fs = std::filesystem;

// The rows of the first table in LibreOffice's HTML export of the document, or -1 when the export
// failed; `html` receives the export.
int ExportedTableRows(const fs::path& folder, const fs::path& document, std::string& html) {
    const std::string command = "cd '" + folder.string() +
                                "' && timeout 180 soffice -env:UserInstallation=file://" + folder.string() +
                                "/profile --headless --convert-to html '" + document.string() +
                                "' > /dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return -1;
    std::ifstream in(folder / (document.stem().string() + ".html"), std::ios::binary);
    html.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    int rows = 0;
    for (std::size_t at = html.find("<tr"); at != std::string::npos; at = html.find("<tr", at + 1)) ++rows;
    return rows;
}

TEST(ReportDocumentOfficeTest, LibreOfficeReadsTheDirectDocumentWithFixedColumns) {
    if (std::system("command -v soffice > /dev/null 2>&1") != 0) GTEST_SKIP() << "soffice is not installed";
    const fs::path folder = tabulex::testing::MakeTestFolder("tabulex_report_office_direct_");
    const fs::path text = folder / "Tabulex_Report.txt";
    std::ofstream(text, std::ios::binary) << text::Utf8ToCp1251(
        "№\tЗаголовок\tНач. дата\tКон. дата\tКол-во\tПримечание\tОтчет\r\n"
        "1\t<Приказы> & копии\t1950\t12 л.\t\tКол-во указано неверно \"12 л.\"\r\n"
        "\r\nПроверялась таблица №1.\r\n");
    ReportDocumentLayout layout;
    layout.TableLines = 2;
    layout.TableColumns = 7;
    layout.FitToContents = false;
    std::string html;
    EXPECT_EQ(ExportedTableRows(folder, WriteReportDocument(text, Encoding::Cp1251, layout), html), 2);
    EXPECT_NE(html.find("&lt;Приказы&gt; &amp; копии"), std::string::npos);
    EXPECT_NE(html.find("таблица №1."), std::string::npos);  // the summary below the table
    EXPECT_NE(html.find("Arial"), std::string::npos);
    fs::remove_all(folder);
}

TEST(ReportDocumentOfficeTest, LibreOfficeReadsTheTable) {
    if (std::system("command -v soffice > /dev/null 2>&1") != 0) GTEST_SKIP() << "soffice is not installed";
    const fs::path folder = tabulex::testing::MakeTestFolder("tabulex_report_office_");
    const fs::path text = folder / "Tabulex_Report.txt";
    std::ofstream(text, std::ios::binary) << text::Utf8ToCp1251(
        "№\tЗаголовок\tДаты\tКол-во\tПримечание\tОтчет\r\n"
        "1\tПриказы\t1950\t12 л.\t\tКол-во указано неверно \"12 л.\"\r\n"
        "\t\t\t\t\tЛишняя пустая строка\r\n\r\nПроверялась таблица №1.\r\n");
    ReportDocumentLayout layout;
    layout.TableLines = 3;
    layout.TableColumns = 6;
    const fs::path document = WriteReportDocument(text, Encoding::Cp1251, layout);

    const std::string command = "cd '" + folder.string() +
                                "' && timeout 180 soffice -env:UserInstallation=file://" + folder.string() +
                                "/profile --headless --convert-to html '" + document.string() +
                                "' > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(folder / "Tabulex_Report.html", std::ios::binary);
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int rows = 0;
    for (std::size_t at = html.find("<tr"); at != std::string::npos; at = html.find("<tr", at + 1)) ++rows;
    EXPECT_NE(html.find("<table"), std::string::npos);
    EXPECT_EQ(rows, 3);
    EXPECT_NE(html.find("Arial"), std::string::npos);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tabulex::report
