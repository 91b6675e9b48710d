#include "docx/stream/Reader.h"

namespace tabulex::word::docx::stream {

using structure::StructureKind;

// Paragraph, run, row and table properties, read where the DOM path reads them.
void Reader::Properties(Frame& parent, Frame& child, int index, const char** attrs) {
    if (parent.Kind == StructureKind::Cell && child.Kind == StructureKind::CellProperties &&
        parent.Take(kTcPr))
        child.Role = Role::TcPr;
    switch (parent.Role) {
        case Role::Paragraph:
            if (child.Name == Name::PPr && index < kLookahead && parent.Take(kPPr)) child.Role = Role::PPr;
            break;
        case Role::PPr:
        case Role::NumPr:
        case Role::MarkRPr:
            ParagraphProperties(parent, child, attrs);
            break;
        case Role::Run:
            if (child.Name == Name::RPr && index < kLookahead && parent.Take(kRPr)) child.Role = Role::RunRPr;
            break;
        case Role::RunRPr:
            RunProperties(parent, child.Name, attrs);
            break;
        case Role::TopTable:
        case Role::Table:
        case Role::TblPr:
        case Role::TblGrid:
        case Role::TopRow:
        case Role::TrPr:
            TableProperties(parent, child, index, attrs);
            break;
        case Role::TcPr:
            if (child.Kind == StructureKind::VerticalMerge && parent.Take(kVMerge)) MergeProperty(Val(attrs));
            break;
        case Role::Drawing:
            if (child.Name == Name::WpInline) parent.Flag = true;
            break;
        case Role::Pict:
            if (child.Name == Name::VmlShape) {
                const char* style = Attribute(attrs, "style");
                if (style && std::strstr(style, "position:absolute")) parent.Flag = true;
            }
            break;
        default:
            break;
    }
}

// A cell's w:vMerge (StructureVocabulary.h). The cell is open two
// frames below its w:vMerge; content already read before its properties cannot be taken back.
void Reader::MergeProperty(std::string_view val) {
    if (structure::MergeOf(true, val) != structure::VerticalMerge::Continue) return;
    Frame& cell = frames_[frames_.size() - 3];
    if (cell.Elements > 1) return Unsupported();
    cell.Merged = true;
}

// The style, keep-with-next and list of a paragraph, and the bold and style of its mark.
void Reader::ParagraphProperties(Frame& parent, Frame& child, const char** attrs) {
    const Name name = child.Name;
    switch (parent.Role) {
        case Role::PPr:
            if (name == Name::PStyle) {
                para_.LastStyle = Val(attrs);
                if (parent.Take(kPStyle)) para_.FirstStyle = para_.LastStyle;
            } else if (name == Name::KeepNext && parent.Take(kKeepNext)) {
                para_.Keep = styles::OnOffText(Attribute(attrs, "w:val"));
            } else if (name == Name::NumPr) {
                child.Role = Role::NumPr;
                para_.NumId.reset();
                para_.Ilvl.reset();
            } else if (name == Name::RPr && parent.Take(kRPr)) {
                child.Role = Role::MarkRPr;
            }
            break;
        case Role::NumPr:
            if (name == Name::NumId) para_.NumId = styles::IntText(Val(attrs));
            if (name == Name::Ilvl) para_.Ilvl = styles::IntText(Val(attrs));
            break;
        case Role::MarkRPr:
            if (name == Name::B && parent.Take(kB))
                para_.MarkBold = styles::OnOffText(Attribute(attrs, "w:val"));
            if (name == Name::RStyle && parent.Take(kRStyle)) para_.MarkStyle = Val(attrs);
            break;
        default:
            break;
    }
}

// The bold and style of a run.
void Reader::RunProperties(Frame& parent, Name name, const char** attrs) {
    RunInfo& run = runs_[static_cast<std::size_t>(parent.Run)];
    if (name == Name::B && parent.Take(kB)) run.Bold = styles::OnOffText(Attribute(attrs, "w:val"));
    if (name == Name::RStyle && parent.Take(kRStyle)) {
        run.StyleBegin = static_cast<std::uint32_t>(runStyles_.size());
        runStyles_.append(Val(attrs));
        run.StyleEnd = static_cast<std::uint32_t>(runStyles_.size());
    }
}

// A table's style and grid, a top-level row's cantSplit and tblHeader.
void Reader::TableProperties(Frame& parent, Frame& child, int index, const char** attrs) {
    const Name name = child.Name;
    const StructureKind kind = child.Kind;
    switch (parent.Role) {
        case Role::TopTable:
        case Role::Table:
            if (kind == StructureKind::TableProperties && index < kLookahead && parent.Take(kTblPr))
                child.Role = Role::TblPr;
            if (kind == StructureKind::TableGrid && parent.Role == Role::TopTable && parent.Take(kTblGrid))
                child.Role = Role::TblGrid;
            break;
        case Role::TblPr:
            if (name == Name::TblStyle && parent.Take(kTblStyle)) {
                OpenTable& table = tables_[static_cast<std::size_t>(parent.Table)];
                if (table.Used) return Unsupported();
                table.Style = Val(attrs);
            }
            break;
        case Role::TblGrid:
            if (kind == StructureKind::GridColumn) ++tables_[static_cast<std::size_t>(parent.Table)].Grid;
            break;
        case Role::TopRow:
            if (kind == StructureKind::RowProperties && parent.Take(kTrPr)) child.Role = Role::TrPr;
            break;
        case Role::TrPr:
            if (name == Name::CantSplit && parent.Take(kCantSplit))
                cantSplit_ = styles::OnOffText(Attribute(attrs, "w:val"));
            if (name == Name::TblHeader && parent.Take(kTblHeader))
                tblHeader_ = styles::OnOffText(Attribute(attrs, "w:val"));
            break;
        default:
            break;
    }
}

}  // namespace tabulex::word::docx::stream
