// The host's edits as the document tools make them, many in a row: row deletions from the last row
// up, numbers removed or turned into text while later numbers are read, lists applied to cells of a
// document without numbering.xml, shapes deleted one after the other. Each result is checked
// against what the document shows when it is read afresh.

#include "docx/DocxApplication.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

namespace tabulex::word::docx::testing {
namespace {

constexpr const char* kNumbering = R"xml(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:numbering xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%1."/></w:lvl></w:abstractNum>
<w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num>
</w:numbering>)xml";

const std::string kNumbered =
    "<w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr></w:pPr></w:p>";

std::string RowText(Table& table, int row) {
    std::string text = table.Rows()->Item(row)->Range()->Text();
    return text.substr(0, text.find('\r'));
}

std::string Shown(Table& table, int row) {
    return table.Cell(row, 1)->Range()->ListFormat()->ListString();
}

// Rows "0" .. "count-1", one cell each; with `numbered`, a second column numbered by a list.
std::string Rows(int count, bool numbered = false) {
    std::string rows;
    for (int k = 0; k < count; ++k) rows += Tr(Tc(numbered ? kNumbered : P(std::to_string(k))) + Tc(P("x")));
    return Tbl(rows);
}

class DocxToolEditsTest : public ::testing::Test {
  protected:
    Document& Open(const std::string& body, std::string numbering = {}) {
        const std::string path =
            WriteDocx(folder_.File("in.docx"), body, ooxml::DefaultStylesXml(), std::move(numbering));
        return application_->Documents().Open(path);
    }
    Document& Reopen(Document& document) {
        const std::string path = folder_.File("out.docx");
        document.SaveAs(path);
        return application_->Documents().Open(path);
    }
    TempFolder folder_;
    std::unique_ptr<Application> application_ = CreateApplication();
};

TEST_F(DocxToolEditsTest, RowsDeletedFromTheBottomUpLeaveTheOthersInPlace) {
    Document& document = Open(Rows(40) + P(""));
    // Every third row, from the last up, each row fetched afresh by its index.
    for (int r = 40; r >= 1; --r) {
        auto table = document.Tables()->Item(1);
        if ((r - 1) % 3 == 0) table->Rows()->Item(r)->Delete();
        // The row just above is still where it was.
        if (r > 1) {
            EXPECT_EQ(RowText(*document.Tables()->Item(1), r - 1), std::to_string(r - 2));
        }
    }
    std::vector<std::string> expected;
    for (int k = 0; k < 40; ++k)
        if (k % 3 != 0) expected.push_back(std::to_string(k));
    for (Document* d : {&document, &Reopen(document)}) {
        auto table = d->Tables()->Item(1);
        ASSERT_EQ(table->Rows()->Count(), static_cast<int>(expected.size()));
        for (int r = 1; r <= table->Rows()->Count(); ++r) EXPECT_EQ(RowText(*table, r), expected[r - 1]);
    }
}

TEST_F(DocxToolEditsTest, RowsDeletedAnywhereKeepTheIndexTrue) {
    Document& document = Open(Rows(10) + P(""));
    // Out of order: a row below an earlier deletion, then one above it, then the last row.
    for (int r : {3, 7, 1, 7}) document.Tables()->Item(1)->Rows()->Item(r)->Delete();
    auto table = document.Tables()->Item(1);
    std::vector<std::string> rows;
    for (int r = 1; r <= table->Rows()->Count(); ++r) rows.push_back(RowText(*table, r));
    EXPECT_EQ(rows, (std::vector<std::string>{"1", "3", "4", "5", "6", "8"}));
}

TEST_F(DocxToolEditsTest, NumbersTurnedIntoTextFromTheBottomKeepTheirValues) {
    Document& document = Open(Rows(6, true) + P(""), kNumbering);
    auto table = document.Tables()->Item(1);
    for (int r = 6; r >= 1; --r) {
        if (r == 3) continue;
        EXPECT_EQ(Shown(*table, r), std::to_string(r) + ".");
        table->Cell(r, 1)->Range()->ListFormat()->ConvertNumbersToText();
    }
    // The one number left is now the first of its list.
    EXPECT_EQ(Shown(*table, 3), "1.");
    auto saved = Reopen(document).Tables()->Item(1);
    for (int r = 1; r <= 6; ++r) {
        const std::string text = saved->Cell(r, 1)->Range()->Text();
        EXPECT_EQ(text, r == 3 ? std::string("\r\a") : std::to_string(r) + ".\r\a") << r;
    }
}

TEST_F(DocxToolEditsTest, NumbersRemovedInTheMiddleRenumberTheRowsBelow) {
    Document& document = Open(Rows(5, true) + P(""), kNumbering);
    auto table = document.Tables()->Item(1);
    EXPECT_EQ(Shown(*table, 5), "5.");
    table->Cell(2, 1)->Range()->ListFormat()->RemoveNumbers();
    EXPECT_EQ(Shown(*table, 1), "1.");
    EXPECT_EQ(Shown(*table, 2), "");
    EXPECT_EQ(Shown(*table, 5), "4.");
    table->Cell(4, 1)->Range()->ListFormat()->RemoveNumbers();
    EXPECT_EQ(Shown(*table, 3), "2.");
    EXPECT_EQ(Shown(*table, 5), "3.");
}

TEST_F(DocxToolEditsTest, AListAppliedToCellsOfADocumentWithoutNumbering) {
    Document& document = Open(Rows(4) + P(""));
    auto table = document.Tables()->Item(1);
    for (int r = 1; r <= 3; ++r) table->Cell(r, 1)->Range()->ListFormat()->ApplyNumberedList(r > 1);
    // A new list starts at 1 again.
    table->Cell(4, 1)->Range()->ListFormat()->ApplyNumberedList(false);
    for (Document* d : {&document, &Reopen(document)}) {
        auto t = d->Tables()->Item(1);
        EXPECT_EQ((std::vector<std::string>{Shown(*t, 1), Shown(*t, 2), Shown(*t, 3), Shown(*t, 4)}),
                  (std::vector<std::string>{"1", "2", "3", "1"}));
    }
}

TEST_F(DocxToolEditsTest, ShapesDeletedOneAfterTheOther) {
    const std::string line = "<w:r><w:pict><v:line style=\"position:absolute;z-index:1\"/></w:pict></w:r>";
    Document& document = Open("<w:p>" + line + "</w:p><w:p>" + line + line + "</w:p>" + Rows(2) + P(""));
    ASSERT_EQ(document.Shapes()->Count(), 3);
    for (int left = 3; left > 0; --left) {
        EXPECT_EQ(document.Shapes()->Count(), left);
        document.Shapes()->Item(1)->Delete();
    }
    EXPECT_EQ(Reopen(document).Shapes()->Count(), 0);
}

}  // namespace
}  // namespace tabulex::word::docx::testing
