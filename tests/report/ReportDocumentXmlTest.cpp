// The report document written in one go, read back through the document host: the same tables,
// rows, cells and text as the document the host builds step by step from the same report file,
// and the cells, fonts and table layout a reader expects.

#include "report/ReportDocument.h"
#include "support/TestFolder.h"

#include "docx/DocxApplication.h"
#include "ooxml/Package.h"
#include "text/Cp1251.h"
#include "word/WordModel.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tabulex::report {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::vector<std::string>>;

struct ReaderView {
    int Tables = 0;
    int Columns = 0;
    Rows Cells;               // UTF-8, without the end-of-cell marks
    std::vector<int> Breaks;  // AllowBreakAcrossPages of every row
};

std::string CellText(word::Table& table, int row, int column) {
    std::string text = table.Cell(row, column)->Range()->Text();
    if (text.ends_with("\r\a")) text.resize(text.size() - 2);
    return text::Cp1251ToUtf8(text);
}

ReaderView Read(const fs::path& path) {
    auto application = word::docx::CreateApplication();
    word::Document& document = application->Documents().Open(path.string());
    ReaderView view;
    view.Tables = document.Tables()->Count();
    if (view.Tables == 0) return view;
    auto table = document.Tables()->Item(1);
    view.Columns = table->Columns()->Count();
    for (int r = 1; r <= table->Rows()->Count(); ++r) {
        view.Breaks.push_back(table->Rows()->Item(r)->AllowBreakAcrossPages());
        auto& row = view.Cells.emplace_back();
        for (int c = 1; c <= view.Columns; ++c) row.push_back(CellText(*table, r, c));
    }
    return view;
}

struct Case {
    const char* Name;
    const char* TextUtf8;  // the report file's lines, CR LF ended
    ReportDocumentLayout Layout;
    Rows ExpectedCells;
};

const char* const kSixColumnReport =
    "№\tЗаголовок\tДаты\tКол-во\tПримечание\tОтчет\r\n"
    "1\t<Приказы> & \"копии\"\t1950\t12 л.\t\tКол-во указано неверно \"12 л.\"\r\n"
    "\t  Раздел 1.  \t\t\t\tЗаголовок: Лишний пробел; \r\n"
    "\t\t\t\t\tЛишняя пустая строка\r\n"
    "\r\n"
    "Проверялась таблица №1.\r\n"
    "  Подсказки: 2 & <ещё>  \r\n";

const Case kCases[] = {
    {"six columns fit to contents",
     kSixColumnReport,
     {4, 6, true, true},
     {{"№", "Заголовок", "Даты", "Кол-во", "Примечание", "Отчет"},
      {"1", "<Приказы> & \"копии\"", "1950", "12 л.", "", "Кол-во указано неверно \"12 л.\""},
      {"", "  Раздел 1.  ", "", "", "", "Заголовок: Лишний пробел; "},
      {"", "", "", "", "", "Лишняя пустая строка"}}},
    {"six columns fixed widths",
     kSixColumnReport,
     {2, 6, true, false},
     {{"№", "Заголовок", "Даты", "Кол-во", "Примечание", "Отчет"},
      {"1", "<Приказы> & \"копии\"", "1950", "12 л.", "", "Кол-во указано неверно \"12 л.\""}}},
    {"two date columns: problem lines one field short",
     "№\tЗаголовок\tНач. дата\tКон. дата\tКол-во\tПримечание\tОтчет\r\n"
     "2\tРаспоряжения\t01.01.1950-31.12.1950\t10\t\tДата неверная\r\n"
     "\r\nПроблемы не обнаружены.\r\n",
     {2, 7, true, true},
     {{"№", "Заголовок", "Нач. дата", "Кон. дата", "Кол-во", "Примечание", "Отчет"},
      {"2", "Распоряжения", "01.01.1950-31.12.1950", "10", "", "Дата неверная", ""}}},
    {"more fields than columns stay in the last cell, fewer leave cells empty",
     "a\tb\tc\r\n1\t2\t3\t4\t5\r\nonly\r\n\r\nend\r\n",
     {3, 3, true, false},
     {{"a", "b", "c"}, {"1", "2", "3\t4\t5"}, {"only", "", ""}}},
    {"table longer than the text takes every line",
     "a\tb\r\nc\td\r\n",
     {10, 2, true, true},
     {{"a", "b"}, {"c", "d"}}},
    {"without the table every line is a paragraph", kSixColumnReport, {4, 6, false, true}, {}},
};

