// The paragraphs after a table read from a piece of document.xml as Range.Text reads paragraphs:
// the same characters for the same markup, whatever prefix the document binds, and a cut piece
// read up to the cut.

#include "docx/LeadingParagraphs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabulex::word::docx {
namespace {

const std::string kMain = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
const std::string kW = " xmlns:w=\"" + kMain + "\"";

std::string R(const std::string& content) {
    return "<w:r>" + content + "</w:r>";
}
std::string T(const std::string& text) {
    return "<w:t xml:space=\"preserve\">" + text + "</w:t>";
}
std::string P(const std::string& content) {
    return "<w:p>" + content + "</w:p>";
}

const std::string kCertification =
    "</w:sdtContent></w:sdt>" + P(R("<w:t>В данную</w:t>") + R("<w:tab/>" + T(" опись"))) + "<w:p/>" +
    P(R("<w:t>литерные</w:t>")) + "<w:tbl><w:tr><w:tc>" + P(R("<w:t>no</w:t>")) + "</w:tc></w:tr></w:tbl>" +
    P(R("<w:t>после</w:t>"));

struct Fragment {
    const char* Name;
    std::string Xml;
    std::size_t Max;
    std::vector<std::string> Texts;
    std::string Declarations = kW;
};

const std::vector<Fragment> kFragments = {
    {"UpToATable", kCertification, 10, {"В данную\t опись", "", "литерные"}},
    {"AtMostTheParagraphsAsked", kCertification, 1, {"В данную\t опись"}},
    {"CutInsideTheThirdParagraph", kCertification.substr(0, 150), 10, {"В данную\t опись", ""}},
    {"OtherPrefixOfTheMainNamespace",
     "<ns0:p><ns0:r><ns0:t>итого</ns0:t></ns0:r></ns0:p>",
     10,
     {"итого"},
     " xmlns:ns0=\"" + kMain + "\""},
    {"DefaultNamespace", "<p><r><t>итого</t></r></p>", 10, {"итого"}, " xmlns=\"" + kMain + "\""},
    {"WBoundElsewhereIsNotWordprocessingML", P(R("<w:t>чужое</w:t>")), 10, {}, " xmlns:w=\"urn:other\""},
    {"InlineVocabulary",
     P(R("<w:t>1941</w:t><w:noBreakHyphen/><w:t>1945</w:t><w:br/><w:t>а</w:t><w:br w:type=\"page\"/>")),
     10,
     {"1941\x1E"
      "1945\x0B"
      "а\x0C"}},
    {"HyperlinksAndContentControlsShowTheirRuns",
     P("<w:hyperlink>" + R("<w:t>в</w:t>") + "</w:hyperlink><w:sdt><w:sdtContent>" + R("<w:t>сего</w:t>") +
       "</w:sdtContent></w:sdt>"),
     10,
     {"всего"}},
    {"DeletedAndMovedAwayTextIsHidden",
     P("<w:del>" + R("<w:delText>было</w:delText>") + "</w:del><w:moveFrom>" + R("<w:t>ушло</w:t>") +
       "</w:moveFrom><w:ins>" + R("<w:t>стало</w:t>") + "</w:ins>"),
     10,
     {"стало"}},
    {"FieldShowsItsResult",
     P(R("<w:fldChar w:fldCharType=\"begin\"/>") + R("<w:instrText>PAGE</w:instrText>") +
       R("<w:fldChar w:fldCharType=\"separate\"/>") + R("<w:t>7</w:t>") +
       R("<w:fldChar w:fldCharType=\"end\"/>")),
     10,
     {"7"}},
    {"ParagraphsInsideWrappers",
     "<w:sdt><w:sdtContent>" + P(R("<w:t>а</w:t>")) + "</w:sdtContent></w:sdt>" + "<w:customXml>" +
         P(R("<w:t>б</w:t>")) + "</w:customXml>",
     10,
     {"а", "б"}},
    {"PastTheEndTagsOfTheTablesWrappers",
     P(R("<w:t>а</w:t>")) + "</w:sdtContent></w:sdt>" + P(R("<w:t>б</w:t>")) + "</w:customXml>" +
         P(R("<w:t>в</w:t>")) + "<w:tbl/>" + P(R("<w:t>после</w:t>")),
     10,
     {"а", "б", "в"}},
    {"BrokenMarkupEndsTheList", P(R("<w:t>а</w:t>")) + "<w:p><w:r></w:p>" + P(R("<w:t>б</w:t>")), 10, {"а"}},
    {"Empty", "", 10, {}},
};

class LeadingParagraphsTest : public ::testing::TestWithParam<Fragment> {};

TEST_P(LeadingParagraphsTest, ReadsTheParagraphsAsRangeText) {
    const Fragment& f = GetParam();
    EXPECT_EQ(LeadingParagraphTexts(f.Xml, f.Declarations, f.Max), f.Texts);
}

INSTANTIATE_TEST_SUITE_P(Fragments, LeadingParagraphsTest, ::testing::ValuesIn(kFragments),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tabulex::word::docx
