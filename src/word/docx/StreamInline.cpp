#include "word/docx/StreamReader.h"

#include "word/docx/StreamText.h"

namespace tabulex::word::docx::stream {

void Reader::StartParagraph(const Frame& parent, Frame& child) {
    // A cell continuing a vertical merge shows none of its paragraphs, and list numbering skips them.
    bool counted = parent.enters && !parent.merged;
    bool inText = parent.block == Block::Blocks && !parent.merged;
    bool inRow = parent.rowReach == Reach::Yes;
    bool inCell = parent.cellReach == Reach::Yes;
    child.rowReach = child.cellReach = Reach::No;
    if (!counted && !inText && !inRow && !inCell) return;
    para_.Reset();
    para_.counted = counted;
    para_.inText = inText;
    para_.inRow = inRow;
    para_.inCell = inCell;
    runs_.clear();
    runStyles_.clear();
    child.role = Role::Paragraph;
    child.block = Block::None;
    if (inText || inRow || inCell) child.inl = Inline::Container;
}

// A paragraph's content, as InlineWalker walks it.
void Reader::InlineRole(Frame& parent, Frame& child, const char** attrs) {
    Name name = child.name;
    switch (parent.inl) {
        case Inline::Container:
            if (name == Name::R) {
                child.inl = Inline::Run;
                child.role = Role::Run;
                runs_.emplace_back();
                child.run = static_cast<std::int16_t>(runs_.size() > 0x7FFF ? 0x7FFF : runs_.size() - 1);
                if (runs_.size() > 0x7FFF) Unsupported();
            } else if (stream::IsTransparent(name)) {
                child.inl = Inline::Container;
            } else if (name == Name::Sdt) {
                child.inl = Inline::Sdt;
            } else if (name == Name::AlternateContent) {
                child.inl = Inline::Alt;
            } else if (name == Name::OMath || name == Name::OMathPara) {
                child.inl = Inline::Math;
                child.run = -1;
            }
            break;
        case Inline::Sdt:
            if (name == Name::SdtContent && !(parent.seen & kSdtContent)) child.inl = Inline::Container;
            break;
        case Inline::Alt:
        case Inline::AltRun:
            if (name == Name::Choice && parent.Take(kChoice)) {
                child.inl = parent.inl == Inline::Alt ? Inline::Container : Inline::Run;
            } else if (name == Name::Fallback && !(parent.seen & kChoice)) {
                Unsupported();  // the branch taken depends on whether a mc:Choice follows
            }
            break;
        case Inline::Run:
            if (name == Name::AlternateContent)
                child.inl = Inline::AltRun;
            else
                RunChild(child, attrs);
            break;
        case Inline::Math:
            if (name == Name::MathT)
                child.role = Role::Text;
            else
                child.inl = Inline::Math;
            break;
        case Inline::None:
            break;
    }
}

void Reader::RunChild(Frame& child, const char** attrs) {
    switch (child.name) {
        case Name::T:
            child.role = Role::Text;
            break;
        case Name::Tab:
        case Name::PTab:
            Emit(child.run, "\t");
            break;
        case Name::Br: {
            const char* type = Attribute(attrs, "w:type");
            std::string_view t = type ? type : "";
            Emit(child.run, t == "page" ? "\x0C" : t == "column" ? "\x0E" : "\x0B");
            break;
        }
        case Name::Cr:
            Emit(child.run, "\x0B");
            break;
        case Name::NoBreakHyphen:
            Emit(child.run, "\x1E");
            break;
        case Name::SoftHyphen:
            Emit(child.run, "\x1F");
            break;
        case Name::Sym:
            Emit(child.run, "(");
            break;
        case Name::FldChar: {
            const char* type = Attribute(attrs, "w:fldCharType");
            Field(type ? type : "");
            break;
        }
        case Name::Drawing:
            child.role = Role::Drawing;
            break;
        case Name::Pict:
            child.role = Role::Pict;
            break;
        case Name::Object:
            Emit(child.run, "\x01");
            break;
        case Name::FootnoteReference:
        case Name::EndnoteReference:
            Emit(child.run, "\x02");
            break;
        case Name::CommentReference:
            Emit(child.run, "\x05");
            break;
        default:
            break;
    }
}

void Reader::Emit(int run, std::string_view text) {
    if (text.empty()) return;
    if (para_.inText) {
        bool visible = rowTextFields_.Visible();
        if (visible != cellTextFields_.Visible()) return Unsupported();
        if (visible) AppendUtf8AsCp1251(cellText_, text);
    }
    if (run < 0) return;
    RunInfo& info = runs_[static_cast<std::size_t>(run)];
    if (para_.inRow && rowRange_.boldFields.Visible()) info.rowText = true;
    if (para_.inCell && cellRange_.boldFields.Visible()) info.cellText = true;
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
    if (para_.inText) {
        apply(rowTextFields_);
        apply(cellTextFields_);
    }
    if (para_.inRow) apply(rowRange_.boldFields);
    if (para_.inCell) apply(cellRange_.boldFields);
}

}  // namespace tabulex::word::docx::stream
