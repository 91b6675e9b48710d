#include "docx/ListNumbering.h"

#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabulex::word::docx {
namespace {

constexpr const char* kNs = R"( xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")";

std::string Lvl(int ilvl, const std::string& format, const std::string& text, int start = 1,
                const std::string& extra = "") {
    return "<w:lvl w:ilvl=\"" + std::to_string(ilvl) + "\"><w:start w:val=\"" + std::to_string(start) +
           "\"/><w:numFmt w:val=\"" + format + "\"/>" + extra + "<w:lvlText w:val=\"" + text + "\"/></w:lvl>";
}

std::string Abstract(int id, const std::string& levels) {
    return "<w:abstractNum w:abstractNumId=\"" + std::to_string(id) + "\">" + levels + "</w:abstractNum>";
}

std::string Num(int numId, int abstractId, const std::string& overrides = "") {
    return "<w:num w:numId=\"" + std::to_string(numId) + "\"><w:abstractNumId w:val=\"" +
           std::to_string(abstractId) + "\"/>" + overrides + "</w:num>";
}

std::string StartOverride(int ilvl, int start) {
    return "<w:lvlOverride w:ilvl=\"" + std::to_string(ilvl) + "\"><w:startOverride w:val=\"" +
           std::to_string(start) + "\"/></w:lvlOverride>";
}

// A paragraph numbered directly; its text names it in failure output.
std::string P(int numId, int ilvl = 0, const std::string& style = "") {
    std::string pPr = style.empty() ? "" : "<w:pStyle w:val=\"" + style + "\"/>";
    pPr += "<w:numPr><w:ilvl w:val=\"" + std::to_string(ilvl) + "\"/><w:numId w:val=\"" +
           std::to_string(numId) + "\"/></w:numPr>";
    return "<w:p><w:pPr>" + pPr + "</w:pPr><w:r><w:t>x</w:t></w:r></w:p>";
}

std::string StyledP(const std::string& style) {
    return "<w:p><w:pPr><w:pStyle w:val=\"" + style + "\"/></w:pPr><w:r><w:t>x</w:t></w:r></w:p>";
}

std::string PlainP() {
    return "<w:p><w:r><w:t>x</w:t></w:r></w:p>";
}

std::string Cell(const std::string& content) {
    return "<w:tc>" + content + "</w:tc>";
}
std::string Table(const std::string& cells) {
    return "<w:tbl><w:tr>" + cells + "</w:tr></w:tbl>";
}

std::string ParagraphStyle(const std::string& id, const std::string& pPr, const std::string& basedOn = "") {
    std::string based = basedOn.empty() ? "" : "<w:basedOn w:val=\"" + basedOn + "\"/>";
    return "<w:style w:type=\"paragraph\" w:styleId=\"" + id + "\">" + based + "<w:pPr>" + pPr +
           "</w:pPr></w:style>";
}

// The list strings (UTF-8, "" for an unnumbered paragraph) of every paragraph of the body in
// document order, nested tables included.
std::vector<std::string> ListStringsOf(const std::string& numbering, const std::string& styles,
                                       const std::string& body) {
    pugi::xml_document numberingXml, stylesXml, documentXml;
    EXPECT_TRUE(numberingXml.load_string(
        ("<w:numbering" + std::string(kNs) + ">" + numbering + "</w:numbering>").c_str()));
    EXPECT_TRUE(
        stylesXml.load_string(("<w:styles" + std::string(kNs) + ">" + styles + "</w:styles>").c_str()));
    EXPECT_TRUE(documentXml.load_string(
        ("<w:document" + std::string(kNs) + "><w:body>" + body + "<w:sectPr/></w:body></w:document>")
            .c_str()));
    StyleSheet sheet(stylesXml.child("w:styles"));
    ListNumbering numbering1(numberingXml.child("w:numbering"), sheet);
    pugi::xml_node bodyNode = documentXml.child("w:document").child("w:body");
    ListStrings strings = numbering1.ComputeListStrings(bodyNode);
    std::vector<std::string> result;
    for (pugi::xpath_node p : bodyNode.select_nodes(".//w:p")) {
        auto found = strings.find(p.node().internal_object());
        result.push_back(found == strings.end() ? "" : text::Cp1251ToUtf8(found->second));
    }
    return result;
}

