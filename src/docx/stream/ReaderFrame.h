#pragma once

// What the streaming reader of the main story keeps per open element: what the element's children
// are to the DOM path's walks (tables, paragraphs of a range, inline content) and what the element
// itself is to the reader.

#include "docx/StructureVocabulary.h"
#include "docx/stream/ReaderNames.h"

#include <cstdint>

namespace tabulex::word::docx::stream {

// What the children of an element are to the tables (StructureVocabulary.h), and whether a row's or
// cell's range looks for paragraphs in it.
using Block = structure::Holds;
using Reach = structure::Reach;
enum class Inline : std::uint8_t { None, Container, Run, Math, Sdt, Alt, AltRun };  // InlineWalker

// What an element itself is to the reader.
enum class Role : std::uint8_t {
    Other,
    Root,
    TopTable,
    TopRow,
    TopCell,
    Table,  // any other w:tbl
    NestedRow,
    NestedCell,
    BlocksWrapper,
    Paragraph,
    Run,
    Text,
    Drawing,
    Pict,
    PPr,
    NumPr,
    MarkRPr,
    RunRPr,
    TrPr,
    TblGrid,
    TblPr,
    TcPr,
};

// "First child named X" as pugixml's child() finds it: one bit per name taken.
enum Seen : std::uint16_t {
    kBody = 1 << 0,
    kSdtContent = 1 << 1,
    kChoice = 1 << 2,
    kPPr = 1 << 3,
    kRPr = 1 << 4,
    kTblPr = 1 << 5,
    kTblGrid = 1 << 6,
    kTrPr = 1 << 7,
    kPStyle = 1 << 8,
    kKeepNext = 1 << 9,
    kB = 1 << 10,
    kRStyle = 1 << 11,
    kTblStyle = 1 << 12,
    kCantSplit = 1 << 13,
    kTcPr = 1 << 14,
    kVMerge = 1 << 15,
    // The bits are kept per frame: a row's properties never take a table style.
    kTblHeader = kTblStyle,
};

// Properties are looked for among the first elements only (styles::PropertiesOf).
constexpr int kLookahead = 8;

struct Frame {
    stream::Name Name = Name::Other;
    stream::Role Role = Role::Other;
    structure::StructureKind Kind = structure::StructureKind::Other;
    stream::Block Block = Block::Nothing;
    stream::Block SdtBlock = Block::Nothing;  // a w:sdt: what its first w:sdtContent continues
    Reach RowReach = Reach::No;
    Reach CellReach = Reach::No;
    Inline Inl = Inline::None;
    Inline SdtInline = Inline::None;
    bool Enters = false;  // list numbering visits the children
    bool Nested = false;  // inside a top-level cell
    bool TracksText = false;
    bool KeptChild = false;  // has a child node pugixml keeps
    bool LastWasParagraph = false;
    bool Flag = false;    // w:drawing: in line; w:pict: floating
    bool Inert = false;   // nothing below matters to any walk: its subtree is skipped
    bool Merged = false;  // inside a cell that continues a vertical merge: nothing shown, nothing counted
    std::uint16_t Seen = 0;
    std::uint8_t Elements = 0;
    std::int16_t Table = -1;  // the nearest enclosing w:tbl in tables_
    std::int16_t Run = -1;    // the w:r this content belongs to, in runs_

    // No walk of the DOM path looks into the element: it is no table, row, cell, paragraph, run
    // part or property the reader reads, no range reaches through it, list numbering does not
    // enter it, and it holds no text. A w:tbl below one has no paragraph that counts or is read.
    bool IsInert() const {
        return Role == Role::Other && Block == Block::Nothing && SdtBlock == Block::Nothing &&
               RowReach == Reach::No && CellReach == Reach::No && Inl == Inline::None && !Enters &&
               !TracksText;
    }

    bool Take(stream::Seen bit) {
        if (Seen & bit) return false;
        Seen = static_cast<std::uint16_t>(Seen | bit);
        return true;
    }
};

}  // namespace tabulex::word::docx::stream
