#pragma once

// The structure of the main story for every reader of document.xml: the DOM walks (Ooxml.h,
// InlineWalk.h, ListNumbering), the streaming reader (stream/) and the annotation reader
// (CommentAnchors.cpp). What an element of the main namespace is to tables (body, table, row,
// cell, paragraph, a wrapper whose content stands as if in its parent, properties that are read,
// something skipped whole), what the children of a container hold, and how a cell's vertical
// merge is read. A reader keeps its own state (a stack of frames or a tree) and asks here what
// the next element means in it; a new element is taught here once.
//
// Names are written with the usual prefix: the DOM renames every prefix of a namespace to its
// usual one when a part is read, the streaming readers match by namespace URI.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace tabulex::word::docx::structure {

enum class StructureKind : std::uint8_t {
    Other,  // nothing to the structure
    Document,
    Body,
    Table,
    Row,
    Cell,
    Paragraph,
    Wrapper,         // custom XML: its content stands as if in the wrapper's parent
    ContentControl,  // its first content stands as if in the control's parent
    ControlContent,
    TableProperties,
    TableGrid,
    GridColumn,
    RowProperties,
    CellProperties,
    VerticalMerge,
    Section,  // section properties: no paragraph of the story stands in them
};

struct StructureEntry {
    const char* QualifiedName;
    StructureKind Kind;
};

// The frequent names first: the DOM walks look names up in order.
inline constexpr StructureEntry kStructureVocabulary[] = {
    {"w:p", StructureKind::Paragraph},
    {"w:tc", StructureKind::Cell},
    {"w:tr", StructureKind::Row},
    {"w:tcPr", StructureKind::CellProperties},
    {"w:trPr", StructureKind::RowProperties},
    {"w:tbl", StructureKind::Table},
    {"w:sdt", StructureKind::ContentControl},
    {"w:sdtContent", StructureKind::ControlContent},
    {"w:customXml", StructureKind::Wrapper},
    {"w:tblPr", StructureKind::TableProperties},
    {"w:tblGrid", StructureKind::TableGrid},
    {"w:gridCol", StructureKind::GridColumn},
    {"w:vMerge", StructureKind::VerticalMerge},
    {"w:sectPr", StructureKind::Section},
    {"w:body", StructureKind::Body},
    {"w:document", StructureKind::Document},
};

inline StructureKind KindOf(const char* qualifiedName) {
    if (qualifiedName[0] != 'w' || qualifiedName[1] != ':') return StructureKind::Other;
    // The first letter tells most names apart before a whole comparison.
    for (const StructureEntry& entry : kStructureVocabulary)
        if (entry.QualifiedName[2] == qualifiedName[2] &&
            std::strcmp(entry.QualifiedName + 2, qualifiedName + 2) == 0)
            return entry.Kind;
    return StructureKind::Other;
}

// What the children of an element are to the tables of the story.
enum class Holds : std::uint8_t {
    Nothing,
    Body,        // blocks of the body: its tables are the top-level ones
    Rows,        // the rows of a table
    Cells,       // the cells of a row
    CellBlocks,  // the blocks of a cell: its tables are nested
};

// What the children of `child` hold, in a container whose children hold `parent`. Tables are met
// only among blocks, rows only in tables, cells only in rows; a wrapper passes its container's
// meaning on. A content control's own children hold nothing: see FirstContentHolds.
constexpr Holds ChildrenHold(Holds parent, StructureKind child) {
    switch (child) {
        case StructureKind::Wrapper:
            return parent;
        case StructureKind::Table:
            return parent == Holds::Body || parent == Holds::CellBlocks ? Holds::Rows : Holds::Nothing;
        case StructureKind::Row:
            return parent == Holds::Rows ? Holds::Cells : Holds::Nothing;
        case StructureKind::Cell:
            return parent == Holds::Cells ? Holds::CellBlocks : Holds::Nothing;
        default:
            return Holds::Nothing;
    }
}

// What the first content of a content control holds, when the control stands in a container whose
// children hold `parent`. Only the first: Word shows that one, a second is not its content.
constexpr Holds FirstContentHolds(Holds parent, StructureKind child) {
    return child == StructureKind::ContentControl ? parent : Holds::Nothing;
}

// Whether `child` is the element a container holding `parent` is made of: a table of the body or
// of a cell, a row of a table, a cell of a row.
constexpr bool IsPart(Holds parent, StructureKind child) {
    return child != StructureKind::Wrapper && ChildrenHold(parent, child) != Holds::Nothing;
}

// Whether the paragraphs of a range (a row, a cell, their content) are looked for in an element:
// every table, row, cell and wrapper below the range is entered, nested tables included; a content
// control is entered through its first content only. Text boxes stand in runs and are not entered.
enum class Reach : std::uint8_t { No, Yes, FirstContent };

constexpr Reach RangeReach(StructureKind child) {
    switch (child) {
        case StructureKind::Table:
        case StructureKind::Row:
        case StructureKind::Cell:
        case StructureKind::Wrapper:
        case StructureKind::ControlContent:
            return Reach::Yes;
        case StructureKind::ContentControl:
            return Reach::FirstContent;
        default:
            return Reach::No;
    }
}

// A cell's vertical merge, from the first w:vMerge of its first w:tcPr. Word shows only the
// merge's first cell: any value but "restart", none included, continues the merge above.
enum class VerticalMerge : std::uint8_t { None, Restart, Continue };

constexpr VerticalMerge MergeOf(bool present, std::string_view val) {
    if (!present) return VerticalMerge::None;
    return val == "restart" ? VerticalMerge::Restart : VerticalMerge::Continue;
}

}  // namespace tabulex::word::docx::structure