class ReportDocumentXmlTest : public ::testing::Test {
  protected:
    void SetUp() override { root_ = tabulex::testing::MakeTestFolder("tabulex_report_xml_"); }
    void TearDown() override { fs::remove_all(root_); }

    fs::path WriteReport(const std::string& folder, const char* textUtf8) {
        fs::create_directories(root_ / folder);
        const fs::path path = root_ / folder / "Tabulex_Report.txt";
        std::ofstream(path, std::ios::binary) << text::Utf8ToCp1251(textUtf8);
        return path;
    }

    fs::path root_;
};

TEST_F(ReportDocumentXmlTest, TheHostReadsTheReportLinesAsAnUnbreakableTable) {
    for (const Case& test : kCases) {
        SCOPED_TRACE(test.Name);
        const fs::path direct =
            WriteReportDocument(WriteReport("direct", test.TextUtf8), Encoding::Cp1251, test.Layout);
        EXPECT_EQ(direct, root_ / "direct" / "Tabulex_Report.docx");
        const ReaderView view = Read(direct);
        EXPECT_EQ(view.Tables, test.Layout.ToTable ? 1 : 0);
        EXPECT_EQ(view.Cells, test.ExpectedCells);
        EXPECT_EQ(view.Breaks, std::vector<int>(test.ExpectedCells.size(), word::kFalse));
        EXPECT_EQ(view.Columns, test.ExpectedCells.empty() ? 0 : test.Layout.TableColumns);
    }
}

TEST_F(ReportDocumentXmlTest, ArialThroughoutAndTheTableLayoutOfTheAutosizeOption) {
    for (bool fit : {true, false}) {
        SCOPED_TRACE(fit ? "fit to contents" : "fixed widths");
        const fs::path path =
            WriteReportDocument(WriteReport("fonts", kSixColumnReport), Encoding::Cp1251, {4, 6, true, fit});
        const auto package = ooxml::Package::Load(path.string());
        const std::string& xml = package.Bytes("word/document.xml");
        const std::string& styles = package.Bytes("word/styles.xml");
        for (const std::string* part : {&xml, &styles})
            for (std::size_t at = part->find("w:ascii="); at != std::string::npos;
                 at = part->find("w:ascii=", at + 1))
                EXPECT_EQ(part->compare(at, 15, "w:ascii=\"Arial\""), 0) << part->substr(at, 40);
        EXPECT_NE(styles.find("<w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Arial\""), std::string::npos);
        EXPECT_NE(xml.find(fit ? "<w:tblLayout w:type=\"autofit\"/>" : "<w:tblLayout w:type=\"fixed\"/>"),
                  std::string::npos);
        const std::string equal =
            "<w:gridCol w:w=\"1606\"/><w:gridCol w:w=\"1606\"/><w:gridCol w:w=\"1606\"/>"
            "<w:gridCol w:w=\"1606\"/><w:gridCol w:w=\"1606\"/><w:gridCol w:w=\"1606\"/></w:tblGrid>";
        EXPECT_EQ(xml.find(equal) != std::string::npos, !fit);
        // The header row repeats on every page; equal columns stay on a portrait page.
        EXPECT_NE(xml.find("<w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>"), std::string::npos);
        EXPECT_EQ(xml.find("<w:tblHeader/>"), xml.rfind("<w:tblHeader/>"));
        if (!fit) {
            EXPECT_NE(xml.find("<w:tblW w:w=\"9636\" w:type=\"dxa\"/>"), std::string::npos);
            EXPECT_EQ(xml.find("w:orient=\"landscape\""), std::string::npos);
        }
        EXPECT_NE(xml.find("<w:t xml:space=\"preserve\">  Раздел 1.  </w:t>"), std::string::npos);
        EXPECT_NE(xml.find("&lt;Приказы&gt; &amp; \"копии\""), std::string::npos);
        // A fitted table is set at 10 points, a fixed one at 12 as the text after it.
        EXPECT_NE(styles.find(fit ? "<w:sz w:val=\"20\"/>" : "<w:sz w:val=\"24\"/>"), std::string::npos);
        EXPECT_NE(xml.find("<w:szCs w:val=\"24\"/></w:rPr><w:t>Проверялась таблица №1.</w:t>"),
                  std::string::npos);
    }
}

