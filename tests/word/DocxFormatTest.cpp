// Font.Bold, ParagraphFormat.KeepWithNext, Row.AllowBreakAcrossPages, Shapes and ListString as read.

#include "docx/DocxApplication.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

namespace tabulex::word::docx::testing {
namespace {

constexpr const char* kStyles = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:docDefaults><w:rPrDefault><w:rPr/></w:rPrDefault><w:pPrDefault/></w:docDefaults>
<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style>
<w:style w:type="paragraph" w:styleId="Heading"><w:name w:val="Heading"/><w:basedOn w:val="Normal"/>
<w:pPr><w:keepNext/></w:pPr><w:rPr><w:b/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Item"><w:name w:val="Item"/><w:pPr><w:numPr><w:numId w:val="1"/></w:numPr></w:pPr></w:style>
</w:styles>)";

constexpr const char* kNumbering = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:numbering xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%1."/></w:lvl></w:abstractNum>
<w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num>
</w:numbering>)";

std::string BoldRun(std::string_view text) {
    return "<w:r><w:rPr><w:b/></w:rPr><w:t>" + std::string(text) + "</w:t></w:r>";
}
std::string PlainRun(std::string_view text) {
    return "<w:r><w:t>" + std::string(text) + "</w:t></w:r>";
}
std::string Para(std::string_view content, std::string_view pPr = "") {
    return "<w:p>" + (pPr.empty() ? std::string() : "<w:pPr>" + std::string(pPr) + "</w:pPr>") +
           std::string(content) + "</w:p>";
}

class FormatTest : public ::testing::Test {
  protected:
    Document& Open(const std::string& body) {
        std::string path =
            WriteDocx(folder_.File("f" + std::to_string(count_++) + ".docx"), body, kStyles, kNumbering);
        return app_->Documents().Open(path);
    }
    std::unique_ptr<Row> FirstRow(const std::string& row) {
        return Open(Tbl(row) + P("")).Tables()->Item(1)->Rows()->Item(1);
    }

    TempFolder folder_;
    std::unique_ptr<Application> app_ = CreateApplication();
    int count_ = 0;
};

TEST_F(FormatTest, BoldOfARowOverItsTextRuns) {
    struct Case {
        const char* Name;
        std::string Row;
        int Expected;
    };
    const Case cases[] = {
        {"every run bold", Tr(Tc(Para(BoldRun("Раздел"))) + Tc(Para(BoldRun("1")))), kTrue},
        {"no run bold", Tr(Tc(Para(PlainRun("дело"))) + Tc(Para(PlainRun("1")))), kFalse},
        {"mixed", Tr(Tc(Para(BoldRun("Раздел"))) + Tc(Para(PlainRun("1")))), kUndefined},
        {"empty cells do not count", Tr(Tc(Para(BoldRun("Раздел"))) + Tc(Para(""))), kTrue},
        {"plain paragraph marks of text-less paragraphs do not count",
         Tr(Tc(Para(BoldRun("Раздел"))) + Tc(Para("", "<w:rPr/>"))), kTrue},
        {"bold through the paragraph style",
         Tr(Tc(Para(PlainRun("Раздел"), "<w:pStyle w:val=\"Heading\"/>"))), kTrue},
        {"run turning the style's bold off",
         Tr(Tc(Para("<w:r><w:rPr><w:b w:val=\"0\"/></w:rPr><w:t>а</w:t></w:r>",
                    "<w:pStyle w:val=\"Heading\"/>"))),
         kFalse},
        {"a range without text is judged by its marks",
         Tr(Tc(Para("", "<w:rPr><w:b/></w:rPr>")) + Tc(Para("", "<w:rPr><w:b/></w:rPr>"))), kTrue},
        {"marks of a text-less range can be mixed", Tr(Tc(Para("", "<w:rPr><w:b/></w:rPr>")) + Tc(Para(""))),
         kUndefined},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstRow(c.Row)->Range()->Font()->Bold(), c.Expected) << c.Name;
}

