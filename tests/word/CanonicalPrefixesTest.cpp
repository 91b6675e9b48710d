// The main story's prefixes are made usual after a shorter survey when the count of "xmlns" in its
// text shows that only the root declares namespaces: both ways give the same tree.

#include "ooxml/CanonicalPrefixes.h"

#include "ooxml/XmlPart.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulex::ooxml {
namespace {

constexpr const char* kW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

std::string Canonical(const std::string& xml, bool counted) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(xml.c_str()));
    if (counted)
        UseCanonicalPrefixes(document, CountXmlns(xml));
    else
        UseCanonicalPrefixes(document);
    return SerializePart(document);
}

TEST(CanonicalPrefixesTest, CountedSurveyGivesTheFullSurveysTree) {
    const std::string w = kW;
    const struct {
        const char* Label;
        std::string Xml;
        const char* Expected;  // a fragment of the result
    } cases[] = {
        {"usual prefixes on the root",
         "<w:document xmlns:w=\"" + w + "\"><w:body><w:p/></w:body></w:document>", "<w:p/>"},
        {"another prefix on the root", "<ns0:document xmlns:ns0=\"" + w + "\"><ns0:body/></ns0:document>",
         "<w:body/>"},
        {"w bound again below the root",
         "<w:document xmlns:w=\"" + w +
             "\"><w:body><w:p xmlns:w=\"urn:other\"><w:r/></w:p></w:body></w:document>",
         "<w:r/>"},
        {"a declaration below the root only",
         "<root><ns0:body xmlns:ns0=\"" + w + "\"><ns0:p/></ns0:body></root>", "<w:p/>"},
        {"xmlns in a text and a nested declaration",
         "<w:document xmlns:w=\"" + w + "\"><w:t>xmlns</w:t><x:p xmlns:x=\"" + w + "\"/></w:document>",
         "<w:p"},
        {"xmlns in a comment only",
         "<ns0:document xmlns:ns0=\"" + w + "\"><!-- xmlns --><ns0:p/></ns0:document>", "<w:p/>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Label);
        const std::string full = Canonical(c.Xml, false);
        EXPECT_EQ(Canonical(c.Xml, true), full);
        EXPECT_NE(full.find(c.Expected), std::string::npos) << full;
    }
}

TEST(CanonicalPrefixesTest, CountsEveryOccurrence) {
    EXPECT_EQ(CountXmlns(""), 0u);
    EXPECT_EQ(CountXmlns("<a xmlns=\"u\" xmlns:b=\"v\">xmlnsxmlns</a>"), 4u);
}

}  // namespace
}  // namespace tabulex::ooxml
