// XML parts survive parsing and writing: whatever the host does not understand comes back as it was.

#include "ooxml/XmlPart.h"

#include "PackageTestHelpers.h"
#include "ooxml/PackageMessages.h"
#include "text/Error.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tabulex::word::docx {
namespace {

using namespace testing;

constexpr std::string_view kDecl = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";

struct RoundTrip {
    const char* Label;
    std::string Input;
    std::string Expected;  // empty: the input itself
};

// What XmlPartWriter hands out, piece by piece, put together.
std::string Streamed(const pugi::xml_document& document, ooxml::XmlPartWriter::WholeTest whole = nullptr) {
    ooxml::XmlPartWriter writer(document, whole);
    std::string out;
    while (writer.Next(out)) {
    }
    return out;
}

ooxml::Package PackageWith(const std::string& documentXml) {
    ooxml::Package package = ooxml::Package::FromBytes(MinimalDocx(), "part.docx");
    package.SetBytes("word/document.xml", documentXml);
    return package;
}

TEST(XmlPartTest, PartsComeBackAsTheyWere) {
    const std::string d(kDecl);
    const std::vector<RoundTrip> cases = {
        {"whitespace-only text", d + R"(<w:t xml:space="preserve"> </w:t>)", ""},
        {"tab and newline only", d + "<w:t xml:space=\"preserve\">\t\n</w:t>", ""},
        {"indentation between elements", d + "<a>\n  <b/>\n  <c>x</c>\n</a>", ""},
        {"Cyrillic text and entities", d + "<w:t>Опись &amp; дело &lt;1&gt; \"x\"</w:t>", ""},
        {"attributes and unknown namespaces",
         d + R"(<w:document xmlns:w="urn:w" xmlns:mc="urn:mc" xmlns:w14="urn:w14" mc:Ignorable="w14">)"
             R"(<w:p w14:paraId="1A2B3C4D" w:rsidR="00AB"><w14:x a="&amp;&lt;&quot;"/></w:p></w:document>)",
         ""},
        {"comment, processing instruction, CDATA",
         d + "<a><!-- note --><?mso-application progid=\"Word\"?><![CDATA[<x>]]></a>", ""},
        {"no declaration added", "<a/>", ""},
        {"empty elements", d + "<a><b></b><c/></a>", d + "<a><b/><c/></a>"},
        {"byte order mark dropped", "\xEF\xBB\xBF" + d + "<a/>", d + "<a/>"},
        {"line break after the declaration", d + "\r\n<a>x</a>", d + "<a>x</a>"},
        {"greater-than in text", d + "<a>1 > 0</a>", d + "<a>1 &gt; 0</a>"},
        {"carriage return kept as a reference", d + "<a>x&#13;y</a>", ""},
        {"attribute whitespace references kept", d + "<a v=\"x&#13;&#10;&#9;y\"/>",
         d + "<a v=\"x&#13;&#10;&#09;y\"/>"},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.Label);
        ooxml::Package package = PackageWith(c.Input);
        const pugi::xml_document document = ooxml::ParsePart(package, "word/document.xml");
        EXPECT_EQ(ooxml::SerializePart(document), c.Expected.empty() ? c.Input : c.Expected);
        EXPECT_EQ(Streamed(document), ooxml::SerializePart(document));
    }
}

// A story written piece by piece is the story written whole: containers opened child by child
// near the root, deeper ones and everything else whole, across many pieces.
TEST(XmlPartTest, APartWrittenInPiecesIsThePartWrittenWhole) {
    std::string rows;
    for (int row = 0; row < 4000; ++row)
        rows += "<w:tr><w:tc><w:p><w:r><w:t xml:space=\"preserve\">" + std::to_string(row) +
                " x&#13;y &amp; \"z\"</w:t></w:r></w:p></w:tc><w:tc/></w:tr>";
    const std::string deep = "<a><b><c><d><e><f><g h=\"1\"><i>x</i></g></f></e></d></c></b></a>";
    const std::vector<std::string> bodies = {
        "<w:tbl>" + rows + "</w:tbl>",
        "<w:sdt><w:sdtPr/><w:sdtContent><w:tbl>" + rows + "</w:tbl></w:sdtContent></w:sdt><w:p/>",
        "<!-- c --><w:p w:rsidR=\"00A&amp;B\">" + deep + "</w:p><?pi x?><w:p></w:p>",
        // Start tags of opened containers written directly, and those with something to escape.
        "<w:tbl w:a=\"\" w:b=\"x y\"><w:tr w:rsidR=\"1\" w:q=\"&quot;&apos;&gt;\">"
        "<w:tc w:v=\"a&#9;b&#13;c\"><w:p/></w:tc></w:tr><w:tr w:amp=\"&amp;&lt;\">x<w:tc/></w:tr></w:tbl>",
    };
    const ooxml::XmlPartWriter::WholeTest rowsWhole = [](pugi::xml_node element) {
        return std::strcmp(element.name(), "w:tr") == 0;
    };
    for (const std::string& body : bodies) {
        ooxml::Package package = PackageWith(DocumentXml(body));
        const pugi::xml_document document = ooxml::ParsePart(package, "word/document.xml");
        EXPECT_EQ(Streamed(document), ooxml::SerializePart(document));
        EXPECT_EQ(Streamed(document, rowsWhole), ooxml::SerializePart(document));
    }
}

TEST(XmlPartTest, WhitespaceOnlyRunTextIsReadable) {
    ooxml::Package package =
        PackageWith(DocumentXml(R"(<w:p><w:r><w:t xml:space="preserve"> </w:t></w:r></w:p>)"));
    pugi::xml_document document = ooxml::ParsePart(package, "word/document.xml");
    EXPECT_STREQ(document.select_node("//w:t").node().text().get(), " ");
}

TEST(XmlPartTest, MalformedXmlNamesThePartAndTheOffset) {
    const std::string bad = DocumentXml("<w:p><w:r><w:t>text</w:r></w:p>");
    ooxml::Package package = PackageWith(bad);
    try {
        ooxml::ParsePart(package, "word/document.xml");
        FAIL() << "parsed";
    } catch (const text::Error& error) {
        EXPECT_EQ(error.Message(),
                  std::string(ooxml::messages::kBadXmlPrefix) + "word/document.xml: part.docx");
        // The offset points at the end tag that does not match.
        std::size_t at = error.Detail().find("offset ");
        ASSERT_NE(at, std::string::npos) << error.Detail();
        std::size_t offset = std::stoul(error.Detail().substr(at + 7));
        EXPECT_EQ(bad.substr(offset - 2, 6), "</w:r>") << error.Detail();
        EXPECT_NE(error.Detail().find("(line 2, column "), std::string::npos) << error.Detail();
    }
}

TEST(XmlPartTest, AMissingPartIsAnEmptyDocument) {
    ooxml::Package package = PackageWith(DocumentXml(""));
    EXPECT_FALSE(ooxml::ParsePart(package, "word/numbering.xml").first_child());
}

}  // namespace
}  // namespace tabulex::word::docx
