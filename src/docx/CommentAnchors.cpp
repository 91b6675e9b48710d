#include "docx/CommentAnchors.h"

#include "docx/HostMessages.h"
#include "docx/StructureVocabulary.h"
#include "docx/stream/ReaderNames.h"
#include "ooxml/KnownNamespaces.h"
#include "text/Error.h"

#include <expat.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <numeric>

namespace tabulex::word::docx {
namespace {

using structure::Holds;
using structure::StructureKind;

enum class Kind : std::uint8_t { Other, Root, TopTable, Row, Cell, Paragraph, TrackedParagraph, PPr };

// What an element is to the tables, as every reader of the story places it (StructureVocabulary.h).
struct Frame {
    Holds holds = Holds::Nothing;
    Holds firstContentHolds = Holds::Nothing;  // a content control: what its first content holds
    bool firstContentSeen = false;
    bool bodySeen = false;
    Kind kind = Kind::Other;
};

struct ParagraphPlace {
    std::size_t tagStart = 0;
    std::size_t tagLength = 0;
    std::size_t headAt = 0;  // after the start tag, or after w:pPr when it comes first
    std::size_t endTagAt = 0;
    bool selfClosing = false;
    bool pPrPossible = true;  // no child element seen yet
};

struct CellParagraphs {
    bool any = false;
    ParagraphPlace first;
    ParagraphPlace last;
};

struct ParagraphEdit {
    ParagraphPlace place;
    std::string head;
    std::string tail;
};

struct Splice {
    std::size_t at = 0;
    std::size_t erase = 0;
    std::string text;
};

std::string RangeStart(int id) {
    return "<w:commentRangeStart w:id=\"" + std::to_string(id) + "\"/>";
}

std::string RangeEndAndReference(int id) {
    const std::string n = std::to_string(id);
    return "<w:commentRangeEnd w:id=\"" + n + "\"/><w:r><w:commentReference w:id=\"" + n + "\"/></w:r>";
}

class Anchorer {
  public:
    Anchorer(std::string_view xml, const CommentSet& comments, int firstId)
        : xml_(xml), comments_(comments), firstId_(firstId) {
        placed_.assign(comments.Cells.size() + comments.Paragraphs.size(), false);
        order_.resize(comments.Cells.size());
        std::iota(order_.begin(), order_.end(), std::size_t{0});
        std::stable_sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) {
            return comments.Cells[a].Row < comments.Cells[b].Row;
        });
        frames_.reserve(64);
        frames_.push_back({});
    }

    AnchoredStory Run();

  private:
    static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char**) {
        static_cast<Anchorer*>(self)->Start(name);
    }
    static void XMLCALL OnEnd(void* self, const XML_Char*) { static_cast<Anchorer*>(self)->End(); }

    std::size_t Here() const { return static_cast<std::size_t>(XML_GetCurrentByteIndex(parser_)); }
    std::size_t Count() const { return static_cast<std::size_t>(XML_GetCurrentByteCount(parser_)); }

    void Start(const char* name);
    void End();
    void StartStructure(Frame& parent, Frame& child, StructureKind structure);
    void StartParagraph(const Frame& parent, Frame& child);
    void EndRow();
    void AddParagraphEdit(const ParagraphPlace& place, std::string head, std::string tail);
    void FlushParagraphEdits();
    std::string Spliced();

    std::string_view xml_;
    const CommentSet& comments_;
    int firstId_;
    XML_Parser parser_ = nullptr;

    std::vector<Frame> frames_;
    int paragraphDepth_ = 0;
    int topTables_ = 0;
    bool inTarget_ = false;
    bool afterTarget_ = false;  // the target table has ended and no table has started since
    int paragraphsAfter_ = 0;
    int row_ = 0;
    std::size_t next_ = 0;  // the first comment of order_ not yet placed
    bool rowTargeted_ = false;
    std::vector<CellParagraphs> cells_;
    ParagraphPlace paragraph_;   // the tracked paragraph being read
    int paragraphComment_ = -1;  // its paragraph comment, or -1 for a cell paragraph

    std::vector<std::size_t> order_;
    std::vector<bool> placed_;
    std::map<std::size_t, ParagraphEdit> pending_;
    std::vector<Splice> splices_;
};

void Anchorer::StartStructure(Frame& parent, Frame& child, StructureKind structure) {
    if (structure == StructureKind::ControlContent && parent.firstContentHolds != Holds::Nothing &&
        !parent.firstContentSeen) {
        parent.firstContentSeen = true;
        child.holds = parent.firstContentHolds;
        return;
    }
    if (parent.kind == Kind::Root && structure == StructureKind::Body && !parent.bodySeen) {
        parent.bodySeen = true;
        child.holds = Holds::Body;
        return;
    }
    const Holds holds = parent.holds;
    if (holds == Holds::Nothing) return;
    child.firstContentHolds = structure::FirstContentHolds(holds, structure);
    child.holds = structure::ChildrenHold(holds, structure);
    if (!structure::IsPart(holds, structure)) return;
    switch (structure) {
        case StructureKind::Table:
            // The rows of a nested table are not the rows of the cell's table.
            if (holds != Holds::Body) {
                child.holds = Holds::Nothing;
                break;
            }
            child.kind = Kind::TopTable;
            afterTarget_ = false;
            inTarget_ = ++topTables_ == comments_.Table;
            if (!inTarget_) child.holds = Holds::Nothing;
            break;
        case StructureKind::Row:
            child.kind = Kind::Row;
            ++row_;
            rowTargeted_ = next_ < order_.size() && comments_.Cells[order_[next_]].Row == row_;
            cells_.clear();
            break;
        case StructureKind::Cell:
            child.kind = Kind::Cell;
            if (rowTargeted_) cells_.emplace_back();
            break;
        default:
            break;
    }
}

