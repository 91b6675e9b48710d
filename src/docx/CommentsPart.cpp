#include "docx/CommentsPart.h"

#include "docx/CommentAnchors.h"
#include "docx/CommentIds.h"
#include "docx/ContentEdit.h"
#include "docx/XmlNamespaces.h"
#include "ooxml/PartNames.h"
#include "ooxml/PartRegistration.h"
#include "ooxml/XmlPart.h"
#include "text/Cp1251.h"

#include <pugixml.hpp>

#include <charconv>
#include <climits>
#include <vector>

namespace tabulex::word::docx {
namespace {

constexpr const char* kMainPart = "word/document.xml";
constexpr const char* kMainRels = "word/_rels/document.xml.rels";
constexpr const char* kCommentsType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.comments+xml";
constexpr const char* kCommentsRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/comments";
constexpr const char* kWordNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The comments part the main story's relationships name (strict documents name the type under
// another namespace), or an empty name.
std::string CommentsPartName(const pugi::xml_document& rels) {
    for (pugi::xml_node rel : rels.document_element().children("Relationship")) {
        if (!EndsWith(rel.attribute("Type").value(), "/relationships/comments")) continue;
        if (std::string_view(rel.attribute("TargetMode").value()) == "External") continue;
        std::string name = ooxml::ResolveTarget(kMainPart, rel.attribute("Target").value());
        if (!name.empty()) return name;
    }
    return {};
}

// The part's bytes, with the XML declaration Word writes when the part has none.
std::string PartBytes(pugi::xml_document& part) {
    if (part.first_child().type() != pugi::node_declaration) {
        pugi::xml_node declaration = part.prepend_child(pugi::node_declaration);
        declaration.append_attribute("version") = "1.0";
        declaration.append_attribute("encoding") = "UTF-8";
        declaration.append_attribute("standalone") = "yes";
    }
    return ooxml::SerializePart(part);
}

// The w:id of the existing comments, whatever prefix the part binds the namespace to.
std::vector<long long> CommentIds(const pugi::xml_node comments) {
    std::vector<long long> ids;
    for (pugi::xml_node comment : comments.children()) {
        if (!IsElement(comment, kWordNamespace, "comment")) continue;
        const std::string_view value = NamespacedAttribute(comment, kWordNamespace, "id").value();
        long long id = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), id);
        if (error == std::errc::result_out_of_range) id = LLONG_MAX;
        if (error == std::errc() || error == std::errc::result_out_of_range) ids.push_back(id);
    }
    return ids;
}

// The new comments are written with the prefix w; a part that binds w to something else, or
// uses another prefix or the default namespace, gets the binding on each new comment.
void AppendComment(pugi::xml_node comments, int id, const CommentSet& set,
                   const std::vector<std::string>& lines) {
    pugi::xml_node comment = comments.append_child("w:comment");
    if (BoundNamespace(comments, "w") != kWordNamespace) comment.append_attribute("xmlns:w") = kWordNamespace;
    comment.append_attribute("w:id") = id;
    comment.append_attribute("w:author") = text::Cp1251ToUtf8(set.Author).c_str();
    comment.append_attribute("w:date") = set.Date.c_str();
    comment.append_attribute("w:initials") = text::Cp1251ToUtf8(set.Initials).c_str();
    bool first = true;
    for (const std::string& line : lines) {
        pugi::xml_node paragraph = comment.append_child("w:p");
        if (first) paragraph.append_child("w:r").append_child("w:annotationRef");
        first = false;
        // A line break or tab of a cell's text as Word's own elements: XML cannot hold them as text.
        AppendRunContent(paragraph.append_child("w:r"), text::Cp1251ToUtf8(line));
    }
}

}  // namespace

int AddComments(ooxml::Package& package, const CommentSet& comments) {
    pugi::xml_document rels = ooxml::ParsePart(package, kMainRels);
    std::string partName = CommentsPartName(rels);
    const bool related = !partName.empty();
    if (!related) partName = "word/comments.xml";

    pugi::xml_document part;
    if (package.Has(partName)) part = ooxml::ParsePart(package, partName);
    pugi::xml_node root = part.document_element();
    if (!root) {
        root = part.append_child("w:comments");
        root.append_attribute("xmlns:w") = kWordNamespace;
    }
    std::vector<long long> used = CommentIds(root);
    const std::string& mainStory = package.Bytes(kMainPart);
    CollectCommentMarkIds(mainStory, kMainPart, used);
    const int firstId =
        FreeIdBlock(std::move(used), static_cast<int>(comments.Cells.size() + comments.Paragraphs.size()));

    AnchoredStory story = AnchorComments(mainStory, comments, firstId);
    int placed = 0;
    auto add = [&](std::size_t index, const std::vector<std::string>& lines) {
        if (!story.Placed[index]) return;
        AppendComment(root, firstId + static_cast<int>(index), comments, lines);
        ++placed;
    };
    for (std::size_t k = 0; k < comments.Cells.size(); ++k) add(k, comments.Cells[k].Lines);
    for (std::size_t k = 0; k < comments.Paragraphs.size(); ++k)
        add(comments.Cells.size() + k, comments.Paragraphs[k].Lines);
    if (placed == 0) return 0;

    package.SetBytes(kMainPart, std::move(story.Xml));
    package.SetBytes(partName, PartBytes(part));
    if (!related) ooxml::RegisterMainRelationship(package, kCommentsRelationship, "comments.xml");
    ooxml::RegisterContentType(package, partName, kCommentsType);
    return placed;
}

}  // namespace tabulex::word::docx
