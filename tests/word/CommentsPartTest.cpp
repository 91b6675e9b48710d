// Comments added to a document that already has some: whatever prefix (or none) its comments part
// binds the namespace to, wherever its relationship puts the part, and whatever ids its comments
// and stray marks use, the copy is well-formed with every name bound, the part stays one zip
// entry under its real name, and every comment id is taken once and is a non-negative int.

#include "DocxTestPackage.h"
#include "docx/CommentIds.h"
#include "docx/CommentsPart.h"
#include "ooxml/Package.h"
#include "ooxml/PartNames.h"
#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <expat.h>

#include <climits>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace tabulex::word::docx {
namespace {

using testing::P;
using testing::Tbl;
using testing::Tc;
using testing::Tr;

constexpr std::string_view kW = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// What a namespace-aware parser sees of a part: the ids of its comments, and of the comment marks.
struct SeenIds {
    std::vector<long long> Comments;
    std::vector<long long> Marks;
};

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto& seen = *static_cast<SeenIds*>(data);
    const std::string prefix = std::string(kW) + " ";
    const std::string_view element = name;
    if (!element.starts_with(prefix)) return;
    const std::string_view local = element.substr(prefix.size());
    std::vector<long long>* into = local == "comment"             ? &seen.Comments
                                   : local == "commentRangeStart" ? &seen.Marks
                                   : local == "commentReference"  ? &seen.Marks
                                                                  : nullptr;
    if (into == nullptr) return;
    for (const XML_Char** a = attributes; *a != nullptr; a += 2)
        if (prefix + "id" == a[0]) into->push_back(std::strtoll(a[1], nullptr, 10));
}

// Parses with namespaces: an unbound prefix fails the parse.
bool ParseWithNamespaces(const std::string& xml, SeenIds& seen) {
    XML_Parser parser = XML_ParserCreateNS(nullptr, ' ');
    XML_SetUserData(parser, &seen);
    XML_SetStartElementHandler(parser, OnStart);
    const bool ok = XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    return ok;
}

const std::string kCommentsXml =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:comments xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:comment w:id="ID" w:author="A"><w:p><w:r><w:t>old</w:t></w:r></w:p></w:comment></w:comments>)";

std::string Story(const std::string& markId) {
    const std::string marked = "<w:p><w:commentRangeStart w:id=\"" + markId +
                               "\"/><w:r><w:t>x</w:t></w:r><w:commentRangeEnd w:id=\"" + markId +
                               "\"/><w:r><w:commentReference w:id=\"" + markId + "\"/></w:r></w:p>";
    return marked + Tbl(Tr(Tc(P("1")) + Tc(P("a"))) + Tr(Tc(P("2")) + Tc(P("b"))));
}

// A package whose main story carries one comment with `markId`, its comments part written by
// `commentsXml` (empty: none) and related by `target`.
ooxml::Package Inventory(const std::string& markId, const std::string& commentsXml,
                         const std::string& target) {
    const std::string bytes =
        ooxml::BuildDocxBytes({ooxml::WrapBody(Story(markId)), ooxml::DefaultStylesXml(), {}});
    ooxml::Package package = ooxml::Package::FromBytes(bytes, "opis.docx");
    if (commentsXml.empty()) return package;
    const std::string partName = ooxml::ResolveTarget("word/document.xml", target);
    package.SetBytes(partName, commentsXml);
    std::string rels = package.Bytes("word/_rels/document.xml.rels");
    rels.insert(
        rels.rfind("</Relationships>"),
        R"(<Relationship Id="rId99" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/comments" Target=")" +
            target + "\"/>");
    package.SetBytes("word/_rels/document.xml.rels", rels);
    return package;
}

CommentSet TwoComments() {
    CommentSet set;
    set.Table = 1;
    set.Author = text::Utf8ToCp1251("Табулекс");
    set.Date = "2026-12-08T00:00:00Z";
    set.Cells = {{1, 2, {"first"}}, {2, 1, {"second"}}};
    return set;
}

