#include "docx/StyleSheet.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulex::word::docx {
namespace {

constexpr const char* kNs = R"( xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")";

std::string Style(const std::string& type, const std::string& id, const std::string& content,
                  const std::string& basedOn = "", bool isDefault = false) {
    return "<w:style w:type=\"" + type + "\" w:styleId=\"" + id + "\"" +
           (isDefault ? " w:default=\"1\"" : "") + ">" +
           (basedOn.empty() ? "" : "<w:basedOn w:val=\"" + basedOn + "\"/>") + content + "</w:style>";
}

const std::string kBold = "<w:rPr><w:b/></w:rPr>";
const std::string kNotBold = "<w:rPr><w:b w:val=\"0\"/></w:rPr>";
const std::string kKeep = "<w:pPr><w:keepNext/></w:pPr>";

// A fixture document: a styles part and one paragraph, optionally inside a table with a table style.
struct Doc {
    pugi::xml_document Styles, Document;
    StyleSheet Sheet;
    pugi::xml_node Paragraph, Table;

    Doc(const std::string& stylesXml, const std::string& paragraphXml, const std::string& tableStyle = "-") {
        EXPECT_TRUE(
            Styles.load_string(("<w:styles" + std::string(kNs) + ">" + stylesXml + "</w:styles>").c_str()));
        std::string body = paragraphXml;
        if (tableStyle != "-") {
            std::string tblPr =
                tableStyle.empty() ? "" : "<w:tblPr><w:tblStyle w:val=\"" + tableStyle + "\"/></w:tblPr>";
            body = "<w:tbl>" + tblPr + "<w:tr><w:tc>" + paragraphXml + "</w:tc></w:tr></w:tbl>";
        }
        EXPECT_TRUE(Document.load_string(("<w:body" + std::string(kNs) + ">" + body + "</w:body>").c_str()));
        Sheet = StyleSheet(Styles.child("w:styles"));
        Paragraph = Document.select_node("//w:p").node();
        Table = Document.select_node("//w:tbl").node();
    }
    bool RunBold() const { return Sheet.RunIsBold(Paragraph.child("w:r"), Paragraph, Table); }
};

std::string Para(const std::string& pStyle, const std::string& runProps, const std::string& pPrExtra = "") {
    std::string pPr = (pStyle.empty() ? "" : "<w:pStyle w:val=\"" + pStyle + "\"/>") + pPrExtra;
    return "<w:p><w:pPr>" + pPr + "</w:pPr><w:r><w:rPr>" + runProps + "</w:rPr><w:t>x</w:t></w:r></w:p>";
}

struct BoldCase {
    const char* Name;
    std::string Styles;
    std::string Paragraph;
    std::string TableStyle;  // "-": not in a table, "": a table without a style
    bool Bold;
};

TEST(StyleSheetTest, RunBoldFollowsTheStyleChainWithToggles) {
    const std::string heading = Style("paragraph", "Heading", kBold);
    const std::string strong = Style("character", "Strong", kBold);
    const BoldCase cases[] = {
        {"no styles at all", "", Para("", ""), "-", false},
        {"direct bold", "", Para("", "<w:b/>"), "-", true},
        {"direct bold off beats a bold style", heading, Para("Heading", "<w:b w:val=\"false\"/>"), "-",
         false},
        {"direct off spelled off", heading, Para("Heading", "<w:b w:val=\"off\"/>"), "-", false},
        {"direct on spelled 1", "", Para("", "<w:b w:val=\"1\"/>"), "-", true},
        {"bold paragraph style", heading, Para("Heading", ""), "-", true},
        {"bold through basedOn", heading + Style("paragraph", "Sub", "", "Heading"), Para("Sub", ""), "-",
         true},
        {"the nearest value of the chain wins", heading + Style("paragraph", "Sub", kNotBold, "Heading"),
         Para("Sub", ""), "-", false},
        {"bold character style", strong, Para("", "<w:rStyle w:val=\"Strong\"/>"), "-", true},
        {"bold character style in a bold paragraph style toggles off", heading + strong,
         Para("Heading", "<w:rStyle w:val=\"Strong\"/>"), "-", false},
        {"a style saying not bold does not toggle", heading + Style("character", "Plain", kNotBold),
         Para("Heading", "<w:rStyle w:val=\"Plain\"/>"), "-", true},
        {"default paragraph style applies without pStyle", Style("paragraph", "Normal", kBold, "", true),
         Para("", ""), "-", true},
        {"unknown pStyle falls back to the default paragraph style",
         Style("paragraph", "Normal", kBold, "", true), Para("Missing", ""), "-", true},
        {"a character style id used as pStyle is not a paragraph style", strong, Para("Strong", ""), "-",
         false},
        {"table style bold", Style("table", "Grid", kBold), Para("", ""), "Grid", true},
        {"default table style for a table without tblStyle", Style("table", "TableNormal", kBold, "", true),
         Para("", ""), "", true},
        {"table style bold and paragraph style bold toggle off", Style("table", "Grid", kBold) + heading,
         Para("Heading", ""), "Grid", false},
        {"table style outside a table does not apply", Style("table", "Grid", kBold), Para("", ""), "-",
         false},
        {"document defaults bold",
         "<w:docDefaults><w:rPrDefault>" + kBold + "</w:rPrDefault></w:docDefaults>", Para("", ""), "-",
         true},
        {"document defaults bold toggled by a bold style",
         "<w:docDefaults><w:rPrDefault>" + kBold + "</w:rPrDefault></w:docDefaults>" + strong,
         Para("", "<w:rStyle w:val=\"Strong\"/>"), "-", false},
        {"basedOn cycle ends", Style("paragraph", "A", "", "B") + Style("paragraph", "B", "", "A"),
         Para("A", ""), "-", false},
    };
    for (const BoldCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Doc doc(c.Styles, c.Paragraph, c.TableStyle);
        EXPECT_EQ(doc.RunBold(), c.Bold);
    }
}

