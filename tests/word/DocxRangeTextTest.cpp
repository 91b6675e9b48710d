// Range.Text of rows and cells, Tables, Rows and Columns as the host reads them from document.xml.

#include "docx/DocxApplication.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

namespace tabulex::word::docx::testing {
namespace {

std::string R(std::string_view runContent) {
    return "<w:r>" + std::string(runContent) + "</w:r>";
}
std::string T(std::string_view text) {
    return "<w:t xml:space=\"preserve\">" + std::string(text) + "</w:t>";
}
std::string Field(std::string_view instruction, std::string_view result) {
    return R("<w:fldChar w:fldCharType=\"begin\"/>") +
           R("<w:instrText>" + std::string(instruction) + "</w:instrText>") +
           R("<w:fldChar w:fldCharType=\"separate\"/>") + R(T(result)) +
           R("<w:fldChar w:fldCharType=\"end\"/>");
}

struct RowCase {
    const char* Name;
    std::string Row;       // one w:tr
    const char* Expected;  // Show() of the row's Range.Text
};

class RowTextTest : public ::testing::Test {
  protected:
    std::string RowText(const std::string& row, int columns = 2) {
        std::string path = WriteDocx(folder_.File("row.docx"), Tbl(row, columns) + P(""));
        auto app = CreateApplication();
        return app->Documents().Open(path).Tables()->Item(1)->Rows()->Item(1)->Range()->Text();
    }
    TempFolder folder_;
};

TEST_F(RowTextTest, RowTextsAsWordGivesThem) {
    const RowCase cases[] = {
        {"two cells", Tr(Tc(P("а")) + Tc(P("б"))), "а|б||"},
        {"empty cell", Tr(Tc(P("")) + Tc(P("б"))), "|б||"},
        {"cell without paragraph", Tr(Tc("") + Tc(P("б"))), "|б||"},
        {"paragraphs in a cell", Tr(Tc(P("а") + P("б")) + Tc(P("в"))), "а¶б|в||"},
        {"tab and breaks",
         Tr(Tc("<w:p>" + R(T("а") + "<w:tab/>" + T("б") + "<w:br/>" + T("в") + "<w:cr/>" + T("г")) +
               "</w:p>")),
         "а→б↵в↵г||"},
        {"page and column breaks",
         Tr(Tc("<w:p>" + R("<w:br w:type=\"page\"/><w:br w:type=\"column\"/>") + "</w:p>")), "\\x0C\\x0E||"},
        {"hyphens and symbol",
         Tr(Tc("<w:p>" +
               R(T("а") + "<w:noBreakHyphen/>" + T("б") +
                 "<w:softHyphen/><w:sym w:font=\"Symbol\" w:char=\"F0B7\"/>") +
               "</w:p>")),
         "а\\x1Eб\\x1F(||"},
        {"hyperlink, smart tag and content control",
         Tr(Tc("<w:p><w:hyperlink r:id=\"rId9\">" + R(T("ссылка")) +
               "</w:hyperlink><w:smartTag w:element=\"x\">" + R(T(" тег")) +
               "</w:smartTag><w:sdt><w:sdtContent>" + R(T(" поле")) + "</w:sdtContent></w:sdt></w:p>")),
         "ссылка тег поле||"},
        {"complex field shows its result", Tr(Tc("<w:p>" + R(T("стр. ")) + Field(" PAGE ", "7") + "</w:p>")),
         "стр. 7||"},
        {"nested field in the instruction is hidden",
         Tr(Tc("<w:p>" + R("<w:fldChar w:fldCharType=\"begin\"/>") + R("<w:instrText>IF </w:instrText>") +
               Field("PAGE", "1") + R("<w:fldChar w:fldCharType=\"separate\"/>") + R(T("итог")) +
               R("<w:fldChar w:fldCharType=\"end\"/>") + "</w:p>")),
         "итог||"},
        {"simple field",
         Tr(Tc("<w:p><w:fldSimple w:instr=\"NUMPAGES\">" + R(T("12")) + "</w:fldSimple></w:p>")), "12||"},
        {"tracked changes",
         Tr(Tc("<w:p>" + R(T("было ")) + "<w:ins w:id=\"1\" w:author=\"a\">" + R(T("новое")) + "</w:ins>" +
               "<w:del w:id=\"2\" w:author=\"a\">" + R("<w:delText>старое</w:delText>") + "</w:del>" +
               "<w:moveFrom w:id=\"3\" w:author=\"a\">" + R(T("ушло")) + "</w:moveFrom></w:p>")),
         "было новое||"},
        {"alternate content taken once",
         Tr(Tc("<w:p><mc:AlternateContent><mc:Choice Requires=\"wps\">" + R(T("выбор")) +
               "</mc:Choice><mc:Fallback>" + R(T("запас")) + "</mc:Fallback></mc:AlternateContent></w:p>")),
         "выбор||"},
        {"inline picture is one object character",
         Tr(Tc("<w:p>" + R("<w:drawing><wp:inline/></w:drawing>") + R(T("подпись")) + "</w:p>")),
         "\\x01подпись||"},
        {"horizontal span is one cell",
         Tr("<w:tc><w:tcPr><w:gridSpan w:val=\"2\"/></w:tcPr>" + P("Раздел 1") + "</w:tc>"), "Раздел 1||"},
        {"vertical merge continuation is an empty cell",
         Tr("<w:tc><w:tcPr><w:vMerge/></w:tcPr>" + P("скрыто") + "</w:tc>" + Tc(P("б"))), "|б||"},
        {"vertical merge start shows its text",
         Tr("<w:tc><w:tcPr><w:vMerge w:val=\"restart\"/></w:tcPr>" + P("начало") + "</w:tc>" + Tc(P("б"))),
         "начало|б||"},
        {"row-level and cell-level content controls",
         Tr("<w:sdt><w:sdtContent>" + Tc(P("а")) + "</w:sdtContent></w:sdt>" +
            Tc("<w:sdt><w:sdtContent>" + P("б") + "</w:sdtContent></w:sdt>")),
         "а|б||"},
        {"nested table inside a cell", Tr(Tc(P("а") + Tbl(Tr(Tc(P("x")) + Tc(P("y")))) + P("")) + Tc(P("б"))),
         "а¶x|y|||б||"},
        {"nested table followed by text", Tr(Tc(Tbl(Tr(Tc(P("x")))) + P("после"))), "x||после||"},
        {"Cyrillic and punctuation in 1251", Tr(Tc(P("№ 5 — «дело»")) + Tc(P("1950–1951"))),
         "№ 5 — «дело»|1950–1951||"},
    };
    for (const RowCase& c : cases) EXPECT_EQ(Show(RowText(c.Row)), c.Expected) << c.Name;
}

TEST_F(RowTextTest, CellTextEndsWithTheEndOfCellMark) {
    std::string row = Tr(Tc(P("а") + P("б")) + Tc(P("")) + Tc(Tbl(Tr(Tc(P("x")))) + P("")));
    std::string path = WriteDocx(folder_.File("cells.docx"), Tbl(row, 3) + P(""));
    auto app = CreateApplication();
    auto table = app->Documents().Open(path).Tables()->Item(1);
    EXPECT_EQ(Show(table->Cell(1, 1)->Range()->Text()), "а¶б|");
    EXPECT_EQ(Show(table->Cell(1, 2)->Range()->Text()), "|");
    EXPECT_EQ(Show(table->Cell(1, 3)->Range()->Text()), "x|||");
    EXPECT_EQ(table->Rows()->Item(1)->CellCount(), 3);  // the nested table's cell not among them
    EXPECT_THROW(table->Cell(1, 4), text::Error);
    EXPECT_THROW(table->Cell(2, 1), text::Error);
    EXPECT_THROW(table->Cell(0, 1), text::Error);
}

TEST_F(RowTextTest, TablesRowsAndColumnsOfTheMainStory) {
    std::string nested = Tbl(Tr(Tc(P("вложенная"))), 1);
    std::string body =
        P("Опись") + Tbl(Tr(Tc(P("1")) + Tc(nested + P(""))) + Tr(Tc(P("2")) + Tc(P("б"))), 3) +
        "<w:sdt><w:sdtPr/><w:sdtContent>" +
        Tbl("<w:sdt><w:sdtContent>" + Tr(Tc(P("в"))) + "</w:sdtContent></w:sdt>" +
                "<w:customXml w:element=\"r\">" + Tr(Tc(P("г"))) + "</w:customXml>" + Tr(Tc(P("д"))),
            1) +
        "</w:sdtContent></w:sdt>" + P("");
    std::string path = WriteDocx(folder_.File("tables.docx"), body);
    auto app = CreateApplication();
    auto tables = app->Documents().Open(path).Tables();
    ASSERT_EQ(tables->Count(), 2);  // the nested table is reached only through its cell
    EXPECT_EQ(tables->Item(1)->Rows()->Count(), 2);
    EXPECT_EQ(tables->Item(1)->Columns()->Count(), 3);
    EXPECT_EQ(tables->Item(2)->Rows()->Count(), 3);
    EXPECT_EQ(Show(tables->Item(2)->Rows()->Item(2)->Range()->Text()), "г||");
    EXPECT_THROW(tables->Item(3), text::Error);
    EXPECT_THROW(tables->Item(1)->Rows()->Item(3), text::Error);
}

TEST_F(RowTextTest, TextBeforeTableIsThePrefaceWithItsOwnTables) {
    std::string body = P("ОПИСЬ № 1") + "<w:p>" + R(T("дел") + "<w:br/>" + T("постоянного хранения")) +
                       "</w:p>" + Tbl(Tr(Tc(P("а")) + Tc(P("б")))) + P("Предисловие") + Tbl(Tr(Tc(P("1")))) +
                       P("");
    std::string path = WriteDocx(folder_.File("preface.docx"), body);
    auto app = CreateApplication();
    Document& document = app->Documents().Open(path);
    EXPECT_EQ(Show(document.TextBeforeTable(1)), "ОПИСЬ № 1¶дел↵постоянного хранения¶");
    // A table's row ends like a paragraph, so that a preface shows each row on a line of its own.
    EXPECT_EQ(Show(document.TextBeforeTable(2)), "ОПИСЬ № 1¶дел↵постоянного хранения¶а|б|¶Предисловие¶");
    EXPECT_THROW(document.TextBeforeTable(3), text::Error);
}

}  // namespace
}  // namespace tabulex::word::docx::testing