struct Case {
    const char* Name;
    std::string Numbering;
    std::string Styles;
    std::string Body;
    std::vector<std::string> Expected;
};

const std::string kOutline =
    Lvl(0, "decimal", "%1.") + Lvl(1, "decimal", "%1.%2.") + Lvl(2, "decimal", "%1.%2.%3.");

std::vector<Case> Cases() {
    return {
        {"multi-level restarts deeper levels",
         Abstract(0, kOutline) + Num(1, 0),
         "",
         P(1, 0) + P(1, 1) + P(1, 1) + P(1, 2) + P(1, 1) + P(1, 0) + P(1, 1) + PlainP() + P(1, 2),
         {"1.", "1.1.", "1.2.", "1.2.1.", "1.3.", "2.", "2.1.", "", "2.1.1."}},
        {"start values",
         Abstract(0, Lvl(0, "decimal", "%1)", 5) + Lvl(1, "decimal", "%1.%2", 0)) + Num(1, 0),
         "",
         P(1) + P(1) + P(1, 1) + P(1, 1),
         {"5)", "6)", "6.0", "6.1"}},
        {"a skipped level counts as used at its start",
         Abstract(0, kOutline) + Num(1, 0),
         "",
         P(1, 0) + P(1, 2) + P(1, 1) + P(1, 2),
         {"1.", "1.1.1.", "1.2.", "1.2.1."}},
        {"lists of one definition continue one another",
         Abstract(0, kOutline) + Num(1, 0) + Num(2, 0),
         "",
         P(1) + P(1) + P(2) + P(1),
         {"1.", "2.", "3.", "4."}},
        {"a start override begins its own count",
         Abstract(0, kOutline) + Num(1, 0) + Num(2, 0, StartOverride(0, 1)) + Num(3, 0, StartOverride(0, 10)),
         "",
         P(1) + P(1) + P(2) + P(2) + P(1) + P(3),
         {"1.", "2.", "1.", "2.", "3.", "10."}},
        {"level override replaces the level definition",
         Abstract(0, kOutline) +
             Num(1, 0, "<w:lvlOverride w:ilvl=\"0\">" + Lvl(0, "upperLetter", "%1-") + "</w:lvlOverride>"),
         "",
         P(1) + P(1),
         {"A-", "B-"}},
        {"lvlRestart 0 never restarts, lvlRestart 1 restarts only after level 1",
         Abstract(0, Lvl(0, "decimal", "%1.") + Lvl(1, "decimal", "%2)", 1, "<w:lvlRestart w:val=\"0\"/>") +
                         Lvl(2, "lowerLetter", "%3)", 1, "<w:lvlRestart w:val=\"1\"/>")) +
             Num(1, 0),
         "",
         P(1, 0) + P(1, 1) + P(1, 2) + P(1, 1) + P(1, 2) + P(1, 0) + P(1, 1) + P(1, 2),
         {"1.", "1)", "a)", "2)", "b)", "2.", "3)", "a)"}},
        {"Russian letters and Roman numerals",
         Abstract(
             0, Lvl(0, "upperRoman", "%1.") + Lvl(1, "russianLower", "%2)") + Lvl(2, "lowerRoman", "(%3)")) +
             Num(1, 0),
         "",
         P(1, 0) + P(1, 1) + P(1, 1) + P(1, 1) + P(1, 2) + P(1, 2) + P(1, 2) + P(1, 2) + P(1, 0) + P(1, 0) +
             P(1, 0) + P(1, 0),
         {"I.", "а)", "б)", "в)", "(i)", "(ii)", "(iii)", "(iv)", "II.", "III.", "IV.", "V."}},
        {"legal numbering writes every level in digits",
         Abstract(0, Lvl(0, "upperRoman", "Глава %1.") + Lvl(1, "decimal", "%1.%2", 1, "<w:isLgl/>") +
                         Lvl(2, "lowerLetter", "%1.%2.%3")) +
             Num(1, 0),
         "",
         P(1, 0) + P(1, 0) + P(1, 1) + P(1, 2),
         {"Глава I.", "Глава II.", "2.1", "II.1.a"}},
        {"bullets and none",
         Abstract(0, Lvl(0, "bullet", "•") + Lvl(1, "bullet", "\xEF\x82\xB7") + Lvl(2, "none", "")) +
             Abstract(1, Lvl(0, "decimal", "%1.")) + Num(1, 0) + Num(2, 1),
         "",
         P(1, 0) + P(1, 1) + P(1, 2) + P(2, 0) + P(1, 0),
         {"•", "?", "", "1.", "•"}},
        {"numId 0 and unknown lists leave a paragraph unnumbered and uncounted",
         Abstract(0, kOutline) + Num(1, 0),
         ParagraphStyle("Numbered", "<w:numPr><w:numId w:val=\"1\"/></w:numPr>"),
         P(1) + P(0) + P(0, 0, "Numbered") + P(7) + P(1) + StyledP("Numbered"),
         {"1.", "", "", "", "2.", "3."}},
        {"numbering through the paragraph style, level from the list's style link",
         Abstract(0, Lvl(0, "decimal", "%1", 1, "<w:pStyle w:val=\"Heading1\"/>") +
                         Lvl(1, "decimal", "%1.%2", 1, "<w:pStyle w:val=\"Heading2\"/>")) +
             Num(1, 0),
         ParagraphStyle("Heading1", "<w:numPr><w:numId w:val=\"1\"/></w:numPr>") +
             ParagraphStyle("Heading2", "<w:numPr><w:numId w:val=\"1\"/></w:numPr>", "Heading1") +
             ParagraphStyle("Appendix", "", "Heading2"),
         StyledP("Heading1") + StyledP("Heading2") + StyledP("Heading2") + StyledP("Heading1") +
             StyledP("Appendix") + PlainP(),
         {"1", "1.1", "1.2", "2", "2.1", ""}},
        {"style numbering with an explicit level, and a paragraph overriding the level",
         Abstract(0, kOutline) + Num(1, 0),
         ParagraphStyle("Sub", "<w:numPr><w:ilvl w:val=\"1\"/><w:numId w:val=\"1\"/></w:numPr>"),
         P(1) + StyledP("Sub") +
             "<w:p><w:pPr><w:pStyle w:val=\"Sub\"/><w:numPr><w:ilvl w:val=\"2\"/></w:numPr></w:pPr></w:p>",
         {"1.", "1.1.", "1.1.1."}},
        {"numStyleLink follows the numbering style to its definition",
         Abstract(0, "<w:styleLink w:val=\"OurList\"/>" + Lvl(0, "russianUpper", "%1.")) +
             Abstract(1, "<w:numStyleLink w:val=\"OurList\"/>") + Num(1, 0) + Num(2, 1),
         "<w:style w:type=\"numbering\" w:styleId=\"OurList\"><w:pPr><w:numPr><w:numId "
         "w:val=\"1\"/></w:numPr></w:pPr></w:style>",
         P(2) + P(2) + P(1),
         {"А.", "Б.", "В."}},
        {"paragraphs in table cells and nested tables count in document order",
         Abstract(0, kOutline) + Num(1, 0),
         "",
         P(1) + Table(Cell(P(1)) + Cell(Table(Cell(P(1, 1)) + Cell(P(1, 1))) + P(1))) + P(1),
         {"1.", "2.", "2.1.", "2.2.", "3.", "4."}},
    };
}