TEST(CommentsPartTest, NewCommentsFitTheExistingPartWhateverItsPrefixPlaceAndIds) {
    const struct {
        const char* What;
        std::string MarkId;
        std::string CommentsXml;  // ID is the existing comment's id
        std::string Target;
        std::string PartName;
    } cases[] = {
        {"the usual form", "0", kCommentsXml, "comments.xml", "word/comments.xml"},
        {"another prefix", "0", ReplaceAll(ReplaceAll(kCommentsXml, "w:", "x:"), "xmlns:w=", "xmlns:x="),
         "comments.xml", "word/comments.xml"},
        {"the default namespace", "0",
         ReplaceAll(
             ReplaceAll(
                 ReplaceAll(
                     kCommentsXml, "xmlns:w=",
                     R"(xmlns="http://schemas.openxmlformats.org/wordprocessingml/2006/main" xmlns:w=)"),
                 "<w:", "<"),
             "</w:", "</"),
         "comments.xml", "word/comments.xml"},
        {"w bound elsewhere", "0",
         ReplaceAll(ReplaceAll(ReplaceAll(kCommentsXml, "w:", "x:"), "xmlns:w=", "xmlns:x="), "<x:comments ",
                    R"(<x:comments xmlns:w="urn:other" )"),
         "comments.xml", "word/comments.xml"},
        {"a part outside word/", "0", kCommentsXml, "../comments.xml", "comments.xml"},
        {"an absolute target", "0", kCommentsXml, "/word/./notes/../comments.xml", "word/comments.xml"},
        {"an orphan mark, no comments part", "0", "", "", "word/comments.xml"},
        {"an orphan mark at the top of int", "2147483647", "", "", "word/comments.xml"},
        {"a comment at the top of int", "2147483647", kCommentsXml, "comments.xml", "word/comments.xml"},
        {"a comment id too large for any int", "99999999999999999999", kCommentsXml, "comments.xml",
         "word/comments.xml"},
    };
    for (const auto& c : cases)
        [&] {
            SCOPED_TRACE(c.What);
            ooxml::Package package = Inventory(c.MarkId, ReplaceAll(c.CommentsXml, "ID", c.MarkId), c.Target);
            ASSERT_EQ(AddComments(package, TwoComments()), 2);
            const ooxml::Package saved = ooxml::Package::FromBytes(package.ToBytes(), "copy.docx");
            for (const std::string& name : saved.PartNames())
                EXPECT_EQ(name.find(".."), std::string::npos) << name;
            ASSERT_TRUE(saved.Has(c.PartName));

            SeenIds comments, story;
            ASSERT_TRUE(ParseWithNamespaces(saved.Bytes(c.PartName), comments)) << saved.Bytes(c.PartName);
            ASSERT_TRUE(ParseWithNamespaces(saved.Bytes("word/document.xml"), story));
            ASSERT_EQ(comments.Comments.size(), c.CommentsXml.empty() ? 2u : 3u);
            std::map<long long, int> uses;
            for (long long id : comments.Comments) ++uses[id];
            for (long long id : story.Marks)
                EXPECT_TRUE(id == std::strtoll(c.MarkId.c_str(), nullptr, 10) || uses.count(id)) << id;
            // The new ones: taken once, in Word's range, not the id of the mark already there.
            for (long long id : {comments.Comments[comments.Comments.size() - 2], comments.Comments.back()}) {
                EXPECT_EQ(uses[id], 1) << id;
                EXPECT_GE(id, 0);
                EXPECT_LE(id, INT_MAX);
                EXPECT_NE(std::to_string(id), c.MarkId);
            }
        }();
}

TEST(CommentsPartTest, FreeIdBlocksGoAboveEveryIdOrIntoTheFirstGapThatHoldsThem) {
    const struct {
        std::vector<long long> Used;
        int Count;
        int First;
    } cases[] = {
        {{}, 3, 0},
        {{0, 1, 5}, 2, 6},
        {{-4, 2}, 1, 3},
        {{INT_MAX}, 2, 0},
        {{0, 1, 3, INT_MAX - 1}, 2, 4},
        {{0, 2, 4, 8, INT_MAX}, 3, 5},
        {{INT_MAX - 3}, 3, INT_MAX - 2},
        {{LLONG_MAX}, 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FreeIdBlock(c.Used, c.Count), c.First) << ::testing::PrintToString(c.Used);
}

TEST(CommentsPartTest, RelationshipTargetsResolveAsPackageRulesSay) {
    const struct {
        const char* Target;
        const char* Part;
    } cases[] = {
        {"comments.xml", "word/comments.xml"},
        {"../comments.xml", "comments.xml"},
        {"../../../comments.xml", "comments.xml"},
        {"/word/comments.xml", "word/comments.xml"},
        {"./sub/../c.xml", "word/c.xml"},
        {"c.xml#part", "word/c.xml"},
        {"#fragment", ""},
        {"..", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ooxml::ResolveTarget("word/document.xml", c.Target), c.Part) << c.Target;
}

}  // namespace
}  // namespace tabulex::word::docx
