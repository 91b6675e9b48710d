#include "word/docx/StreamIndex.h"

#include "word/WordModel.h"
#include "word/docx/InlineWalk.h"
#include "word/docx/StreamNames.h"
#include "word/docx/StreamText.h"

#include <expat.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace tabulex::word::docx {
namespace {

using stream::Name;

// What the children of an element are to the DOM path's walks.
enum class Block : std::uint8_t { None, Body, Rows, Cells, Blocks };                // TableIndex, StoryText
enum class Reach : std::uint8_t { No, Yes, SdtFirst };                              // ForEachParagraphIn
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
};

// Properties are looked for among the first elements only (styles::PropertiesOf).
constexpr int kLookahead = 8;

struct Frame {
    Name name = Name::Other;
    Role role = Role::Other;
    Block block = Block::None;
    Block sdtBlock = Block::None;  // a w:sdt: what its first w:sdtContent continues
    Reach rowReach = Reach::No;
    Reach cellReach = Reach::No;
    Inline inl = Inline::None;
    Inline sdtInline = Inline::None;
    bool enters = false;  // list numbering visits the children
    bool nested = false;  // inside a top-level cell
    bool tracksText = false;
    bool keptChild = false;  // has a child node pugixml keeps
    bool lastWasParagraph = false;
    bool flag = false;  // w:drawing: in line; w:pict: floating
    std::uint16_t seen = 0;
    std::uint8_t elements = 0;
    std::int16_t table = -1;  // the nearest enclosing w:tbl in tables_
    std::int16_t run = -1;    // the w:r this content belongs to, in runs_

    bool Take(Seen bit) {
        if (seen & bit) return false;
        seen = static_cast<std::uint16_t>(seen | bit);
        return true;
    }
};

// Collects all true / all false / mixed, as RangeFormat does.
class TriState {
  public:
    void Add(bool value) { (value ? anyTrue_ : anyFalse_) = true; }
    bool Empty() const { return !anyTrue_ && !anyFalse_; }
    int Value() const { return anyTrue_ && anyFalse_ ? kUndefined : anyTrue_ ? kTrue : kFalse; }

  private:
    bool anyTrue_ = false;
    bool anyFalse_ = false;
};

// What a row or a cell range collects from its paragraphs.
struct RangeState {
    FieldState boldFields;
    TriState textBold;
    TriState markBold;
    TriState keep;
    bool numbered = false;
    std::string list;

    void Reset() {
        boldFields = FieldState();
        textBold = markBold = keep = TriState();
        numbered = false;
        list.clear();
    }
    int Bold() const {
        if (!textBold.Empty()) return textBold.Value();
        return markBold.Empty() ? kFalse : markBold.Value();
    }
    int Keep() const { return keep.Empty() ? kFalse : keep.Value(); }
    void AddList(bool isNumbered, const std::string& shown) {
        if (isNumbered && !numbered) {
            numbered = true;
            list = shown;
        }
    }
};

struct Paragraph {
    bool counted = false;  // list numbering counts it
    bool inText = false;   // part of a top-level cell's Range.Text
    bool inRow = false;    // a paragraph of the row range (ForEachParagraphIn)
    bool inCell = false;   // a paragraph of the cell range
    std::string firstStyle, lastStyle;
    std::optional<bool> keep;
    std::optional<int> numId, ilvl;
    std::optional<bool> markBold;
    std::string markStyle;

    void Reset() {
        counted = inText = inRow = inCell = false;
        firstStyle.clear();
        lastStyle.clear();
        keep.reset();
        numId.reset();
        ilvl.reset();
        markBold.reset();
        markStyle.clear();
    }
};

struct RunInfo {
    std::optional<bool> bold;
    std::uint32_t styleBegin = 0, styleEnd = 0;  // w:rStyle in Reader::runStyles_
    bool rowText = false;                        // shows text in the row range
    bool cellText = false;                       // shows text in the cell range
};

struct OpenTable {
    std::string style;
    bool used = false;  // a paragraph inside has been judged with the table's style
    int grid = 0;
};

const char* Attribute(const char** attrs, const char* name) {
    for (; *attrs; attrs += 2)
        if (std::strcmp(attrs[0], name) == 0) return attrs[1];
    return nullptr;
}

std::string_view Val(const char** attrs) {
    const char* val = Attribute(attrs, "w:val");
    return val ? std::string_view(val) : std::string_view();
}

class Reader {
  public:
    Reader(const StyleSheet& styles, const ListNumbering& numbering, CompactStory& story)
        : styles_(styles), counter_(numbering), writer_(story) {
        frames_.reserve(64);
        frames_.emplace_back();
    }

    bool Read(std::string_view xml);