TEST_F(FormatTest, KeepWithNextOverParagraphs) {
    struct Case {
        const char* Name;
        std::string Row;
        int Expected;
    };
    const Case cases[] = {
        {"direct on every paragraph",
         Tr(Tc(Para(PlainRun("а"), "<w:keepNext/>")) + Tc(Para("", "<w:keepNext/>"))), kTrue},
        {"none", Tr(Tc(Para(PlainRun("а"))) + Tc(Para(""))), kFalse},
        {"mixed, empty paragraphs count", Tr(Tc(Para(PlainRun("а"), "<w:keepNext/>")) + Tc(Para(""))),
         kUndefined},
        {"through the style", Tr(Tc(Para(PlainRun("а"), "<w:pStyle w:val=\"Heading\"/>"))), kTrue},
        {"direct off wins over the style",
         Tr(Tc(Para(PlainRun("а"), "<w:pStyle w:val=\"Heading\"/><w:keepNext w:val=\"0\"/>"))), kFalse},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FirstRow(c.Row)->Range()->ParagraphFormat()->KeepWithNext(), c.Expected) << c.Name;
}

TEST_F(FormatTest, AllowBreakAcrossPagesFromCantSplit) {
    struct Case {
        const char* TrPr;
        int Expected;
    };
    const Case cases[] = {{"", kTrue},
                          {"<w:trPr><w:cantSplit/></w:trPr>", kFalse},
                          {"<w:trPr><w:cantSplit w:val=\"1\"/></w:trPr>", kFalse},
                          {"<w:trPr><w:cantSplit w:val=\"0\"/></w:trPr>", kTrue},
                          {"<w:trPr><w:cantSplit w:val=\"false\"/></w:trPr>", kTrue},
                          {"<w:trPr><w:tblHeader/></w:trPr>", kTrue}};
    for (const Case& c : cases) {
        std::string row = "<w:tr>" + std::string(c.TrPr) + Tc(P("а")) + "</w:tr>";
        EXPECT_EQ(FirstRow(row)->AllowBreakAcrossPages(), c.Expected) << c.TrPr;
    }
}

TEST_F(FormatTest, ShapesAreFloatingDrawingsCountedOnce) {
    const std::string anchor = "<w:r><w:drawing><wp:anchor/></w:drawing></w:r>";
    const std::string inlinePicture = "<w:r><w:drawing><wp:inline/></w:drawing></w:r>";
    const std::string line = "<w:r><w:pict><v:line style=\"position:absolute;z-index:1\"/></w:pict></w:r>";
    const std::string inlineVml =
        "<w:r><w:pict><v:shapetype/><v:rect style=\"width:10pt;height:1pt\"/></w:pict></w:r>";
    const std::string alternate =
        "<w:r><mc:AlternateContent><mc:Choice Requires=\"wps\"><w:drawing><wp:anchor/>"
        "</w:drawing></mc:Choice><mc:Fallback><w:pict><v:rect style=\"position:absolute\"/>"
        "</w:pict></mc:Fallback></mc:AlternateContent></w:r>";
    struct Case {
        const char* Name;
        std::string Body;
        int Expected;
    };
    const Case cases[] = {
        {"none", P("текст"), 0},
        {"anchored drawing", Para(anchor), 1},
        {"inline picture", Para(inlinePicture), 0},
        {"absolute VML line", Para(line), 1},
        {"inline VML", Para(inlineVml), 0},
        {"both branches of alternate content", Para(alternate), 1},
        {"three lines, one in a table cell", Para(line + line) + Tbl(Tr(Tc(Para(line)))) + P(""), 3},
    };
    for (const Case& c : cases) EXPECT_EQ(Open(c.Body).Shapes()->Count(), c.Expected) << c.Name;
}

TEST_F(FormatTest, ListStringOfTheFirstNumberedParagraph) {
    const std::string numbered = "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr>";
    std::string rows = Tr(Tc(Para("", numbered)) + Tc(P("первое"))) +
                       Tr(Tc(Para("", numbered)) + Tc(P("второе"))) + Tr(Tc(P("12а")) + Tc(P("литерное"))) +
                       Tr(Tc(Para("", "<w:pStyle w:val=\"Item\"/>")) + Tc(P("через стиль")));
    auto table = Open(Tbl(rows) + P("")).Tables()->Item(1);
    EXPECT_EQ(table->Cell(1, 1)->Range()->ListFormat()->ListString(), "1.");
    EXPECT_EQ(table->Cell(2, 1)->Range()->ListFormat()->ListString(), "2.");
    EXPECT_EQ(table->Cell(3, 1)->Range()->ListFormat()->ListString(), "");
    EXPECT_EQ(table->Cell(4, 1)->Range()->ListFormat()->ListString(), "3.");
    EXPECT_EQ(table->Rows()->Item(2)->Range()->ListFormat()->ListString(), "2.");
}

}  // namespace
}  // namespace tabulex::word::docx::testing