// A paragraph of a targeted cell, or one of the paragraphs after the target table as
// DocxDocument::ParagraphsAfterTable counts them: those standing in the body, wrappers looked
// through, before the next table.
void Anchorer::StartParagraph(const Frame& parent, Frame& child) {
    child.kind = Kind::Paragraph;
    const bool inTargetCell = parent.holds == Holds::CellBlocks && rowTargeted_ && !cells_.empty();
    int comment = -1;
    if (afterTarget_ && parent.holds == Holds::Body) {
        ++paragraphsAfter_;
        for (std::size_t k = 0; k < comments_.Paragraphs.size(); ++k)
            if (comments_.Paragraphs[k].Paragraph == paragraphsAfter_) comment = static_cast<int>(k);
    }
    if (inTargetCell || comment >= 0) {
        child.kind = Kind::TrackedParagraph;
        paragraph_ = {Here(), Count(), Here() + Count(), 0, false, true};
        paragraphComment_ = comment;
    }
}

void Anchorer::Start(const char* name) {
    Frame& parent = frames_.back();
    Frame child;
    const stream::Name known = stream::Classify(name);
    const StructureKind structure = stream::StructureOf(known);
    if (frames_.size() == 1 && structure == StructureKind::Document) child.kind = Kind::Root;
    if (paragraphDepth_ == 0) {
        StartStructure(parent, child, structure);
        if (structure == StructureKind::Paragraph) StartParagraph(parent, child);
    } else if (paragraphDepth_ == 1 && parent.kind == Kind::TrackedParagraph) {
        if (paragraph_.pPrPossible && known == stream::Name::PPr) {
            child.kind = Kind::PPr;
            paragraph_.headAt = Here() + Count();
        }
        paragraph_.pPrPossible = false;
    }
    if (structure == StructureKind::Paragraph) {
        ++paragraphDepth_;
        if (child.kind == Kind::Other) child.kind = Kind::Paragraph;
    }
    frames_.push_back(child);
}

void Anchorer::End() {
    const Frame frame = frames_.back();
    frames_.pop_back();
    switch (frame.kind) {
        case Kind::PPr:
            if (Count() > 0) paragraph_.headAt = Here() + Count();
            break;
        case Kind::TrackedParagraph: {
            --paragraphDepth_;
            paragraph_.selfClosing = Count() == 0;
            paragraph_.endTagAt = Here();
            if (paragraphComment_ >= 0) {
                const int id = firstId_ + static_cast<int>(comments_.Cells.size()) + paragraphComment_;
                AddParagraphEdit(paragraph_, RangeStart(id), RangeEndAndReference(id));
                placed_[comments_.Cells.size() + static_cast<std::size_t>(paragraphComment_)] = true;
                FlushParagraphEdits();
            } else {
                CellParagraphs& cell = cells_.back();
                if (!cell.any) cell.first = paragraph_;
                cell.any = true;
                cell.last = paragraph_;
            }
            paragraphComment_ = -1;
            break;
        }
        case Kind::Paragraph:
            --paragraphDepth_;
            break;
        case Kind::Row:
            if (rowTargeted_) EndRow();
            rowTargeted_ = false;
            break;
        case Kind::TopTable:
            if (inTarget_) afterTarget_ = true;
            inTarget_ = false;
            break;
        default:
            break;
    }
}

// The row's comments go to their cells, or to the nearest cell before (else after) that has a
// paragraph.
void Anchorer::EndRow() {
    const int cellCount = static_cast<int>(cells_.size());
    for (; next_ < order_.size() && comments_.Cells[order_[next_]].Row == row_; ++next_) {
        const std::size_t index = order_[next_];
        int cell = std::clamp(comments_.Cells[index].Cell, 1, std::max(cellCount, 1)) - 1;
        while (cell >= 0 && cell < cellCount && !cells_[static_cast<std::size_t>(cell)].any) --cell;
        if (cell < 0)
            for (cell = 0; cell < cellCount && !cells_[static_cast<std::size_t>(cell)].any;) ++cell;
        if (cell < 0 || cell >= cellCount) continue;
        const CellParagraphs& target = cells_[static_cast<std::size_t>(cell)];
        const int id = firstId_ + static_cast<int>(index);
        AddParagraphEdit(target.first, RangeStart(id), {});
        AddParagraphEdit(target.last, {}, RangeEndAndReference(id));
        placed_[index] = true;
    }
    FlushParagraphEdits();
}

