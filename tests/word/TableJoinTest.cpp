#include "docx/TableJoin.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace tabulex::word::docx {
namespace {

std::string Table(const char* firstCell) {
    return std::string("<w:tbl><w:tblPr/><w:tblGrid><w:gridCol/></w:tblGrid><w:tr><w:tc><w:p><w:r><w:t>") +
           firstCell + "</w:t></w:r></w:p></w:tc></w:tr></w:tbl>";
}

TEST(TableJoinTest, OnlyBlankParagraphsMayGo) {
    struct JoinCase {
        const char* Name;
        std::string Between;
        bool Joined;
    };
    const JoinCase cases[] = {
        {"nothing", "", true},
        {"empty paragraphs", "<w:p/><w:p><w:pPr><w:jc w:val=\"left\"/></w:pPr></w:p>", true},
        {"a no-break space", "<w:p><w:r><w:t>\xC2\xA0 </w:t></w:r></w:p>", true},
        {"text", "<w:p><w:r><w:t>Опись</w:t></w:r></w:p>", false},
        {"a section break", "<w:p><w:pPr><w:sectPr/></w:pPr></w:p>", false},
        {"a bookmark", "<w:p><w:bookmarkStart w:id=\"1\" w:name=\"x\"/><w:bookmarkEnd w:id=\"1\"/></w:p>",
         false},
        {"a comment mark", "<w:p><w:commentRangeStart w:id=\"1\"/></w:p>", false},
        {"a drawing", "<w:p><w:r><w:drawing/></w:r></w:p>", false},
    };
    for (const JoinCase& c : cases) {
        pugi::xml_document document;
        const std::string xml = "<w:body>" + Table("1") + c.Between + Table("2") + "<w:p/></w:body>";
        ASSERT_TRUE(document.load_string(xml.c_str())) << c.Name;
        pugi::xml_node body = document.child("w:body");
        pugi::xml_node first = body.child("w:tbl");
        pugi::xml_node second = first.next_sibling("w:tbl");
        EXPECT_EQ(JoinTables(first, second), c.Joined) << c.Name;
        std::size_t tables = 0;
        for (pugi::xml_node table : body.children("w:tbl")) {
            (void)table;
            ++tables;
        }
        EXPECT_EQ(tables, c.Joined ? 1u : 2u) << c.Name;
        if (c.Joined) {
            // The rows in their order, the first table's grid kept once.
            std::string rows;
            for (pugi::xml_node row : first.children("w:tr"))
                rows += row.child("w:tc").child("w:p").child("w:r").child("w:t").child_value();
            EXPECT_EQ(rows, "12") << c.Name;
            EXPECT_EQ(std::distance(first.children("w:tr").begin(), first.children("w:tr").end()), 2)
                << c.Name;
            EXPECT_EQ(std::distance(first.children("w:tblGrid").begin(), first.children("w:tblGrid").end()),
                      1);
            EXPECT_EQ(first.next_sibling().name(), std::string("w:p")) << c.Name;
        } else {
            EXPECT_EQ(std::distance(first.children("w:tr").begin(), first.children("w:tr").end()), 1)
                << c.Name;
        }
    }
}

}  // namespace
}  // namespace tabulex::word::docx
