// A cell's text replaced through the host and saved: the markup written is that of a cell built
// anew (one paragraph per line with the first paragraph's and the first run's properties, anchors
// kept), whether the host writes into the cell's one text or rebuilds the cell.

#include "docx/DocxApplication.h"
#include "ooxml/Package.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

namespace tabulex::word::docx::testing {
namespace {

struct CellEdit {
    const char* Name;
    std::string Cell;  // the w:tc as written
    std::string Text;  // UTF-8, CR between paragraphs
    std::string Saved;
};

const std::string kProps = "<w:tcPr><w:tcW w:w=\"900\" w:type=\"dxa\"/></w:tcPr>";
const std::string kPPr = "<w:pPr><w:jc w:val=\"center\"/></w:pPr>";
const std::string kRPr = "<w:rPr><w:b/></w:rPr>";

std::string Cell(const std::string& paragraphs) {
    return "<w:tc>" + kProps + paragraphs + "</w:tc>";
}
std::string RunOf(const std::string& t) {
    return "<w:r>" + kRPr + t + "</w:r>";
}
std::string Para(const std::string& runs) {
    return "<w:p>" + kPPr + runs + "</w:p>";
}

const std::vector<CellEdit> kEdits = {
    {"SameLength", Cell(Para(RunOf("<w:t>12</w:t>"))), "13", Cell(Para(RunOf("<w:t>13</w:t>")))},
    {"Longer", Cell(Para(RunOf("<w:t>9</w:t>"))), "1024а", Cell(Para(RunOf("<w:t>1024а</w:t>")))},
    {"Shorter", Cell(Para(RunOf("<w:t>1024а</w:t>"))), "7", Cell(Para(RunOf("<w:t>7</w:t>")))},
    {"EmptyText", Cell(Para(RunOf("<w:t/>"))), "5", Cell(Para(RunOf("<w:t>5</w:t>")))},
    {"NeedsPreserve", Cell(Para(RunOf("<w:t>12</w:t>"))), " 12",
     Cell(Para(RunOf("<w:t xml:space=\"preserve\"> 12</w:t>")))},
    {"DropsPreserve", Cell(Para(RunOf("<w:t xml:space=\"preserve\"> 12</w:t>"))), "12",
     Cell(Para(RunOf("<w:t>12</w:t>")))},
    {"EscapedText", Cell(Para(RunOf("<w:t>a&amp;b</w:t>"))), "<1>",
     Cell(Para(RunOf("<w:t>&lt;1&gt;</w:t>")))},
    {"Cleared", Cell(Para(RunOf("<w:t>12</w:t>"))), "", Cell(Para(""))},
    {"ParagraphAttributesDropped", Cell("<w:p w:rsidR=\"00A1\">" + kPPr + RunOf("<w:t>1</w:t>") + "</w:p>"),
     "2", Cell(Para(RunOf("<w:t>2</w:t>")))},
    {"TwoRunsBecomeOne", Cell(Para(RunOf("<w:t>1</w:t>") + "<w:r><w:t>2</w:t></w:r>")), "3",
     Cell(Para(RunOf("<w:t>3</w:t>")))},
    {"TabAndBreak", Cell(Para(RunOf("<w:t>1</w:t>"))), "1\t2\v3",
     Cell(Para(RunOf("<w:t>1</w:t><w:tab/><w:t>2</w:t><w:br/><w:t>3</w:t>")))},
    {"TwoParagraphs", Cell(Para(RunOf("<w:t>1</w:t>"))), "1\r2",
     Cell(Para(RunOf("<w:t>1</w:t>")) + Para(RunOf("<w:t>2</w:t>")))},
    {"BookmarkKept",
     Cell(Para("<w:bookmarkStart w:id=\"0\" w:name=\"a\"/>" + RunOf("<w:t>1</w:t>") +
               "<w:bookmarkEnd w:id=\"0\"/>")),
     "2",
     Cell(Para("<w:bookmarkStart w:id=\"0\" w:name=\"a\"/>" + RunOf("<w:t>2</w:t>") +
               "<w:bookmarkEnd w:id=\"0\"/>"))},
    {"PropertiesAfterParagraph", "<w:tc>" + Para(RunOf("<w:t>1</w:t>")) + kProps + "</w:tc>", "2",
     Cell(Para(RunOf("<w:t>2</w:t>")))},
};

class CellTextEditTest : public ::testing::TestWithParam<CellEdit> {
  protected:
    TempFolder folder_;
};

TEST_P(CellTextEditTest, SavesTheCellAsBuiltAnew) {
    const CellEdit& edit = GetParam();
    const std::string path = WriteDocx(folder_.File("in.docx"), Tbl(Tr(edit.Cell), 1) + P(""));
    auto app = CreateApplication();
    Document& document = app->Documents().Open(path);
    std::string text = edit.Text;
    for (char& c : text)
        if (c == '\v') c = 0x0B;
    document.Tables()->Item(1)->Cell(1, 1)->Range()->SetText(Cp(text));
    document.SaveAs(folder_.File("out.docx"));

    const std::string saved = ooxml::Package::Load(folder_.File("out.docx")).Bytes("word/document.xml");
    const std::size_t start = saved.find("<w:tc>");
    const std::size_t end = saved.find("</w:tc>");
    ASSERT_NE(start, std::string::npos) << saved;
    EXPECT_EQ(saved.substr(start, end + 7 - start), edit.Saved);
}

// Text directly inside an element that also has children is not WordprocessingML, yet a saved
// story keeps it where it stood.
TEST_F(CellTextEditTest, TextBeforeChildrenSurvivesTheSave) {
    const std::string stray = "<w:p>lost?<w:r><w:t>x</w:t></w:r>tail</w:p>";
    const std::string path =
        WriteDocx(folder_.File("in.docx"), Tbl(Tr(Cell(Para(RunOf("<w:t>1</w:t>")))), 1) + stray);
    auto app = CreateApplication();
    Document& document = app->Documents().Open(path);
    document.Tables()->Item(1)->Cell(1, 1)->Range()->SetText("2");
    document.SaveAs(folder_.File("out.docx"));
    const std::string saved = ooxml::Package::Load(folder_.File("out.docx")).Bytes("word/document.xml");
    EXPECT_NE(saved.find(stray), std::string::npos) << saved;
}

INSTANTIATE_TEST_SUITE_P(Cells, CellTextEditTest, ::testing::ValuesIn(kEdits),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tabulex::word::docx::testing
