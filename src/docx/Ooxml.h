#pragma once

// Small helpers over the WordprocessingML vocabulary as Word writes it (prefixes w:, wp:, v:, mc:).

#include "docx/StructureVocabulary.h"

#include <pugixml.hpp>

#include <cstring>

namespace tabulex::word::docx {

inline bool Is(pugi::xml_node node, const char* name) {
    return std::strcmp(node.name(), name) == 0;
}

// An OOXML on/off property: present without w:val, or with a value other than 0/false/off, is on.
inline bool OnOffValue(pugi::xml_node property) {
    if (!property) return false;
    pugi::xml_attribute val = property.attribute("w:val");
    if (!val) return true;
    const char* v = val.value();
    return !(std::strcmp(v, "0") == 0 || std::strcmp(v, "false") == 0 || std::strcmp(v, "off") == 0);
}

// The branch of mc:AlternateContent a consumer takes: the first mc:Choice, else mc:Fallback.
inline pugi::xml_node ChosenBranch(pugi::xml_node alternateContent) {
    if (pugi::xml_node choice = alternateContent.child("mc:Choice")) return choice;
    return alternateContent.child("mc:Fallback");
}

// Wrappers that hold block, row or cell content without changing its meaning (StructureVocabulary.h):
// the element whose children stand as if in the wrapper's parent, or an empty node.
inline pugi::xml_node WrapperContent(pugi::xml_node node) {
    switch (structure::KindOf(node.name())) {
        case structure::StructureKind::ContentControl:
            return node.child("w:sdtContent");
        case structure::StructureKind::Wrapper:
            return node;
        default:
            return {};
    }
}

// Calls f(node) for every child element with the given name, looking through content controls
// and custom XML (rows of a table, cells of a row, tables of the body, paragraphs of a cell).
template <class F>
void ForEachBlockNamed(pugi::xml_node container, const char* name, F&& f) {
    for (pugi::xml_node child : container.children()) {
        if (Is(child, name))
            f(child);
        else if (pugi::xml_node inner = WrapperContent(child))
            ForEachBlockNamed(inner, name, f);
    }
}

// The `n`th (1-based) element with the given name as ForEachBlockNamed meets them, or an empty node;
// `n` counts down the elements met on the way.
inline pugi::xml_node NthBlockNamed(pugi::xml_node container, const char* name, int& n) {
    for (pugi::xml_node child : container.children()) {
        if (Is(child, name)) {
            if (--n == 0) return child;
        } else if (pugi::xml_node inner = WrapperContent(child)) {
            if (pugi::xml_node found = NthBlockNamed(inner, name, n)) return found;
        }
    }
    return {};
}

template <class F>
void ForEachRowIn(pugi::xml_node table, F&& f) {
    ForEachBlockNamed(table, "w:tr", f);
}

template <class F>
void ForEachCellIn(pugi::xml_node row, F&& f) {
    ForEachBlockNamed(row, "w:tc", f);
}

// A cell that continues a vertical merge above it. Word shows only the merge's first cell: a
// continuation cell has no text and no list number of its own, whatever its paragraphs hold.
inline bool IsMergeContinuation(pugi::xml_node cell) {
    const pugi::xml_node merge = cell.child("w:tcPr").child("w:vMerge");
    return structure::MergeOf(merge, merge.attribute("w:val").value()) == structure::VerticalMerge::Continue;
}

// VML is floating when positioned absolutely; otherwise it sits in line with the text.
inline bool IsFloatingVml(pugi::xml_node pict) {
    for (pugi::xml_node shape : pict.children()) {
        if (std::strncmp(shape.name(), "v:", 2) != 0 || Is(shape, "v:shapetype")) continue;
        if (std::strstr(shape.attribute("style").value(), "position:absolute")) return true;
    }
    return false;
}

// The nearest enclosing w:tbl, or an empty node.
inline pugi::xml_node EnclosingTable(pugi::xml_node node) {
    for (pugi::xml_node n = node.parent(); n; n = n.parent())
        if (Is(n, "w:tbl")) return n;
    return {};
}

}  // namespace tabulex::word::docx
