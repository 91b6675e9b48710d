#pragma once

// Range handles: a table row, a table cell, or the whole main story of a DocxDocument.

#include "word/WordModel.h"

#include <pugixml.hpp>

#include <memory>

namespace tabulex::word::docx {

class DocxDocument;

enum class RangeKind { Story, Row, Cell };

// What a handle points at, with the document generation it was taken in: a handle taken before a
// structural edit (row or table removed) fails with Word's "object deleted" instead of touching
// freed nodes.
struct NodeRef {
    DocxDocument* document = nullptr;
    pugi::xml_node node;
    unsigned generation = 0;

    pugi::xml_node Get() const;  // throws word::Error when stale
};

NodeRef MakeRef(DocxDocument& document, pugi::xml_node node);
std::unique_ptr<word::Range> MakeRange(NodeRef ref, RangeKind kind);

}  // namespace tabulex::word::docx