TEST(ListNumberingTest, ComputesWhatWordShows) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(ListStringsOf(c.Numbering, c.Styles, c.Body), c.Expected);
    }
}

TEST(ListNumberingTest, ShownLevelIsTheDefinitionTheNumberCameFrom) {
    pugi::xml_document numberingXml, stylesXml;
    ASSERT_TRUE(numberingXml.load_string(
        ("<w:numbering" + std::string(kNs) + ">" +
         Abstract(0, "<w:styleLink w:val=\"OurList\"/>" + Lvl(0, "decimal", "%1.") +
                         Lvl(1, "decimal", "%1.%2", 1, "<w:pStyle w:val=\"Sub\"/>")) +
         Abstract(1, "<w:numStyleLink w:val=\"OurList\"/>") + Num(1, 0) + Num(2, 1) +
         Num(3, 0, "<w:lvlOverride w:ilvl=\"0\">" + Lvl(0, "upperRoman", "%1)") + "</w:lvlOverride>") +
         "</w:numbering>")
            .c_str()));
    ASSERT_TRUE(
        stylesXml.load_string(("<w:styles" + std::string(kNs) +
                               "><w:style w:type=\"numbering\" "
                               "w:styleId=\"OurList\"><w:pPr><w:numPr><w:numId w:val=\"1\"/></w:numPr>"
                               "</w:pPr></w:style></w:styles>")
                                  .c_str()));
    StyleSheet sheet(stylesXml.child("w:styles"));
    ListNumbering numbering(numberingXml.child("w:numbering"), sheet);
    auto ref = [](int numId, int ilvl) {
        NumberingRef result;
        result.NumId = numId;
        result.Ilvl = ilvl;
        return result;
    };
    NumberingRef styleBound = ref(1, 0);
    styleBound.LevelGiven = false;
    styleBound.StyleId = "Sub";
    auto textOf = [&](const NumberingRef& shown) {
        return std::string(numbering.ShownLevel(shown).child("w:lvlText").attribute("w:val").value());
    };
    EXPECT_EQ(textOf(ref(2, 0)), "%1.");
    EXPECT_EQ(textOf(ref(2, 1)), "%1.%2");
    EXPECT_EQ(textOf(ref(3, 0)), "%1)");
    EXPECT_EQ(textOf(styleBound), "%1.%2");
    EXPECT_FALSE(numbering.ShownLevel(ref(9, 0)));
    EXPECT_FALSE(numbering.ShownLevel(ref(1, 5)));
}

