#include "docx/stream/Reader.h"

#include "docx/InlineVocabulary.h"
#include "docx/stream/ReaderText.h"

namespace tabulex::word::docx::stream {

void Reader::StartParagraph(const Frame& parent, Frame& child) {
    // A cell continuing a vertical merge shows none of its paragraphs, and list numbering skips them.
    bool counted = parent.Enters && !parent.Merged;
    bool inText = parent.Block == Block::CellBlocks && !parent.Merged;
    bool inRow = parent.RowReach == Reach::Yes;
    bool inCell = parent.CellReach == Reach::Yes;
    child.RowReach = child.CellReach = Reach::No;
    if (!counted && !inText && !inRow && !inCell) return;
    para_.Reset();
    para_.Counted = counted;
    para_.InText = inText;
    para_.InRow = inRow;
    para_.InCell = inCell;
    runs_.clear();
    runStyles_.clear();
    child.Role = Role::Paragraph;
    child.Block = Block::Nothing;
    if (inText || inRow || inCell) child.Inl = Inline::Container;
}

// A paragraph's content, as InlineWalker walks it.
void Reader::InlineRole(Frame& parent, Frame& child, const char** attrs) {
    Name name = child.Name;
    switch (parent.Inl) {
        case Inline::Container:
            if (name == Name::R) {
                child.Inl = Inline::Run;
                child.Role = Role::Run;
                runs_.emplace_back();
                child.Run = static_cast<std::int16_t>(runs_.size() > 0x7FFF ? 0x7FFF : runs_.size() - 1);
                if (runs_.size() > 0x7FFF) Unsupported();
            } else if (stream::IsTransparent(name)) {
                child.Inl = Inline::Container;
            } else if (name == Name::Sdt) {
                child.Inl = Inline::Sdt;
            } else if (name == Name::AlternateContent) {
                child.Inl = Inline::Alt;
            } else if (name == Name::OMath || name == Name::OMathPara) {
                child.Inl = Inline::Math;
                child.Run = -1;
            }
            break;
        case Inline::Sdt:
            if (name == Name::SdtContent && !(parent.Seen & kSdtContent)) child.Inl = Inline::Container;
            break;
        case Inline::Alt:
        case Inline::AltRun:
            if (name == Name::Choice && parent.Take(kChoice)) {
                child.Inl = parent.Inl == Inline::Alt ? Inline::Container : Inline::Run;
            } else if (name == Name::Fallback && !(parent.Seen & kChoice)) {
                Unsupported();  // the branch taken depends on whether a mc:Choice follows
            }
            break;
        case Inline::Run:
            if (name == Name::AlternateContent)
                child.Inl = Inline::AltRun;
            else
                RunChild(child, attrs);
            break;
        case Inline::Math:
            if (name == Name::MathT)
                child.Role = Role::Text;
            else
                child.Inl = Inline::Math;
            break;
        case Inline::None:
            break;
    }
}

void Reader::RunChild(Frame& child, const char** attrs) {
    switch (child.Name) {
        case Name::T:
            child.Role = Role::Text;
            break;
        case Name::Br: {
            const char* type = Attribute(attrs, "w:type");
            Emit(child.Run, vocabulary::BreakText(type ? type : ""));
            break;
        }
        case Name::FldChar: {
            const char* type = Attribute(attrs, "w:fldCharType");
            Field(type ? type : "");
            break;
        }
        case Name::Drawing:
            child.Role = Role::Drawing;
            break;
        case Name::Pict:
            child.Role = Role::Pict;
            break;
        default:
            // a run element that stands for a fixed character (InlineVocabulary.h)
            Emit(child.Run, MeaningOf(child.Name).Text);
            break;
    }
}

void Reader::Emit(int run, std::string_view text) {
    if (text.empty()) return;
    if (para_.InText) {
        bool visible = rowTextFields_.Visible();
        if (visible != cellTextFields_.Visible()) return Unsupported();
        if (visible) AppendUtf8AsCp1251(cellText_, text);
    }
    if (run < 0) return;
    RunInfo& info = runs_[static_cast<std::size_t>(run)];
    if (para_.InRow && rowRange_.BoldFields.Visible()) info.RowText = true;
    if (para_.InCell && cellRange_.BoldFields.Visible()) info.CellText = true;
}

void Reader::Field(std::string_view type) {
    auto apply = [&](FieldState& fields) { fields.Apply(type); };
    if (para_.InText) {
        apply(rowTextFields_);
        apply(cellTextFields_);
    }
    if (para_.InRow) apply(rowRange_.BoldFields);
    if (para_.InCell) apply(cellRange_.BoldFields);
}

}  // namespace tabulex::word::docx::stream
