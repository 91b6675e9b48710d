#include "docx/stream/ReadCompactStory.h"

#include "docx/InlineVocabulary.h"
#include "docx/stream/Reader.h"
#include "ooxml/NestingLimit.h"

#include <memory>
#include <type_traits>

namespace tabulex::word::docx {
namespace stream {

void XMLCALL Reader::OnStart(void* self, const XML_Char* name, const XML_Char** attrs) {
    static_cast<Reader*>(self)->Start(name, attrs);
}
void XMLCALL Reader::OnEnd(void* self, const XML_Char*) {
    static_cast<Reader*>(self)->End();
}
void XMLCALL Reader::OnText(void* self, const XML_Char* s, int len) {
    static_cast<Reader*>(self)->Characters(s, len);
}
void XMLCALL Reader::OnMarkup(void* self, const XML_Char*) {
    static_cast<Reader*>(self)->Markup();
}
void XMLCALL Reader::OnInstruction(void* self, const XML_Char*, const XML_Char*) {
    static_cast<Reader*>(self)->Markup();
}
void XMLCALL Reader::OnCdataStart(void* self) {
    static_cast<Reader*>(self)->CdataStart();
}
void XMLCALL Reader::OnCdataEnd(void* self) {
    static_cast<Reader*>(self)->CdataEnd();
}
void XMLCALL Reader::OnDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    static_cast<Reader*>(self)->Unsupported();
}

void Reader::Unsupported() {
    if (!failed_) XML_StopParser(parser_, XML_FALSE);
    failed_ = true;
}

bool Reader::Read(ooxml::PartStream& xml, const std::atomic<bool>* stop, PartExcerpts& excerpts) {
    struct ParserFree {
        void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
    };
    // Freed also when the stream throws.
    std::unique_ptr<std::remove_pointer_t<XML_Parser>, ParserFree> parser(
        XML_ParserCreateNS(nullptr, ooxml::namespaces::kExpatSeparator));
    if (!parser) return false;
    parser_ = parser.get();
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser_, OnText);
    XML_SetCommentHandler(parser_, OnMarkup);
    XML_SetProcessingInstructionHandler(parser_, OnInstruction);
    XML_SetCdataSectionHandler(parser_, OnCdataStart, OnCdataEnd);
    XML_SetStartDoctypeDeclHandler(parser_, OnDoctype);
    ExcerptTaker taker(excerpts);
    std::string_view previous;
    std::size_t offset = 0;
    bool ok = true;
    while (ok && !failed_) {
        if (stop && stop->load()) {
            failed_ = true;
            break;
        }
        const std::string_view piece = xml.Next();
        const bool last = piece.empty();
        ok = XML_Parse(parser_, piece.data(), static_cast<int>(piece.size()), last ? XML_TRUE : XML_FALSE) ==
             XML_STATUS_OK;
        taker.Take(story_, previous, piece, offset);
        offset += piece.size();
        previous = piece;
        if (last) break;
    }
    parser_ = nullptr;
    return ok && !failed_ && writer_.Fits();
}

