#include "word/docx/StreamReader.h"

namespace tabulex::word::docx::stream {

// Tables, rows, cells and the blocks of cells, as TableIndex and StoryText walk them.
void Reader::Structure(Frame& parent, Frame& child) {
    Block block = parent.block;
    bool firstContent =
        child.name == Name::SdtContent && parent.name == Name::Sdt && !(parent.seen & kSdtContent);
    if (firstContent && parent.sdtBlock != Block::None) {
        child.block = parent.sdtBlock;
        if (child.block == Block::Blocks) child.role = Role::BlocksWrapper;
        return;
    }
    if (block == Block::None) return;
    if (child.name == Name::Sdt) {
        child.sdtBlock = block;
        return;
    }
    if (child.name == Name::CustomXml) {
        child.block = block;
        if (block == Block::Blocks) child.role = Role::BlocksWrapper;
        return;
    }
    switch (block) {
        case Block::Body:
            if (child.name == Name::Tbl) {
                child.role = Role::TopTable;
                child.block = Block::Rows;
                writer_.BeginTable();
            }
            break;
        case Block::Rows:
            if (child.name == Name::Tr) {
                child.block = Block::Cells;
                child.role = parent.nested ? Role::NestedRow : Role::TopRow;
                if (!parent.nested) {
                    writer_.BeginRow();
                    rowTextFields_ = FieldState();
                    rowRange_.Reset();
                    cantSplit_ = false;
                    child.rowReach = Reach::Yes;
                }
            }
            break;
        case Block::Cells:
            if (child.name == Name::Tc) {
                child.block = Block::Blocks;
                child.role = parent.nested ? Role::NestedCell : Role::TopCell;
                if (!parent.nested) {
                    StartTopCell();
                    child.cellReach = Reach::Yes;
                }
            }
            break;
        case Block::Blocks:
            if (child.name == Name::Tbl) {
                child.block = Block::Rows;
                child.nested = true;
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
            return child.name == Name::SdtContent && !(parent.seen & kSdtContent) ? Reach::Yes : Reach::No;
        if (reach == Reach::No) return Reach::No;
        switch (child.name) {
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
    if (child.rowReach == Reach::No) child.rowReach = next(parent.rowReach);
    if (child.cellReach == Reach::No) child.cellReach = next(parent.cellReach);
}

// Every w:tbl, wherever it stands, is an open table whose style its paragraphs are judged with.
void Reader::StartTable(Frame& child) {
    if (tables_.size() >= 0x7FFF) Unsupported();
    tables_.emplace_back();
    child.table = static_cast<std::int16_t>(tables_.size() - 1);
    if (child.role == Role::Other) child.role = Role::Table;
}

void Reader::EndTable(const Frame&, Frame& parent) {
    tables_.pop_back();
    if (parent.block == Block::Blocks) parent.lastWasParagraph = false;
}

// StoryText: a wrapper's last block decides whether its container ended with a paragraph, when
// the wrapper has any child at all.
void Reader::EndBlocksWrapper(const Frame& frame) {
    if (!frame.keptChild) return;
    for (auto it = frames_.rbegin(); it != frames_.rend(); ++it) {
        if (it->block == Block::Blocks) {
            it->lastWasParagraph = frame.lastWasParagraph;
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
    if (frame.lastWasParagraph) cellText_.pop_back();
    cellText_.append("\r\a");
    writer_.Text().append(cellText_);
    writer_.EndCell(cellRange_.list, cellRange_.numbered, cellRange_.Bold(), cellRange_.Keep());
}

}  // namespace tabulex::word::docx::stream