TEST(ListNumberingTest, WithoutNumberingPartNothingIsNumbered) {
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(("<w:body" + std::string(kNs) + ">" + P(1) + "</w:body>").c_str()));
    EXPECT_TRUE(ListNumbering().ComputeListStrings(document.child("w:body")).empty());
}

TEST(ListNumberingTest, TextBoxParagraphsAreNotPartOfTheBodyCount) {
    std::string textBox =
        "<w:p><w:r><w:pict><v:shape xmlns:v=\"urn:schemas-microsoft-com:vml\"><v:textbox>"
        "<w:txbxContent>" +
        P(1) + "</w:txbxContent></v:textbox></v:shape></w:pict></w:r></w:p>";
    std::vector<std::string> strings =
        ListStringsOf(Abstract(0, kOutline) + Num(1, 0), "", P(1) + textBox + P(1));
    EXPECT_EQ(strings, (std::vector<std::string>{"1.", "", "", "2."}));
}

TEST(ListNumberingTest, LargeListsStayCorrect) {
    std::string body;
    const int count = 20000;
    for (int i = 0; i < count; ++i) body += P(1, i % 10 == 0 ? 0 : 1);
    std::vector<std::string> strings = ListStringsOf(
        Abstract(0, Lvl(0, "decimal", "%1.") + Lvl(1, "decimal", "%1.%2")) + Num(1, 0), "", body);
    ASSERT_EQ(strings.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(strings[count - 10], "2000.");
    EXPECT_EQ(strings[count - 1], "2000.9");
}

}  // namespace
}  // namespace tabulex::word::docx
