// The check run on real .docx inventories through the document host: the same hand-worked reports
// as on the fake word processor, and the report document written beside the report.

#include "check/CheckRun.h"
#include "support/TestFolder.h"

#include "FakeHost.h"
#include "FakeWord.h"
#include "docx/DocxApplication.h"
#include "ooxml/MinimalPackage.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tabulex::check {
namespace {

namespace fs = std::filesystem;
using tabulex::testing::ReadBytes;

std::string ExpectedReport(const std::string& name) {
    std::string crlf;
    for (char c : ReadBytes(fs::path(TABULEX_FIXTURES) / "reports" / name)) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return text::Utf8ToCp1251(crlf);
}

// Table XML, written the way a word processor saves an inventory.
struct CellXml {
    std::string Text;
    int NumId = 0;  // list numbering of the cell's paragraph
};

struct RowXml {
    std::vector<CellXml> Cells;
    bool Bold = false;
    bool KeepNext = false;
    bool CantSplit = true;
    int Span = 1;  // a heading spans the table
};

std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text)
        out += c == '<' ? std::string("&lt;") : c == '&' ? std::string("&amp;") : std::string(1, c);
    return out;
}

std::string TableXml(const std::vector<RowXml>& rows, int columns) {
    std::string xml = "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/></w:tblPr><w:tblGrid>";
    for (int c = 0; c < columns; ++c) xml += "<w:gridCol w:w=\"1800\"/>";
    xml += "</w:tblGrid>";
    for (const RowXml& row : rows) {
        xml += "<w:tr>";
        if (row.CantSplit) xml += "<w:trPr><w:cantSplit/></w:trPr>";
        for (const CellXml& cell : row.Cells) {
            xml += "<w:tc>";
            if (row.Span > 1)
                xml += "<w:tcPr><w:gridSpan w:val=\"" + std::to_string(row.Span) + "\"/></w:tcPr>";
            xml += "<w:p><w:pPr>";
            if (row.KeepNext) xml += "<w:keepNext/>";
            if (cell.NumId)
                xml += "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"" + std::to_string(cell.NumId) +
                       "\"/></w:numPr>";
            xml += "</w:pPr>";
            if (!cell.Text.empty()) {
                xml += "<w:r>";
                if (row.Bold) xml += "<w:rPr><w:b/></w:rPr>";
                xml += "<w:t xml:space=\"preserve\">" + Escape(cell.Text) + "</w:t></w:r>";
            }
            xml += "</w:p></w:tc>";
        }
        xml += "</w:tr>";
    }
    return xml + "</w:tbl><w:p/>";
}

RowXml Row(std::initializer_list<std::string> cells) {
    RowXml row;
    for (const std::string& c : cells) row.Cells.push_back({c});
    return row;
}

RowXml HeadingXml(std::string text, bool bold = true) {
    RowXml row;
    row.Cells.push_back({std::move(text)});
    row.Bold = bold;
    row.KeepNext = true;
    row.Span = 5;
    return row;
}

// Two lists whose first numbers are 5 and 7.
constexpr const char* kNumbering =
    "<w:numbering xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
    "<w:abstractNum w:abstractNumId=\"0\"><w:lvl w:ilvl=\"0\"><w:start w:val=\"5\"/><w:numFmt "
    "w:val=\"decimal\"/>"
    "<w:lvlText w:val=\"%1.\"/></w:lvl></w:abstractNum>"
    "<w:abstractNum w:abstractNumId=\"1\"><w:lvl w:ilvl=\"0\"><w:start w:val=\"7\"/><w:numFmt "
    "w:val=\"decimal\"/>"
    "<w:lvlText w:val=\"%1.\"/></w:lvl></w:abstractNum>"
    "<w:num w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num><w:num w:numId=\"2\"><w:abstractNumId "
    "w:val=\"1\"/></w:num>"
    "</w:numbering>";

class DocxCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = tabulex::testing::MakeTestFolder("tabulex_docx_check_");
        options_.ReportFolder = folder_;
        // The hand-worked reports leave out the reconciliation of the certification line, which
        // has tests of its own.
        options_.CertificationCheck = false;
    }
    void TearDown() override { fs::remove_all(folder_); }

    word::Document& Open(const std::string& bodyXml, const std::string& numbering = {}) {
        const fs::path path = folder_ / "opis.docx";
        std::ofstream(path, std::ios::binary)
            << ooxml::BuildDocxBytes({ooxml::WrapBody(bodyXml), ooxml::DefaultStylesXml(), numbering});
        return application_->Documents().Open(path.string());
    }

    fs::path folder_;
    CheckOptions options_;
    fake::FakeHost host_;
    fake::FakeClock clock_{1};
    std::unique_ptr<word::Application> application_ = word::docx::CreateApplication();
};

TEST_F(DocxCheckTest, CleanInventoryAndItsReportDocument) {
    const std::string small = TableXml({Row({"№", "Заголовок"}), Row({"1", "Опись"})}, 2);
    const std::string main =
        TableXml({Row({"1", "Приказы директора по основной деятельности", "1950", "25", ""}),
                  Row({"2", "Распоряжения директора", "1951", "10", ""}),
                  HeadingXml("Раздел 2. Документы по личному составу"),
                  Row({"3", "Личные дела уволенных работников", "1952", "120", ""})},
                 5);
    Open(small + main);
    CheckRun run(host_, options_, clock_);
    const CheckOutcome outcome = run.Run(*application_);
    ASSERT_EQ(outcome.End, CheckEnd::Completed) << outcome.Message;
    EXPECT_EQ(ReadBytes(folder_ / "Tabulex_Report.txt"), ExpectedReport("clean.txt"));

    const fs::path document = OpenReportInWord(application_->Documents(), outcome, options_);
    EXPECT_EQ(document, folder_ / "Tabulex_Report.docx");
    word::Document& report = application_->Documents().Open(document.string());
    auto tables = report.Tables();
    ASSERT_EQ(tables->Count(), 1);
    EXPECT_EQ(tables->Item(1)->Rows()->Count(), 1);  // the header line only
    EXPECT_EQ(tables->Item(1)->Rows()->Item(1)->AllowBreakAcrossPages(), word::kFalse);
}

TEST_F(DocxCheckTest, EveryRowKind) {
    RowXml numbered5 = Row({"", "Книга учёта личного состава", "1950-1955", "48", ""});
    numbered5.Cells[0].NumId = 1;
    RowXml numbered7 = Row({"", "Протоколы заседаний профкома", "", "", ""});
    numbered7.Cells[0].NumId = 2;
    RowXml breakable1 = Row({"1", "Приказы директора по основной деятельности", "1950-1951", "25", ""});
    breakable1.CantSplit = false;
    const std::string body = TableXml(
        {Row({"№ п/п", "Заголовок дела", "Крайние даты", "Кол-во листов", "Примечание"}),
         Row({"1", "2", "3", "4", "5"}), HeadingXml("Раздел 1. Организационно-распорядительные документы"),
         breakable1, Row({"2.", "Распоряжения директора", "1951", "10", ""}), Row({"", "", "", "", ""}),
         Row({"1", "2", "3", "4", "5"}), HeadingXml("Раздел 2. Документы по личному составу", false),
         Row({"4", "Личные дела уволенных работников", "1952–1953", "120", ""}), numbered5,
         Row({"6", "Переписка", "", "", ""}), numbered7},
        5);
    word::Document& document = Open(body, kNumbering);
    fake::FakeOptions wordOptions;
    wordOptions.ReplaceQuotes = false;
    CheckRun run(host_, options_, clock_);
    const CheckOutcome outcome = run.Run(document, &wordOptions);
    ASSERT_EQ(outcome.End, CheckEnd::Completed) << outcome.Message;
    EXPECT_EQ(ReadBytes(folder_ / "Tabulex_Report.txt"), ExpectedReport("every_row_kind.txt"));

    const fs::path reportDocument = OpenReportInWord(application_->Documents(), outcome, options_);
    word::Document& report = application_->Documents().Open(reportDocument.string());
    ASSERT_EQ(report.Tables()->Count(), 1);
    EXPECT_EQ(report.Tables()->Item(1)->Rows()->Count(), outcome.ReportTableLines);
}

}  // namespace
}  // namespace tabulex::check
