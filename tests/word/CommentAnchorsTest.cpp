// The comment marks spliced into the main story: where they land for the shapes of cells Word
// and other writers produce, and that nothing else of the XML changes.

#include "docx/CommentAnchors.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <string>

namespace tabulex::word::docx {
namespace {

const std::string kOpen =
    R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>)";
const std::string kClose = R"(</w:body></w:document>)";

std::string Row(const std::string& cells) {
    return "<w:tr>" + cells + "</w:tr>";
}

// The text of the paragraph a comment range starts in and, in a table, its cell's place in the row
// (the cells' texts tell the rows apart).
std::string Where(const std::string& xml, int id) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(xml.c_str())) << xml;
    const std::string query = "//w:commentRangeStart[@w:id='" + std::to_string(id) + "']";
    pugi::xml_node start = doc.select_node(query.c_str()).node();
    if (!start) return "none";
    const std::string end = "//w:commentRangeEnd[@w:id='" + std::to_string(id) + "']";
    const std::string ref = "//w:commentReference[@w:id='" + std::to_string(id) + "']";
    if (!doc.select_node(end.c_str()) || !doc.select_node(ref.c_str())) return "no end";
    pugi::xml_node p = start.parent();
    std::string where = p.child("w:r").child("w:t").text().get();
    pugi::xml_node cell = p.parent();
    while (cell && std::string(cell.name()) != "w:tc" && std::string(cell.name()) != "w:body")
        cell = cell.parent();
    if (std::string(cell.name()) == "w:tc") {
        int c = 1;
        for (pugi::xml_node s = cell.previous_sibling("w:tc"); s; s = s.previous_sibling("w:tc")) ++c;
        where += "@" + std::to_string(c);
    }
    return where;
}

std::string Cell(const std::string& text) {
    return "<w:tc><w:p><w:pPr><w:jc w:val=\"left\"/></w:pPr><w:r><w:t>" + text + "</w:t></w:r></w:p></w:tc>";
}

TEST(CommentAnchorsTest, MarksLandInTheTargetedCellOfTheTargetedTable) {
    const std::string first = "<w:tbl>" + Row(Cell("x1") + Cell("x2")) + "</w:tbl>";
    const std::string main = "<w:tbl>" + Row(Cell("a1") + Cell("a2") + Cell("a3")) +
                             Row(Cell("b1") + "<w:tc><w:p/></w:tc>" + "<w:tc><w:tcPr/></w:tc>") +
                             // A row inside a content control, a cell holding a nested table.
                             "<w:sdt><w:sdtContent>" +
                             Row(Cell("c1") + "<w:tc><w:tbl>" + Row(Cell("n1")) +
                                 "</w:tbl><w:p><w:r><w:t>c2</w:t></w:r></w:p></w:tc>") +
                             "</w:sdtContent></w:sdt></w:tbl>";
    const std::string after = "<w:p/><w:p><w:r><w:t>В данную опись</w:t></w:r></w:p>";
    const std::string xml = kOpen + first + "<w:p/>" + main + after + kClose;

    CommentSet set;
    set.Table = 2;
    set.Cells = {{1, 3, {"a"}}, {2, 2, {"b"}}, {2, 3, {"c"}}, {3, 2, {"d"}}, {1, 9, {"e"}}, {7, 1, {"f"}}};
    set.Paragraphs = {{2, {"g"}}};
    const AnchoredStory story = AnchorComments(xml, set, 10);
    EXPECT_EQ(Where(story.Xml, 10), "a3@3");
    EXPECT_EQ(Where(story.Xml, 11), "@2") << "an empty <w:p/> is opened to hold the marks";
    EXPECT_EQ(Where(story.Xml, 12), "@2") << "a cell without a paragraph gives way to the one before";
    EXPECT_EQ(Where(story.Xml, 13), "c2@2") << "the nested table's paragraph is not the cell's own";
    EXPECT_EQ(Where(story.Xml, 14), "a3@3") << "a cell past the row's last";
    EXPECT_EQ(Where(story.Xml, 15), "none") << "a row the table does not have";
    EXPECT_EQ(Where(story.Xml, 16), "В данную опись");
    EXPECT_EQ(story.Placed, (std::vector<bool>{true, true, true, true, true, false, true}));

    // Taking the marks out again gives the original bytes, except the opened <w:p/>.
    std::string stripped = story.Xml;
    for (const char* tag :
         {"<w:commentRangeStart w:id=\"", "<w:commentRangeEnd w:id=\"", "<w:r><w:commentReference w:id=\""}) {
        for (std::size_t at; (at = stripped.find(tag)) != std::string::npos;) {
            std::size_t end = stripped.find("/>", at) + 2;
            if (stripped.compare(end, 6, "</w:r>") == 0) end += 6;
            stripped.erase(at, end - at);
        }
    }
    std::string expected = xml;
    expected.replace(expected.find("<w:tc><w:p/></w:tc>"), 19, "<w:tc><w:p></w:p></w:tc>");
    EXPECT_EQ(stripped, expected);
}

TEST(CommentAnchorsTest, RootNamespaceDeclarationsAreThoseOfTheRoot) {
    EXPECT_EQ(
        RootNamespaceDeclarations(
            "<?xml version=\"1.0\"?><ns0:document xmlns:ns0=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><ns0:body/></ns0:document>"),
        " xmlns:ns0=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"");
}

}  // namespace
}  // namespace tabulex::word::docx
