#include "docx/stream/Reader.h"

namespace tabulex::word::docx::stream {

// Tables, rows, cells and the blocks of cells, as the structure both readers share places them
// (StructureVocabulary.h).
void Reader::Structure(Frame& parent, Frame& child) {
    using structure::StructureKind;
    const StructureKind kind = child.Kind;
    const bool firstContent = kind == StructureKind::ControlContent &&
                              parent.Kind == StructureKind::ContentControl && !(parent.Seen & kSdtContent);
    if (firstContent && parent.SdtBlock != Block::Nothing) {
        child.Block = parent.SdtBlock;
        if (child.Block == Block::CellBlocks) child.Role = Role::BlocksWrapper;
        return;
    }
    const Block holds = parent.Block;
    if (holds == Block::Nothing) return;
    child.SdtBlock = structure::FirstContentHolds(holds, kind);
    child.Block = structure::ChildrenHold(holds, kind);
    if (kind == StructureKind::Wrapper) {
        if (holds == Block::CellBlocks) child.Role = Role::BlocksWrapper;
        return;
    }
    if (!structure::IsPart(holds, kind)) return;
    switch (kind) {
        case StructureKind::Table:
            if (holds == Block::Body) {
                child.Role = Role::TopTable;
                writer_.BeginTable();
            } else {
                child.Nested = true;
            }
            break;
        case StructureKind::Row:
            child.Role = parent.Nested ? Role::NestedRow : Role::TopRow;
            if (!parent.Nested) {
                writer_.BeginRow();
                rowTextFields_ = FieldState();
                rowRange_.Reset();
                cantSplit_ = false;
                tblHeader_ = false;
                child.RowReach = Reach::Yes;
            }
            break;
        case StructureKind::Cell:
            child.Role = parent.Nested ? Role::NestedCell : Role::TopCell;
            if (!parent.Nested) {
                StartTopCell();
                child.CellReach = Reach::Yes;
            }
            break;
        default:
            break;
    }
}

// The paragraphs of a row or cell range, as ForEachParagraphIn finds them.
void Reader::RangeReach(const Frame& parent, Frame& child) {
    auto next = [&](Reach reach) {
        if (reach == Reach::FirstContent)
            return child.Kind == structure::StructureKind::ControlContent && !(parent.Seen & kSdtContent)
                       ? Reach::Yes
                       : Reach::No;
        return reach == Reach::No ? Reach::No : structure::RangeReach(child.Kind);
    };
    if (child.RowReach == Reach::No) child.RowReach = next(parent.RowReach);
    if (child.CellReach == Reach::No) child.CellReach = next(parent.CellReach);
}

// Every w:tbl, wherever it stands, is an open table whose style its paragraphs are judged with.
void Reader::StartTable(Frame& child) {
    if (tables_.size() >= 0x7FFF) Unsupported();
    tables_.emplace_back();
    child.Table = static_cast<std::int16_t>(tables_.size() - 1);
    if (child.Role == Role::Other) child.Role = Role::Table;
}

void Reader::EndTable(const Frame&, Frame& parent) {
    tables_.pop_back();
    if (parent.Block == Block::CellBlocks) parent.LastWasParagraph = false;
}

// StoryText: a wrapper's last block decides whether its container ended with a paragraph, when
// the wrapper has any child at all.
void Reader::EndBlocksWrapper(const Frame& frame) {
    if (!frame.KeptChild) return;
    for (auto it = frames_.rbegin(); it != frames_.rend(); ++it) {
        if (it->Block == Block::CellBlocks) {
            it->LastWasParagraph = frame.LastWasParagraph;
            return;
        }
    }
}

void Reader::StartTopCell() {
    cellText_.clear();
    cellTextFields_ = FieldState();
    cellRange_.Reset();
}

void Reader::EndTopCell(const Frame& frame) {
    if (frame.LastWasParagraph) cellText_.pop_back();
    cellText_.append("\r\a");
    writer_.Text().append(cellText_);
    writer_.EndCell(cellRange_.List, cellRange_.Numbered, cellRange_.Bold(), cellRange_.Keep(), frame.Merged);
}

}  // namespace tabulex::word::docx::stream