// A fitted table of six columns turns landscape when that takes no more pages and its rows wrap
// clearly less; one whose rows fit on a portrait page stays there.
TEST_F(ReportDocumentXmlTest, AFittedTableTurnsLandscapeWhenItsRowsWrapLess) {
    std::string report = "№\tЗаголовок\tДаты\tКол-во\tПримечание\tОтчет\r\n";
    for (int row = 1; row <= 600; ++row)
        report += std::to_string(row) +
                  "\tПротоколы заседаний правления колхоза имени Кирова и документы к ним (справки, "
                  "докладные записки, переписка) за 1941 год\t01.1941-12.1941\t12\t\t"
                  "Дата неверная \"Кон.; \"; Название Лишняя точка в конце\r\n";
    report += "\r\nПроверялась таблица №1.\r\n";
    const std::string shortRows =
        "№\tЗаголовок\tДаты\tКол-во\tПримечание\tОтчет\r\n"
        "1\tПриказы\t1950\t12\t\tКол-во отсутствует\r\n"
        "2\tСметы\t1951\t3\t\tНазвание Лишняя точка в конце\r\n\r\nИтог\r\n";
    struct Case {
        const char* Name;
        const std::string& Text;
        ReportDocumentLayout Layout;
        bool Landscape;
    } cases[] = {
        {"long rows", report, {601, 6, true, true}, true},
        {"a few long rows", report, {3, 6, true, true}, true},
        {"fixed widths stay as they were", report, {601, 6, true, false}, false},
        {"rows that fit a portrait page", shortRows, {3, 6, true, true}, false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.Name);
        const fs::path path =
            WriteReportDocument(WriteReport(test.Name, test.Text.c_str()), Encoding::Cp1251, test.Layout);
        const std::string xml = ooxml::Package::Load(path.string()).Bytes("word/document.xml");
        EXPECT_EQ(xml.find("w:orient=\"landscape\"") != std::string::npos, test.Landscape);
        EXPECT_NE(xml.find(test.Landscape ? "<w:tblW w:w=\"14570\"" : "<w:tblW w:w=\"96"), std::string::npos);
    }
}

TEST_F(ReportDocumentXmlTest, MoreThanSixColumnsGoLandscape) {
    const fs::path path = WriteReportDocument(
        WriteReport("wide", "№\tЗаголовок\tНач. дата\tКон. дата\tКол-во\tПримечание\tОтчет\r\n"),
        Encoding::Cp1251, {1, 7, true, true});
    const std::string xml = ooxml::Package::Load(path.string()).Bytes("word/document.xml");
    EXPECT_NE(xml.find("<w:pgSz w:w=\"16838\" w:h=\"11906\" w:orient=\"landscape\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:tblW w:w=\"14570\" w:type=\"dxa\"/>"), std::string::npos);
}

// The XML made on a helper thread while it is deflated is the XML made on one thread.
TEST_F(ReportDocumentXmlTest, TheDocumentIsTheSameWhenItsXmlIsMadeAhead) {
    std::string longReport = "№\tЗаголовок\tДаты\tКол-во\tПримечание\tОтчет\r\n";
    for (int line = 1; line <= 20000; ++line)
        longReport += std::to_string(line) + "\tПереписка о снабжении\t1950\t12\t\tДата неверная\r\n";
    longReport += "\r\nПроверялась таблица №1.\r\n";
    std::vector<Case> cases(std::begin(kCases), std::end(kCases));
    cases.push_back({"a report of many pieces", longReport.c_str(), {20001, 6, true, true}, {}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const fs::path text = WriteReport("ahead", c.TextUtf8);
        const auto parts = [&](int threads) {
            const ooxml::Package package =
                ooxml::Package::Load(WriteReportDocument(text, Encoding::Cp1251, c.Layout, threads).string());
            return package.Bytes("word/document.xml") + package.Bytes("word/styles.xml");
        };
        const std::string alone = parts(1);
        EXPECT_TRUE(parts(2) == alone);
    }
    const fs::path missing = root_ / "missing" / "Tabulex_Report.txt";
    EXPECT_THROW(WriteReportDocument(missing, Encoding::Cp1251, {}, 2), text::Error);
}

TEST_F(ReportDocumentXmlTest, Utf8ReportAndAMissingReport) {
    const fs::path text = root_ / "utf8" / "Tabulex_Report.txt";
    fs::create_directories(text.parent_path());
    std::ofstream(text, std::ios::binary) << "№\tЗаголовок\r\n1\tДело ✓\r\n";
    const ReaderView view = Read(WriteReportDocument(text, Encoding::Utf8, {2, 2, true, true}));
    EXPECT_EQ(view.Cells, (Rows{{"№", "Заголовок"}, {"1", "Дело ?"}}));  // as the report reads in 1251

    EXPECT_THROW(WriteReportDocument(root_ / "missing" / "Tabulex_Report.txt", Encoding::Cp1251, {}),
                 text::Error);
}

}  // namespace
}  // namespace tabulex::report
