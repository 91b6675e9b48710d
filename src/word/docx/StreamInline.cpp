#include "word/docx/StreamReader.h"

#include "word/docx/StreamText.h"

namespace tabulex::word::docx::stream {

void Reader::StartParagraph(const Frame& parent, Frame& child) {
    bool counted = parent.Enters;
    bool inText = parent.Block == Block::Blocks;
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
    child.Block = Block::None;
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
        case Name::Tab:
        case Name::PTab:
            Emit(child.Run, "\t");
            break;
        case Name::Br: {
            const char* type = Attribute(attrs, "w:type");
            std::string_view t = type ? type : "";
            Emit(child.Run, t == "page" ? "\x0C" : t == "column" ? "\x0E" : "\x0B");
            break;
        }
        case Name::Cr:
            Emit(child.Run, "\x0B");
            break;
        case Name::NoBreakHyphen:
            Emit(child.Run, "\x1E");
            break;
        case Name::SoftHyphen:
            Emit(child.Run, "\x1F");
            break;
        case Name::Sym:
            Emit(child.Run, "(");
            break;
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
        case Name::Object:
            Emit(child.Run, "\x01");
            break;
        case Name::FootnoteReference:
        case Name::EndnoteReference:
            Emit(child.Run, "\x02");
            break;
        case Name::CommentReference:
            Emit(child.Run, "\x05");
            break;
        default:
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
    auto apply = [&](FieldState& fields) {
        if (type == "begin")
            fields.Begin();
        else if (type == "separate")
            fields.Separate();
        else if (type == "end")
            fields.End();
    };
    if (para_.InText) {
        apply(rowTextFields_);
        apply(cellTextFields_);
    }
    if (para_.InRow) apply(rowRange_.BoldFields);
    if (para_.InCell) apply(cellRange_.BoldFields);
}

}  // namespace tabulex::word::docx::stream