  private:
    static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attrs) {
        static_cast<Reader*>(self)->Start(name, attrs);
    }
    static void XMLCALL OnEnd(void* self, const XML_Char*) { static_cast<Reader*>(self)->End(); }
    static void XMLCALL OnText(void* self, const XML_Char* s, int len) {
        static_cast<Reader*>(self)->Characters(s, len);
    }
    static void XMLCALL OnMarkup(void* self, const XML_Char*) { static_cast<Reader*>(self)->Markup(); }
    static void XMLCALL OnInstruction(void* self, const XML_Char*, const XML_Char*) {
        static_cast<Reader*>(self)->Markup();
    }
    static void XMLCALL OnCdataStart(void* self) { static_cast<Reader*>(self)->CdataStart(); }
    static void XMLCALL OnCdataEnd(void* self) { static_cast<Reader*>(self)->CdataEnd(); }
    static void XMLCALL OnDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        static_cast<Reader*>(self)->Unsupported();
    }

    void Unsupported() {
        if (!failed_) XML_StopParser(parser_, XML_FALSE);
        failed_ = true;
    }

    void Start(const char* qname, const char** attrs);
    void End();
    void Characters(const char* s, int len);
    void Markup() { CloseSegment(frames_.back(), false); }
    void CdataStart();
    void CdataEnd();
    void CloseSegment(Frame& frame, bool byEndTag);

    void Structure(Frame& parent, Frame& child);
    void RangeReach(const Frame& parent, Frame& child);
    void InlineRole(Frame& parent, Frame& child, const char** attrs);
    void RunChild(Frame& child, const char** attrs);
    void Properties(Frame& parent, Frame& child, int index, const char** attrs);
    void StartParagraph(const Frame& parent, Frame& child);

    void Emit(int run, std::string_view text);
    void Field(std::string_view type);
    void EndParagraph(const Frame& frame, Frame& parent);
    void EndBlocksWrapper(const Frame& frame);
    void StartTopCell();
    void EndTopCell(const Frame& frame);

    const StyleSheet& styles_;
    ListNumbering::ListCounter counter_;
    CompactStoryWriter writer_;
    XML_Parser parser_ = nullptr;
    bool failed_ = false;

    std::vector<Frame> frames_;
    std::vector<OpenTable> tables_;

    // The text segment (pugixml's PCDATA node) of the innermost element, when it tracks text.
    bool segAny_ = false, segNonWs_ = false, inCdata_ = false, valueDone_ = false;
    std::string segment_, value_;

    Paragraph para_;
    std::vector<RunInfo> runs_;
    std::string runStyles_;
    std::string shown_;

    FieldState rowTextFields_, cellTextFields_;
    RangeState rowRange_, cellRange_;
    bool cantSplit_ = false;
    std::string cellText_;  // the current top-level cell's text, UTF-8
};

bool Reader::Read(std::string_view xml) {
    parser_ = XML_ParserCreate(nullptr);
    if (!parser_) return false;
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser_, OnText);
    XML_SetCommentHandler(parser_, OnMarkup);
    XML_SetProcessingInstructionHandler(parser_, OnInstruction);
    XML_SetCdataSectionHandler(parser_, OnCdataStart, OnCdataEnd);
    XML_SetStartDoctypeDeclHandler(parser_, OnDoctype);
    constexpr std::size_t kChunk = 1 << 16;
    bool ok = true;
    for (std::size_t offset = 0; ok && !failed_;) {
        std::size_t size = std::min(kChunk, xml.size() - offset);
        bool last = offset + size >= xml.size();
        ok = XML_Parse(parser_, xml.data() + offset, static_cast<int>(size), last ? XML_TRUE : XML_FALSE) ==
             XML_STATUS_OK;
        offset += size;
        if (last) break;
    }
    XML_ParserFree(parser_);
    parser_ = nullptr;
    return ok && !failed_ && writer_.Fits();
}

void Reader::Start(const char* qname, const char** attrs) {
    if (failed_) return;
    Frame& parent = frames_.back();
    CloseSegment(parent, false);
    parent.keptChild = true;
    const int index = parent.elements;
    if (parent.elements < 255) ++parent.elements;

    Frame child;
    child.name = stream::Classify(qname);
    child.table = parent.table;
    child.run = parent.run;
    child.nested = parent.nested;
    if (parent.role == Role::Other && frames_.size() == 1 && child.name == Name::Document)
        child.role = Role::Root;
    if (parent.role == Role::Root && child.name == Name::Body && parent.Take(kBody)) {
        child.block = Block::Body;
        child.enters = true;
    }
    if (parent.enters && child.name != Name::P && child.name != Name::SectPr && child.name != Name::Fallback)
        child.enters = true;
    Structure(parent, child);
    RangeReach(parent, child);
    if (child.name == Name::P) StartParagraph(parent, child);
    if (parent.inl != Inline::None) InlineRole(parent, child, attrs);
    Properties(parent, child, index, attrs);
    if (child.name == Name::SdtContent && parent.name == Name::Sdt) parent.Take(kSdtContent);

    if (child.name == Name::Tbl) {
        if (tables_.size() >= 0x7FFF) Unsupported();
        tables_.emplace_back();
        child.table = static_cast<std::int16_t>(tables_.size() - 1);
        if (child.role == Role::Other) child.role = Role::Table;
    }
    child.tracksText = child.role == Role::Text || child.role == Role::BlocksWrapper;
    if (child.role == Role::Text) valueDone_ = false;
    frames_.push_back(child);
}

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

