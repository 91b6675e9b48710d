#pragma once

// Where comments go in the main story: one streaming pass over word/document.xml that finds the
// paragraphs of the targeted cells of a top-level table (and of the targeted paragraphs after it)
// and splices the comment range marks and reference runs into the bytes, leaving every other
// byte as it was.

#include "word/WordModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace tabulex::word::docx {

struct AnchoredStory {
    std::string Xml;
    // For each comment of the set (cells first, then paragraphs, in the set's order): whether its
    // marks were placed.
    std::vector<bool> Placed;
};

// `firstId` is the w:id of the set's first comment; the others follow in the same order.
// Throws text::Error when the XML does not parse.
AnchoredStory AnchorComments(std::string_view documentXml, const CommentSet& comments, int firstId);

// The namespace declarations of a document's root element, as attributes (` xmlns:w="..."`).
std::string RootNamespaceDeclarations(std::string_view documentXml);

}  // namespace tabulex::word::docx
