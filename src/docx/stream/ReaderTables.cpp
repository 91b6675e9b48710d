#include "docx/stream/Reader.h"

namespace tabulex::word::docx::stream {

// Tables, rows, cells and the blocks of cells, as TableIndex and StoryText walk them.
void Reader::Structure(Frame& parent, Frame& child) {
    Block block = parent.Block;
    bool firstContent =
        child.Name == Name::SdtContent && parent.Name == Name::Sdt && !(parent.Seen & kSdtContent);
    if (firstContent && parent.SdtBlock != Block::None) {
        child.Block = parent.SdtBlock;
        if (child.Block == Block::Blocks) child.Role = Role::BlocksWrapper;
        return;
    }
    if (block == Block::None) return;
    if (child.Name == Name::Sdt) {
        child.SdtBlock = block;
        return;
    }
    if (child.Name == Name::CustomXml) {
        child.Block = block;
        if (block == Block::Blocks) child.Role = Role::BlocksWrapper;
        return;
    }
    switch (block) {
        case Block::Body:
            if (child.Name == Name::Tbl) {
                child.Role = Role::TopTable;
                child.Block = Block::Rows;
                writer_.BeginTable();
            }
            break;
        case Block::Rows:
            if (child.Name == Name::Tr) {
                child.Block = Block::Cells;
                child.Role = parent.Nested ? Role::NestedRow : Role::TopRow;
                if (!parent.Nested) {
                    writer_.BeginRow();
                    rowTextFields_ = FieldState();
                    rowRange_.Reset();
                    cantSplit_ = false;
                    tblHeader_ = false;
                    child.RowReach = Reach::Yes;
                }
            }
            break;
        case Block::Cells:
            if (child.Name == Name::Tc) {
                child.Block = Block::Blocks;
                child.Role = parent.Nested ? Role::NestedCell : Role::TopCell;
                if (!parent.Nested) {
                    StartTopCell();
                    child.CellReach = Reach::Yes;
                }
            }
            break;
        case Block::Blocks:
            if (child.Name == Name::Tbl) {
                child.Block = Block::Rows;
                child.Nested = true;
            }
            break;
        case Block::None:
            break;
    }
}

// The paragraphs of a row or cell range, as ForEachParagraphIn finds them.
void Reader::RangeReach(const Frame& parent, Frame& child) {
    auto next = [&](Reach reach) {
        if (reach == Reach::SdtFirst)
            return child.Name == Name::SdtContent && !(parent.Seen & kSdtContent) ? Reach::Yes : Reach::No;
        if (reach == Reach::No) return Reach::No;
        switch (child.Name) {
            case Name::Tbl:
            case Name::Tr:
            case Name::Tc:
            case Name::CustomXml:
            case Name::SdtContent:
                return Reach::Yes;
            case Name::Sdt:
                return Reach::SdtFirst;
            default:
                return Reach::No;
        }
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
    if (parent.Block == Block::Blocks) parent.LastWasParagraph = false;
}

// StoryText: a wrapper's last block decides whether its container ended with a paragraph, when
// the wrapper has any child at all.
void Reader::EndBlocksWrapper(const Frame& frame) {
    if (!frame.KeptChild) return;
    for (auto it = frames_.rbegin(); it != frames_.rend(); ++it) {
        if (it->Block == Block::Blocks) {
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
