#pragma once

// Range handles: a table row, a table cell, or the whole main story of a DocxDocument.

#include "docx/CompactStory.h"
#include "word/WordModel.h"

#include <pugixml.hpp>

#include <memory>

namespace tabulex::word::docx {

class DocxDocument;

enum class RangeKind { Story, Row, Cell };

// What a handle points at, with the document generation it was taken in: a handle taken before a
// structural edit (row or table removed) fails with Word's "object deleted" instead of touching
// freed nodes. A handle taken while the document answers from its compact model holds the place
// of its row or cell instead, and finds the node when it first needs one.
struct NodeRef {
    DocxDocument* Document = nullptr;
    mutable pugi::xml_node Node;
    unsigned Generation = 0;
    unsigned Serial = 0;
    StoryPlace Place;

    pugi::xml_node Get() const;  // throws text::Error when stale
    // The compact model while the document still answers from it (`place` is then set), else null;
    // throws text::Error when stale.
    const CompactStory* Compact() const;
};

NodeRef MakeRef(DocxDocument& document, pugi::xml_node node);
NodeRef MakeRef(DocxDocument& document, const StoryPlace& place);
std::unique_ptr<word::Range> MakeRange(NodeRef ref, RangeKind kind);

}  // namespace tabulex::word::docx