TEST(StyleSheetTest, ParagraphMarkBoldReadsTheMarkProperties) {
    Doc plainMark(Style("character", "Strong", kBold),
                  Para("", "", "<w:rPr><w:rStyle w:val=\"Strong\"/></w:rPr>"));
    EXPECT_TRUE(plainMark.Sheet.ParagraphMarkIsBold(plainMark.Paragraph, plainMark.Table));
    Doc offMark(Style("paragraph", "Heading", kBold),
                Para("Heading", "", "<w:rPr><w:b w:val=\"0\"/></w:rPr>"));
    EXPECT_FALSE(offMark.Sheet.ParagraphMarkIsBold(offMark.Paragraph, offMark.Table));
    EXPECT_TRUE(offMark.RunBold());
}

struct KeepCase {
    const char* Name;
    std::string Styles;
    std::string Paragraph;
    std::string TableStyle;
    bool Keep;
};

TEST(StyleSheetTest, KeepWithNextFollowsTheStyleChain) {
    const std::string keepStyle = Style("paragraph", "Heading", kKeep);
    const KeepCase cases[] = {
        {"nothing set", "", Para("", ""), "-", false},
        {"direct", "", Para("", "", "<w:keepNext/>"), "-", true},
        {"direct off beats the style", keepStyle, Para("Heading", "", "<w:keepNext w:val=\"0\"/>"), "-",
         false},
        {"paragraph style", keepStyle, Para("Heading", ""), "-", true},
        {"basedOn chain", keepStyle + Style("paragraph", "Sub", "", "Heading"), Para("Sub", ""), "-", true},
        {"paragraph style off beats the table style",
         Style("table", "Grid", kKeep) +
             Style("paragraph", "Body", "<w:pPr><w:keepNext w:val=\"0\"/></w:pPr>"),
         Para("Body", ""), "Grid", false},
        {"table style", Style("table", "Grid", kKeep), Para("", ""), "Grid", true},
        {"document defaults", "<w:docDefaults><w:pPrDefault>" + kKeep + "</w:pPrDefault></w:docDefaults>",
         Para("", ""), "-", true},
        {"keep is not a toggle", keepStyle + Style("table", "Grid", kKeep), Para("Heading", ""), "Grid",
         true},
    };
    for (const KeepCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Doc doc(c.Styles, c.Paragraph, c.TableStyle);
        EXPECT_EQ(doc.Sheet.KeepWithNext(doc.Paragraph, doc.Table), c.Keep);
    }
}

TEST(StyleSheetTest, ParagraphNumberingDirectOrThroughTheStyle) {
    const std::string styles =
        Style("paragraph", "List",
              "<w:pPr><w:numPr><w:ilvl w:val=\"2\"/><w:numId w:val=\"4\"/></w:numPr></w:pPr>") +
        Style("paragraph", "Heading", "<w:pPr><w:numPr><w:numId w:val=\"3\"/></w:numPr></w:pPr>") +
        Style("paragraph", "Sub", "", "Heading");
    auto numbering = [&](const std::string& paragraph) {
        Doc doc(styles, paragraph);
        return doc.Sheet.ParagraphNumbering(doc.Paragraph);
    };
    const std::string direct = "<w:numPr><w:ilvl w:val=\"1\"/><w:numId w:val=\"7\"/></w:numPr>";

    NumberingRef plain = numbering(Para("", ""));
    EXPECT_EQ(plain.NumId, 0);
    NumberingRef given = numbering(Para("", "", direct));
    EXPECT_EQ(given.NumId, 7);
    EXPECT_EQ(given.Ilvl, 1);
    NumberingRef fromStyle = numbering(Para("List", ""));
    EXPECT_EQ(fromStyle.NumId, 4);
    EXPECT_EQ(fromStyle.Ilvl, 2);
    EXPECT_TRUE(fromStyle.LevelGiven);
    NumberingRef removed = numbering(Para("List", "", "<w:numPr><w:numId w:val=\"0\"/></w:numPr>"));
    EXPECT_EQ(removed.NumId, 0);
    NumberingRef levelOnly = numbering(Para("List", "", "<w:numPr><w:ilvl w:val=\"0\"/></w:numPr>"));
    EXPECT_EQ(levelOnly.NumId, 4);
    EXPECT_EQ(levelOnly.Ilvl, 0);
    // The style names are views into the style sheet, so it must outlive them.
    Doc subDoc(styles, Para("Sub", ""));
    NumberingRef inherited = subDoc.Sheet.ParagraphNumbering(subDoc.Paragraph);
    EXPECT_EQ(inherited.NumId, 3);
    EXPECT_FALSE(inherited.LevelGiven);
    EXPECT_EQ(inherited.StyleId, "Sub");
    EXPECT_EQ(inherited.NumberingStyleId, "Heading");
}

}  // namespace
}  // namespace tabulex::word::docx
