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

// The texts of the paragraphs at the start of an XML fragment (what follows a table's end tag), up
// to a table or the end of the fragment: runs' text, tabs as TAB, UTF-8. A fragment cut short or
// broken ends the list where it breaks.
// `declarations` are the namespace declarations the fragment's prefixes are bound by (those of the
// document's root, as RootNamespaceDeclarations gives them: ` xmlns:w="..."`).
std::vector<std::string> LeadingParagraphTexts(std::string_view fragment, std::string_view declarations,
                                               std::size_t maxParagraphs);

// The namespace declarations of a document's root element, as attributes (` xmlns:w="..."`).
std::string RootNamespaceDeclarations(std::string_view documentXml);

}  // namespace tabulex::word::docx