void Reader::StartParagraph(const Frame& parent, Frame& child) {
    bool counted = parent.enters;
    bool inText = parent.block == Block::Blocks;
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

// Paragraph, run, row and table properties, read where the DOM path reads them.
void Reader::Properties(Frame& parent, Frame& child, int index, const char** attrs) {
    const Name name = child.name;
    switch (parent.role) {
        case Role::Paragraph:
            if (name == Name::PPr && index < kLookahead && parent.Take(kPPr)) child.role = Role::PPr;
            break;
        case Role::PPr:
            if (name == Name::PStyle) {
                para_.lastStyle = Val(attrs);
                if (parent.Take(kPStyle)) para_.firstStyle = para_.lastStyle;
            } else if (name == Name::KeepNext && parent.Take(kKeepNext)) {
                para_.keep = styles::OnOffText(Attribute(attrs, "w:val"));
            } else if (name == Name::NumPr) {
                child.role = Role::NumPr;
                para_.numId.reset();
                para_.ilvl.reset();
            } else if (name == Name::RPr && parent.Take(kRPr)) {
                child.role = Role::MarkRPr;
            }
            break;
        case Role::NumPr:
            if (name == Name::NumId) para_.numId = styles::IntText(Val(attrs));
            if (name == Name::Ilvl) para_.ilvl = styles::IntText(Val(attrs));
            break;
        case Role::MarkRPr:
            if (name == Name::B && parent.Take(kB))
                para_.markBold = styles::OnOffText(Attribute(attrs, "w:val"));
            if (name == Name::RStyle && parent.Take(kRStyle)) para_.markStyle = Val(attrs);
            break;
        case Role::Run:
            if (name == Name::RPr && index < kLookahead && parent.Take(kRPr)) child.role = Role::RunRPr;
            break;
        case Role::RunRPr: {
            RunInfo& run = runs_[static_cast<std::size_t>(parent.run)];
            if (name == Name::B && parent.Take(kB)) run.bold = styles::OnOffText(Attribute(attrs, "w:val"));
            if (name == Name::RStyle && parent.Take(kRStyle)) {
                run.styleBegin = static_cast<std::uint32_t>(runStyles_.size());
                runStyles_.append(Val(attrs));
                run.styleEnd = static_cast<std::uint32_t>(runStyles_.size());
            }
            break;
        }
        case Role::TopTable:
        case Role::Table:
            if (name == Name::TblPr && index < kLookahead && parent.Take(kTblPr)) child.role = Role::TblPr;
            if (name == Name::TblGrid && parent.role == Role::TopTable && parent.Take(kTblGrid))
                child.role = Role::TblGrid;
            break;
        case Role::TblPr:
            if (name == Name::TblStyle && parent.Take(kTblStyle)) {
                OpenTable& table = tables_[static_cast<std::size_t>(parent.table)];
                if (table.used) return Unsupported();
                table.style = Val(attrs);
            }
            break;
        case Role::TblGrid:
            if (name == Name::GridCol) ++tables_[static_cast<std::size_t>(parent.table)].grid;
            break;
        case Role::TopRow:
            if (name == Name::TrPr && parent.Take(kTrPr)) child.role = Role::TrPr;
            break;
        case Role::TrPr:
            if (name == Name::CantSplit && parent.Take(kCantSplit))
                cantSplit_ = styles::OnOffText(Attribute(attrs, "w:val"));
            break;
        case Role::Drawing:
            if (name == Name::WpInline) parent.flag = true;
            break;
        case Role::Pict:
            if (name == Name::VmlShape) {
                const char* style = Attribute(attrs, "style");
                if (style && std::strstr(style, "position:absolute")) parent.flag = true;
            }
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
        if (visible) cellText_.append(text);
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

void Reader::Characters(const char* s, int len) {
    if (failed_ || !frames_.back().tracksText) return;
    if (inCdata_) {
        segment_.append(s, static_cast<std::size_t>(len));
        return;
    }
    segAny_ = true;
    for (int i = 0; i < len && !segNonWs_; ++i)
        if (!(s[i] == ' ' || s[i] == '\t' || s[i] == '\n' || s[i] == '\r')) segNonWs_ = true;
    if (frames_.back().role == Role::Text) segment_.append(s, static_cast<std::size_t>(len));
}

// pugixml keeps a whitespace-only text only when it is its element's single child.
void Reader::CloseSegment(Frame& frame, bool byEndTag) {
    if (!segAny_) return;
    if (segNonWs_ || (byEndTag && !frame.keptChild)) {
        frame.keptChild = true;
        if (frame.role == Role::Text && !valueDone_) {
            value_.swap(segment_);
            valueDone_ = true;
        }
    }
    segAny_ = segNonWs_ = false;
    segment_.clear();
}

void Reader::CdataStart() {
    Frame& frame = frames_.back();
    CloseSegment(frame, false);
    inCdata_ = true;
    segment_.clear();
}

void Reader::CdataEnd() {
    Frame& frame = frames_.back();
    inCdata_ = false;
    if (frame.tracksText) {
        frame.keptChild = true;
        if (frame.role == Role::Text && !valueDone_) {
            value_.swap(segment_);
            valueDone_ = true;
        }
    }
    segment_.clear();
}

void Reader::End() {
    if (failed_) return;
    Frame frame = frames_.back();
    CloseSegment(frame, true);
    frames_.pop_back();
    Frame& parent = frames_.back();
    switch (frame.role) {
        case Role::Text:
            if (valueDone_) Emit(frame.run, value_);
            valueDone_ = false;
            break;
        case Role::Drawing:
            if (frame.flag) Emit(frame.run, "\x01");
            break;
        case Role::Pict:
            if (!frame.flag) Emit(frame.run, "\x01");
            break;
        case Role::Paragraph:
            EndParagraph(frame, parent);
            break;
        case Role::BlocksWrapper:
            EndBlocksWrapper(frame);
            break;
        case Role::NestedCell:
            if (frame.lastWasParagraph) cellText_.pop_back();
            cellText_.append("\r\a");
            break;
        case Role::NestedRow:
            cellText_.append("\r\a");
            break;
        case Role::TopCell:
            EndTopCell(frame);
            break;
        case Role::TopRow:
            writer_.EndRow(rowRange_.list, rowRange_.numbered, rowRange_.Bold(), rowRange_.Keep(),
                           cantSplit_);
            break;
        case Role::TopTable:
            writer_.EndTable(tables_.back().grid);
            break;
        default:
            break;
    }
    if (frame.name == Name::Tbl) {
        tables_.pop_back();
        if (parent.block == Block::Blocks) parent.lastWasParagraph = false;
    }
}

void Reader::EndParagraph(const Frame& frame, Frame& parent) {
    bool numbered = false;
    if (para_.counted)
        numbered =
            counter_.Next(styles_.ParagraphNumbering(para_.lastStyle, para_.numId, para_.ilvl), shown_);
    if (para_.inRow || para_.inCell) {
        bool inTable = frame.table >= 0;
        std::string_view tableStyle;
        if (inTable) {
            OpenTable& table = tables_[static_cast<std::size_t>(frame.table)];
            table.used = true;
            tableStyle = table.style;
        }
        const std::string& style = para_.firstStyle;
        for (const RunInfo& run : runs_) {
            if (!run.rowText && !run.cellText) continue;
            std::string_view runStyle =
                std::string_view(runStyles_).substr(run.styleBegin, run.styleEnd - run.styleBegin);
            bool bold = styles_.IsBold(run.bold, runStyle, style, inTable, tableStyle);
            if (run.rowText) rowRange_.textBold.Add(bold);
            if (run.cellText) cellRange_.textBold.Add(bold);
        }
        bool mark = styles_.IsBold(para_.markBold, para_.markStyle, style, inTable, tableStyle);
        bool keep = styles_.KeepWithNext(para_.keep, style, inTable, tableStyle);
        for (RangeState* range : {para_.inRow ? &rowRange_ : nullptr, para_.inCell ? &cellRange_ : nullptr}) {
            if (!range) continue;
            range->markBold.Add(mark);
            range->keep.Add(keep);
            range->AddList(numbered, shown_);
        }
    }
    if (para_.inText) {
        cellText_.push_back('\r');
        parent.lastWasParagraph = true;
    }
    para_.Reset();
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
    AppendUtf8AsCp1251(writer_.Text(), cellText_);
    writer_.EndCell(cellRange_.list, cellRange_.numbered, cellRange_.Bold(), cellRange_.Keep());
}

}  // namespace

std::unique_ptr<CompactStory> ReadCompactStory(std::string_view xml, const StyleSheet& styles,
                                               const ListNumbering& numbering) {
    auto story = std::make_unique<CompactStory>();
    {
        Reader reader(styles, numbering, *story);
        if (!reader.Read(xml)) return nullptr;
    }
    CompactStoryWriter(*story).Shrink();
    return story;
}

}  // namespace tabulex::word::docx
