// The readers of the main story place tables, rows and cells alike, whatever wraps them: the DOM,
// the streaming reader and the annotation reader, which puts a comment on the cell the other two
// name. Every cell of the first table starts with a paragraph of its own name ("r2c1"), so that a
// comment tells which cell it landed in.

#include "StreamCompare.h"

#include "docx/CommentAnchors.h"
#include "docx/StructureVocabulary.h"
#include "docx/stream/ReaderNames.h"

#include <pugixml.hpp>

#include <set>

namespace tabulex::word::docx::testing {
namespace {

std::string Sdt(std::string_view content) {
    return "<w:sdt><w:sdtPr><w:alias w:val=\"x\"/></w:sdtPr><w:sdtContent>" + std::string(content) +
           "</w:sdtContent></w:sdt>";
}
std::string CustomXml(std::string_view content) {
    return "<w:customXml w:element=\"e\">" + std::string(content) + "</w:customXml>";
}
std::string Alternate(std::string_view choice, std::string_view fallback) {
    return "<mc:AlternateContent><mc:Choice Requires=\"wps\">" + std::string(choice) +
           "</mc:Choice><mc:Fallback>" + std::string(fallback) + "</mc:Fallback></mc:AlternateContent>";
}

// The text of the runs of the paragraph a comment range starts in, "none" when it was not placed;
// the story's elements are written with `prefix`.
std::string LandedIn(const std::string& xml, int id, const std::string& prefix = "w:") {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(xml.c_str()));
    const std::string query = "//w:commentRangeStart[@w:id='" + std::to_string(id) + "']";
    const pugi::xml_node start = doc.select_node(query.c_str()).node();
    if (!start) return "none";
    std::string text;
    const std::string run = prefix + "r", t = prefix + "t";
    for (pugi::xml_node r : start.parent().children(run.c_str())) text += r.child(t.c_str()).text().get();
    return text;
}

// The cells of the document's first table as the DOM gives them: the text of each cell's first
// paragraph, row by row.
std::vector<std::pair<CellComment, std::string>> CellNames(const std::string& path) {
    auto dom = DocxDocument::OpenFile(path);
    dom->UseDom();
    auto table = dom->Tables()->Item(1);
    std::vector<std::pair<CellComment, std::string>> cells;
    for (int r = 1; r <= table->Rows()->Count(); ++r) {
        for (int c = 1;; ++c) {
            std::string shown;
            try {
                shown = table->Cell(r, c)->Range()->Text();
            } catch (const text::Error&) {
                break;
            }
            cells.push_back({CellComment{r, c, {"x"}}, shown.substr(0, shown.find('\r'))});
        }
    }
    return cells;
}

struct WrapperCase {
    const char* Name;
    std::string Body;
};

std::vector<WrapperCase> WrapperCases() {
    const std::string row2 = Tr(Tc(P("r2c1")) + Tc(P("r2c2")));
    return {
        {"a content control around a row", Tbl(Tr(Tc(P("r1c1")) + Tc(P("r1c2"))) + Sdt(row2))},
        {"custom XML around a cell", Tbl(Tr(Tc(P("r1c1")) + CustomXml(Tc(P("r1c2")))) + row2)},
        {"wrappers nested around rows and cells",
         Tbl(Sdt(CustomXml(Tr(CustomXml(Sdt(Tc(P("r1c1")))) + Sdt(Tc(P("r1c2")))))) +
             CustomXml(CustomXml(row2)))},
        {"a content control's second content holds no rows",
         Tbl("<w:sdt><w:sdtContent>" + Tr(Tc(P("r1c1")) + Tc(P("r1c2"))) + "</w:sdtContent><w:sdtContent>" +
             Tr(Tc(P("lost")) + Tc(P("lost"))) + "</w:sdtContent></w:sdt>" + row2)},
        {"the table itself wrapped, after a wrapped one",
         Sdt(Tbl(Tr(Tc(P("r1c1")) + Tc(P("r1c2"))) + row2)) + CustomXml(Tbl(Tr(Tc(P("second")))))},
        {"cell content in wrappers, a nested table in one",
         Tbl(Tr(Tc(Sdt(P("r1c1")) + P("more")) + Tc(CustomXml(P("r1c2") + Sdt(Tbl(Tr(Tc(P("inner")))))))) +
             Tr(Tc(P("r2c1") + Tbl(Sdt(Tr(Tc(P("nested")))))) + Tc(CustomXml(Sdt(P("r2c2"))))))},
        {"rows and cells where they do not belong are no rows or cells",
         Tbl(Tr(Tc(P("r1c1")) + Tc(P("r1c2")) + "<w:p/>") + "<w:tc>" + P("stray") + "</w:tc>" + row2 +
             Alternate(Tr(Tc(P("alt"))), Tr(Tc(P("alt")))))},
    };
}

class StructureReadersTest : public ::testing::Test {
  protected:
    TempFolder folder_;
};

// The main namespace as Word writes it, under another prefix and as the default namespace.
struct Spelling {
    const char* Name;
    bool Other;
    bool AsDefault;
    std::string Prefix;
};
const Spelling kSpellings[] = {
    {"usual", false, false, "w:"}, {"ns0", true, false, "ns0:"}, {"default", true, true, ""}};

std::string Spelled(const std::string& xml, const Spelling& spelling) {
    return spelling.Other ? WithMainNamespaceAs(xml, spelling.AsDefault) : xml;
}

TEST_F(StructureReadersTest, WrappedRowsAndCellsAreTheSameToEveryReader) {
    int n = 0;
    for (const WrapperCase& c : WrapperCases()) {
        SCOPED_TRACE(c.Name);
        const std::string usual = WriteDocx(folder_.File("usual" + std::to_string(n++) + ".docx"), c.Body);
        const auto cells = CellNames(usual);
        EXPECT_EQ(cells.size(), 4u);
        const std::vector<std::string> expected = TableAnswers(*DocxDocument::OpenFile(usual));
        CommentSet set;
        set.Table = 1;
        for (const auto& cell : cells) set.Cells.push_back(cell.first);
        for (const Spelling& spelling : kSpellings) {
            SCOPED_TRACE(spelling.Name);
            const std::string document = Spelled(ooxml::WrapBody(c.Body), spelling);
            const std::string path = folder_.File("case" + std::to_string(n++) + ".docx");
            WriteFile(path, ooxml::BuildDocxBytes(ooxml::DocxParts{
                                document, Spelled(ooxml::DefaultStylesXml(), spelling), {}}));
            ExpectSameAnswers(path);
            EXPECT_EQ(TableAnswers(*DocxDocument::OpenFile(path)), expected);
            const AnchoredStory story = AnchorComments(document, set, 1);
            for (std::size_t i = 0; i < cells.size(); ++i)
                EXPECT_EQ(LandedIn(story.Xml, static_cast<int>(i) + 1, spelling.Prefix), cells[i].second);
        }
    }
}

// The paragraphs after a table are those of the body, wrappers looked through (also those the table
// stands in), up to the next table; alternate content at the body's level is none of them. Both
// readers of the document give the same, and a comment on the k-th lands on the k-th.
TEST_F(StructureReadersTest, ParagraphsAfterTheTableAreCountedAlike) {
    const std::string table = Tbl(Tr(Tc(P("a")) + Tc(P("b"))));
    const std::string textBox = "<w:p><w:r><w:pict><w:txbxContent>" + P("box") +
                                "</w:txbxContent></w:pict></w:r><w:r><w:t>4</w:t></w:r></w:p>";
    const struct {
        const char* Name;
        std::string Body;
        std::vector<std::string> Texts;
    } cases[] = {
        {"wrappers, alternate content and a text box after the table",
         table + Alternate(P("choice"), P("fallback")) + Sdt(P("1")) +
             CustomXml(P("2") + Sdt(CustomXml(P("3")))) + textBox + Sdt(Tbl(Tr(Tc(P("c"))))) +
             P("after the next table"),
         {"1", "2", "3", "4"}},
        {"the table last in a content control", Sdt(table) + P("1") + P("2"), {"1", "2"}},
        {"paragraphs in the table's wrappers and after them",
         CustomXml(Sdt(table + P("1")) + CustomXml(P("2")) + P("3")) + P("4") + table + P("next"),
         {"1", "2", "3", "4"}},
        {"a content control's second content",
         "<w:sdt><w:sdtContent>" + table + P("1") + "</w:sdtContent><w:sdtContent>" + P("no") +
             "</w:sdtContent></w:sdt>" + P("2"),
         {"1", "2"}},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = WriteDocx(folder_.File("after" + std::to_string(n++) + ".docx"), c.Body);
        std::vector<std::string> shown;
        for (const std::string& text : DocxDocument::OpenFile(path)->ParagraphsAfterTable(1))
            shown.push_back(text.substr(text.find_first_not_of('\x01')));
        EXPECT_EQ(shown, c.Texts);
        auto dom = DocxDocument::OpenFile(path);
        dom->UseDom();
        EXPECT_EQ(dom->ParagraphsAfterTable(1), DocxDocument::OpenFile(path)->ParagraphsAfterTable(1));

        CommentSet set;
        set.Table = 1;
        for (int k = 1; k <= static_cast<int>(c.Texts.size()) + 1; ++k) set.Paragraphs.push_back({k, {"x"}});
        const AnchoredStory story = AnchorComments(ooxml::WrapBody(c.Body), set, 1);
        for (std::size_t k = 0; k < c.Texts.size(); ++k)
            EXPECT_EQ(LandedIn(story.Xml, static_cast<int>(k) + 1), c.Texts[k]);
        EXPECT_EQ(LandedIn(story.Xml, static_cast<int>(c.Texts.size()) + 1), "none");
    }
}

// Every element the structure names is one the streaming readers recognise by namespace, with the
// same meaning, so that an element taught there reaches every reader.
TEST(StructureVocabularyTest, EveryElementIsOneTheStreamingReadersKnow) {
    std::set<stream::Name> seen;
    for (const structure::StructureEntry& entry : structure::kStructureVocabulary) {
        const stream::Name name = stream::ClassifyQualified(entry.QualifiedName);
        EXPECT_NE(name, stream::Name::Other) << entry.QualifiedName;
        EXPECT_NE(name, stream::Name::OtherW) << entry.QualifiedName;
        EXPECT_TRUE(seen.insert(name).second) << entry.QualifiedName << " shares its name";
        EXPECT_EQ(stream::StructureOf(name), entry.Kind) << entry.QualifiedName;
        EXPECT_EQ(structure::KindOf(entry.QualifiedName), entry.Kind) << entry.QualifiedName;
    }
    EXPECT_EQ(structure::KindOf("wx:tbl"), structure::StructureKind::Other);
    EXPECT_EQ(structure::KindOf("w:tblW"), structure::StructureKind::Other);
    EXPECT_EQ(stream::StructureOf(stream::Name::OtherW), structure::StructureKind::Other);
}

TEST(StructureVocabularyTest, VerticalMergeByValue) {
    using structure::VerticalMerge;
    const struct {
        bool Present;
        std::string_view Val;
        VerticalMerge Expected;
    } cases[] = {
        {false, "", VerticalMerge::None},
        {false, "restart", VerticalMerge::None},
        {true, "restart", VerticalMerge::Restart},
        {true, "", VerticalMerge::Continue},
        {true, "continue", VerticalMerge::Continue},
        {true, "Restart", VerticalMerge::Continue},
    };
    for (const auto& c : cases)
        EXPECT_EQ(structure::MergeOf(c.Present, c.Val), c.Expected) << c.Present << " " << c.Val;
}

}  // namespace
}  // namespace tabulex::word::docx::testing
