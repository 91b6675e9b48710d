// A table made text: each row a paragraph, its cells' texts joined by tab runs, in the order of the
// rows, whatever wraps the cells and however the parser kept them. The elements of the table are
// reused for the paragraphs and tabs, so what they held of their own (attributes, properties, text
// the parser kept in them) must not show through.

#include "docx/TableConvert.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace tabulex::word::docx {
namespace {

std::string TextRun(const char* text) {
    return std::string("<w:r><w:t>") + text + "</w:t></w:r>";
}

std::string Para(const std::string& content) {
    return "<w:p>" + content + "</w:p>";
}

const std::string kTab = "<w:r><w:tab/></w:r>";

std::string Converted(const std::string& tableXml, unsigned options) {
    pugi::xml_document document;
    const std::string xml =
        "<w:body><w:p><w:r><w:t>before</w:t></w:r></w:p>" + tableXml + "<w:sectPr/></w:body>";
    EXPECT_TRUE(document.load_string(xml.c_str(), options)) << tableXml;
    pugi::xml_node body = document.child("w:body");
    ConvertTableToText(body.child("w:tbl"));
    std::ostringstream out;
    for (pugi::xml_node child : body.children()) child.print(out, "", pugi::format_raw);
    return out.str();
}

TEST(TableConvertTest, EachRowBecomesAParagraphOfItsCellsJoinedByTabs) {
    struct ConvertCase {
        const char* Name;
        std::string Table;
        std::string Paragraphs;  // after the paragraph before the table
    };
    const std::string before = "<w:p><w:r><w:t>before</w:t></w:r></w:p>";
    const ConvertCase cases[] = {
        {"rows in order, attributes and cell properties dropped",
         "<w:tbl><w:tblPr/><w:tr w:rsidR=\"1\"><w:trPr><w:cantSplit/></w:trPr>"
         "<w:tc><w:tcPr><w:tcW w:w=\"1\"/></w:tcPr>" +
             Para(TextRun("1")) +
             "</w:tc>"
             "<w:tc><w:tcPr><w:tcW w:w=\"2\"/></w:tcPr>" +
             Para(TextRun("a")) +
             "</w:tc></w:tr>"
             "<w:tr><w:tc>" +
             Para(TextRun("2")) + "</w:tc><w:tc>" + Para(TextRun("b")) + "</w:tc></w:tr></w:tbl>",
         Para(TextRun("1") + kTab + TextRun("a")) + Para(TextRun("2") + kTab + TextRun("b"))},
        {"the first cell's paragraph properties go with the row, the others' do not",
         "<w:tbl><w:tr><w:tc><w:p w:rsidR=\"7\"><w:pPr><w:jc w:val=\"center\"/></w:pPr>" + TextRun("1") +
             "</w:p></w:tc><w:tc><w:p><w:pPr><w:jc w:val=\"right\"/></w:pPr>" + TextRun("a") +
             "</w:p></w:tc></w:tr></w:tbl>",
         "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr>" + TextRun("1") + kTab + TextRun("a") + "</w:p>"},
        {"empty cells still give their tabs",
         "<w:tbl><w:tr><w:tc><w:p/></w:tc><w:tc><w:p/></w:tc><w:tc><w:p/></w:tc></w:tr></w:tbl>",
         Para(kTab + kTab)},
        {"a cell of two paragraphs breaks the row",
         "<w:tbl><w:tr><w:tc>" + Para(TextRun("1")) + "</w:tc><w:tc>" + Para(TextRun("a")) +
             "<w:p><w:pPr><w:jc w:val=\"right\"/></w:pPr>" + TextRun("b") + "</w:p></w:tc><w:tc>" +
             Para(TextRun("c")) + "</w:tc></w:tr><w:tr><w:tc>" + Para(TextRun("2")) +
             "</w:tc></w:tr></w:tbl>",
         Para(TextRun("1") + kTab + TextRun("a")) + "<w:p><w:pPr><w:jc w:val=\"right\"/></w:pPr>" +
             TextRun("b") + kTab + TextRun("c") + "</w:p>" + Para(TextRun("2"))},
        {"a merge's continuation gives a tab and no text",
         "<w:tbl><w:tr><w:tc>" + Para(TextRun("1")) + "</w:tc><w:tc><w:tcPr><w:vMerge/></w:tcPr>" +
             Para(TextRun("x")) + "</w:tc><w:tc>" + Para(TextRun("c")) + "</w:tc></w:tr></w:tbl>",
         Para(TextRun("1") + kTab + kTab + TextRun("c"))},
        {"cells and rows in content controls",
         "<w:tbl><w:sdt><w:sdtContent><w:tr><w:tc>" + Para(TextRun("1")) +
             "</w:tc><w:sdt><w:sdtPr/><w:sdtContent><w:tc>" + Para(TextRun("a")) +
             "</w:tc></w:sdtContent></w:sdt></w:tr></w:sdtContent></w:sdt></w:tbl>",
         Para(TextRun("1") + kTab + TextRun("a"))},
        {"a bookmark between cells stays in its place",
         "<w:tbl><w:tr><w:tc>" + Para(TextRun("1")) +
             "</w:tc><w:bookmarkStart w:id=\"0\" w:name=\"m\"/><w:tc>" + Para(TextRun("a")) +
             "</w:tc></w:tr></w:tbl>",
         Para(TextRun("1") + "<w:bookmarkStart w:id=\"0\" w:name=\"m\"/>" + kTab + TextRun("a"))},
        {"a nested table becomes paragraphs of its cell",
         "<w:tbl><w:tr><w:tc>" + Para(TextRun("1")) + "</w:tc><w:tc><w:tbl><w:tr><w:tc>" +
             Para(TextRun("x")) + "</w:tc><w:tc>" + Para(TextRun("y")) + "</w:tc></w:tr></w:tbl>" + Para("") +
             "</w:tc></w:tr></w:tbl>",
         Para(TextRun("1") + kTab + TextRun("x") + kTab + TextRun("y")) + "<w:p/>"},
    };
    // With and without the row and cell texts kept in the elements themselves, and whitespace
    // between the elements, as a document written with indentation has it.
    const unsigned parsings[] = {pugi::parse_default, pugi::parse_default | pugi::parse_embed_pcdata,
                                 pugi::parse_default | pugi::parse_ws_pcdata};
    for (const ConvertCase& c : cases) {
        for (unsigned options : parsings) {
            std::string expected = before + c.Paragraphs + "<w:sectPr/>";
            EXPECT_EQ(Converted(c.Table, options), expected) << c.Name << ", parse options " << options;
        }
    }
}

}  // namespace
}  // namespace tabulex::word::docx
