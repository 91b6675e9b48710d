#pragma once

// The streaming reader of the main story: expat's callbacks feed it elements and text, and it
// fills a CompactStory the way the DOM path walks the same XML. Its members are defined by concern:
// Reader.cpp (the expat driver and the element stack), ReaderSegments.cpp (text as pugixml
// keeps it), ReaderTables.cpp (tables, rows, cells), ReaderInline.cpp (paragraph and run content),
// ReaderProperties.cpp (paragraph, run, row and table properties) and ReaderParagraphs.cpp (what a
// paragraph gives its row and cell when it ends: list number, bold, keep-with-next).

#include "docx/CompactStory.h"
#include "docx/ListNumbering.h"
#include "docx/StyleSheet.h"
#include "docx/stream/PartExcerpts.h"
#include "docx/stream/ReaderFrame.h"
#include "docx/stream/ReaderRangeState.h"
#include "ooxml/KnownNamespaces.h"
#include "ooxml/PartStream.h"

#include <expat.h>

#include <atomic>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::word::docx::stream {

// The value of the attribute named as Word writes it ("w:val"), or null; expat gives names by
// namespace (KnownNamespaces.h).
inline const char* Attribute(const char** attrs, std::string_view qualifiedName) {
    for (; *attrs; attrs += 2)
        if (ooxml::namespaces::IsExpandedName(attrs[0], qualifiedName)) return attrs[1];
    return nullptr;
}

inline std::string_view Val(const char** attrs) {
    const char* val = Attribute(attrs, "w:val");
    return val ? std::string_view(val) : std::string_view();
}

class Reader {
  public:
    Reader(const StyleSheet& styles, const ListNumbering& numbering, CompactStory& story)
        : styles_(styles), counter_(numbering), story_(story), writer_(story) {
        frames_.reserve(64);
        frames_.emplace_back();
    }

    // False when the stream cannot be read the way the DOM path reads it (see ReadCompactStory).
    // Ends early, false, when `stop` is set. What the stream throws reaches the caller.
    bool Read(ooxml::PartStream& xml, const std::atomic<bool>* stop, PartExcerpts& excerpts);

  private:
    static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attrs);
    static void XMLCALL OnEnd(void* self, const XML_Char*);
    static void XMLCALL OnText(void* self, const XML_Char* s, int len);
    static void XMLCALL OnMarkup(void* self, const XML_Char*);
    static void XMLCALL OnInstruction(void* self, const XML_Char*, const XML_Char*);
    static void XMLCALL OnCdataStart(void* self);
    static void XMLCALL OnCdataEnd(void* self);
    static void XMLCALL OnDoctype(void* self, const XML_Char*, const XML_Char*, const XML_Char*, int);

    void Unsupported();
    void Start(const char* name, const char** attrs);
    void End();

    // Text segments (ReaderSegments.cpp).
    void Characters(const char* s, int len);
    void Markup() { CloseSegment(frames_.back(), false); }
    void CdataStart();
    void CdataEnd();
    void CloseSegment(Frame& frame, bool byEndTag);

    // Tables, rows and cells (ReaderTables.cpp).
    void Structure(Frame& parent, Frame& child);
    void RangeReach(const Frame& parent, Frame& child);
    void StartTable(Frame& child);
    void EndTable(const Frame& frame, Frame& parent);
    void EndBlocksWrapper(const Frame& frame);
    void StartTopCell();
    void EndTopCell(const Frame& frame);

    // Paragraph and run content (ReaderInline.cpp).
    void StartParagraph(const Frame& parent, Frame& child);
    void InlineRole(Frame& parent, Frame& child, const char** attrs);
    void RunChild(Frame& child, const char** attrs);
    void Emit(int run, std::string_view text);
    void Field(std::string_view type);

    // Properties (ReaderProperties.cpp).
    void Properties(Frame& parent, Frame& child, int index, const char** attrs);
    void ParagraphProperties(Frame& parent, Frame& child, const char** attrs);
    void RunProperties(Frame& parent, Name name, const char** attrs);
    void TableProperties(Frame& parent, Frame& child, int index, const char** attrs);
    void MergeProperty(std::string_view val);

    // The end of a paragraph (ReaderParagraphs.cpp).
    void EndParagraph(const Frame& frame, Frame& parent);
    bool NumberParagraph();
    void AddParagraphFormats(const Frame& frame, bool numbered);

    const StyleSheet& styles_;
    ListNumbering::ListCounter counter_;
    const CompactStory& story_;
    CompactStoryWriter writer_;
    XML_Parser parser_ = nullptr;
    bool failed_ = false;

    std::vector<Frame> frames_;
    int skipped_ = 0;  // open elements inside an inert one, not on frames_
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
    bool tblHeader_ = false;
    std::string cellText_;  // the current top-level cell's text, Windows-1251
};

}  // namespace tabulex::word::docx::stream