void Anchorer::AddParagraphEdit(const ParagraphPlace& place, std::string head, std::string tail) {
    ParagraphEdit& edit = pending_[place.tagStart];
    edit.place = place;
    edit.head += head;
    edit.tail += tail;
}

void Anchorer::FlushParagraphEdits() {
    for (auto& [start, edit] : pending_) {
        const ParagraphPlace& p = edit.place;
        if (p.selfClosing) {
            // <w:p .../> becomes <w:p ...>marks</w:p>.
            std::string_view tag = xml_.substr(p.tagStart, p.tagLength);
            std::size_t close = tag.rfind("/>");
            std::string_view open = tag.substr(0, close);
            while (!open.empty() &&
                   (open.back() == ' ' || open.back() == '\t' || open.back() == '\n' || open.back() == '\r'))
                open.remove_suffix(1);
            const std::size_t nameEnd = open.find_first_of(" \t\r\n");
            const std::string_view name =
                open.substr(1, nameEnd == std::string_view::npos ? open.size() - 1 : nameEnd - 1);
            splices_.push_back(
                {p.tagStart, p.tagLength,
                 std::string(open) + ">" + edit.head + edit.tail + "</" + std::string(name) + ">"});
        } else {
            if (!edit.head.empty()) splices_.push_back({p.headAt, 0, std::move(edit.head)});
            if (!edit.tail.empty()) splices_.push_back({p.endTagAt, 0, std::move(edit.tail)});
        }
    }
    pending_.clear();
}

std::string Anchorer::Spliced() {
    std::stable_sort(splices_.begin(), splices_.end(),
                     [](const Splice& a, const Splice& b) { return a.at < b.at; });
    std::size_t added = 0;
    for (const Splice& s : splices_) added += s.text.size();
    std::string out;
    out.reserve(xml_.size() + added);
    std::size_t from = 0;
    for (const Splice& s : splices_) {
        out.append(xml_.substr(from, s.at - from));
        out.append(s.text);
        from = s.at + s.erase;
    }
    out.append(xml_.substr(from));
    return out;
}

AnchoredStory Anchorer::Run() {
    parser_ = XML_ParserCreateNS(nullptr, ooxml::namespaces::kExpatSeparator);
    if (!parser_) throw text::Error(std::string(messages::kBadXmlPrefix) + "word/document.xml", "expat");
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, OnStart, OnEnd);
    constexpr std::size_t kChunk = 1 << 16;
    bool ok = true;
    for (std::size_t offset = 0; ok;) {
        const std::size_t size = std::min(kChunk, xml_.size() - offset);
        const bool last = offset + size >= xml_.size();
        ok = XML_Parse(parser_, xml_.data() + offset, static_cast<int>(size), last ? XML_TRUE : XML_FALSE) ==
             XML_STATUS_OK;
        offset += size;
        if (last) break;
    }
    const std::string where = ok ? std::string() : XML_ErrorString(XML_GetErrorCode(parser_));
    XML_ParserFree(parser_);
    parser_ = nullptr;
    if (!ok) throw text::Error(std::string(messages::kBadXmlPrefix) + "word/document.xml", where);
    return {Spliced(), std::move(placed_)};
}

}  // namespace

AnchoredStory AnchorComments(std::string_view documentXml, const CommentSet& comments, int firstId) {
    return Anchorer(documentXml, comments, firstId).Run();
}

std::string RootNamespaceDeclarations(std::string_view documentXml) {
    struct Collected {
        XML_Parser Parser = nullptr;
        std::string Declarations;
    } collected;
    collected.Parser = XML_ParserCreateNS(nullptr, ooxml::namespaces::kExpatSeparator);
    if (!collected.Parser) return {};
    XML_SetUserData(collected.Parser, &collected);
    XML_SetStartNamespaceDeclHandler(
        collected.Parser, [](void* data, const XML_Char* prefix, const XML_Char* uri) {
            auto& me = *static_cast<Collected*>(data);
            std::string value;
            for (const char* c = uri ? uri : ""; *c; ++c)
                value += *c == '&'   ? std::string("&amp;")
                         : *c == '"' ? std::string("&quot;")
                         : *c == '<' ? std::string("&lt;")
                                     : std::string(1, *c);
            me.Declarations +=
                prefix ? " xmlns:" + std::string(prefix) + "=\"" + value + "\"" : " xmlns=\"" + value + "\"";
        });
    // The root's declarations come before its start tag is reported; nothing after it is needed.
    XML_SetStartElementHandler(collected.Parser, [](void* data, const XML_Char*, const XML_Char**) {
        XML_StopParser(static_cast<Collected*>(data)->Parser, XML_FALSE);
    });
    constexpr std::size_t kHead = 1 << 16;
    const std::string_view head = documentXml.substr(0, kHead);
    XML_Parse(collected.Parser, head.data(), static_cast<int>(head.size()), XML_FALSE);
    XML_ParserFree(collected.Parser);
    return collected.Declarations;
}

}  // namespace tabulex::word::docx