// An element opens: what it is to each walk of the DOM path, derived from its parent.
void Reader::Start(const char* name, const char** attrs) {
    if (failed_) return;
    // Too deep for the DOM path's walks: the DOM path refuses the document with its message.
    if (frames_.size() + static_cast<std::size_t>(skipped_) > static_cast<std::size_t>(ooxml::kMaxXmlNesting))
        return Unsupported();
    if (frames_.back().Inert) {
        ++skipped_;
        return;
    }
    // The child is built in place: parent stays valid as the vector does not grow under it.
    if (frames_.size() == frames_.capacity()) frames_.reserve(frames_.size() * 2);
    const bool atTop = frames_.size() == 1;
    Frame& parent = frames_.back();
    CloseSegment(parent, false);
    parent.KeptChild = true;
    const int index = parent.Elements;
    if (parent.Elements < 255) ++parent.Elements;

    Frame& child = frames_.emplace_back();
    child.Name = stream::Classify(name);
    child.Kind = stream::StructureOf(child.Name);
    child.Table = parent.Table;
    child.Run = parent.Run;
    child.Nested = parent.Nested;
    child.Merged = parent.Merged;
    if (parent.Role == Role::Other && atTop && child.Kind == structure::StructureKind::Document)
        child.Role = Role::Root;
    if (parent.Role == Role::Root && child.Kind == structure::StructureKind::Body && parent.Take(kBody)) {
        child.Block = Block::Body;
        child.Enters = true;
    }
    if (parent.Enters && child.Kind != structure::StructureKind::Paragraph &&
        child.Kind != structure::StructureKind::Section && child.Name != Name::Fallback)
        child.Enters = true;
    Structure(parent, child);
    RangeReach(parent, child);
    if (child.Kind == structure::StructureKind::Paragraph) StartParagraph(parent, child);
    if (parent.Inl != Inline::None) InlineRole(parent, child, attrs);
    Properties(parent, child, index, attrs);
    if (child.Kind == structure::StructureKind::ControlContent &&
        parent.Kind == structure::StructureKind::ContentControl)
        parent.Take(kSdtContent);

    if (child.Kind == structure::StructureKind::Table) StartTable(child);
    child.TracksText = child.Role == Role::Text || child.Role == Role::BlocksWrapper;
    if (child.Role == Role::Text) valueDone_ = false;
    child.Inert = child.IsInert();
}

// An element closes: what it has collected goes to its range, cell, row or table.
void Reader::End() {
    if (failed_) return;
    if (skipped_ > 0) {
        --skipped_;
        return;
    }
    Frame frame = frames_.back();
    CloseSegment(frame, true);
    frames_.pop_back();
    Frame& parent = frames_.back();
    switch (frame.Role) {
        case Role::Text:
            if (valueDone_) Emit(frame.Run, value_);
            valueDone_ = false;
            break;
        case Role::Drawing:
            if (frame.Flag) Emit(frame.Run, vocabulary::kInlineObject);
            break;
        case Role::Pict:
            if (!frame.Flag) Emit(frame.Run, vocabulary::kInlineObject);
            break;
        case Role::Paragraph:
            EndParagraph(frame, parent);
            break;
        case Role::BlocksWrapper:
            EndBlocksWrapper(frame);
            break;
        case Role::NestedCell:
            if (parent.Merged) break;
            if (frame.LastWasParagraph) cellText_.pop_back();
            cellText_.append("\r\a");
            break;
        case Role::NestedRow:
            if (!frame.Merged) cellText_.append("\r\a");
            break;
        case Role::TopCell:
            EndTopCell(frame);
            break;
        case Role::TopRow:
            writer_.EndRow(rowRange_.List, rowRange_.Numbered, rowRange_.Bold(), rowRange_.Keep(), cantSplit_,
                           tblHeader_);
            break;
        case Role::TopTable:
            writer_.EndTable(tables_.back().Grid,
                             static_cast<std::size_t>(XML_GetCurrentByteIndex(parser_)) +
                                 static_cast<std::size_t>(XML_GetCurrentByteCount(parser_)));
            break;
        default:
            break;
    }
    if (frame.Kind == structure::StructureKind::Table) EndTable(frame, parent);
}

}  // namespace stream

std::unique_ptr<CompactStory> ReadCompactStory(ooxml::PartStream& xml, const StyleSheet& styles,
                                               const ListNumbering& numbering, const std::atomic<bool>* stop,
                                               PartExcerpts& excerpts) {
    auto story = std::make_unique<CompactStory>();
    {
        stream::Reader reader(styles, numbering, *story);
        if (!reader.Read(xml, stop, excerpts)) return nullptr;
    }
    CompactStoryWriter(*story).Shrink();
    return story;
}

std::unique_ptr<CompactStory> ReadCompactStory(std::string_view xml, const StyleSheet& styles,
                                               const ListNumbering& numbering,
                                               const std::atomic<bool>* stop) {
    const auto pieces = ooxml::StreamBytes(xml, {}, "word/document.xml");
    PartExcerpts excerpts;
    return ReadCompactStory(*pieces, styles, numbering, stop, excerpts);
}

}  // namespace tabulex::word::docx
