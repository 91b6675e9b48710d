#pragma once

// The element names the streaming reader of the main story acts on, recognised by namespace from
// expat's expanded names ("URI local", KnownNamespaces.h), whatever prefix the document uses.

#include "docx/StructureVocabulary.h"

#include <cstdint>
#include <string_view>

namespace tabulex::word::docx::stream {

enum class Name : std::uint8_t {
    Other,
    // structure
    Document,
    Body,
    P,
    R,
    T,
    Tbl,
    Tr,
    Tc,
    Sdt,
    SdtContent,
    CustomXml,
    SectPr,
    // properties
    PPr,
    RPr,
    TblPr,
    TrPr,
    TblGrid,
    GridCol,
    PStyle,
    KeepNext,
    NumPr,
    NumId,
    Ilvl,
    B,
    RStyle,
    TblStyle,
    CantSplit,
    TblHeader,
    TcPr,
    VMerge,
    // inline containers Word shows through
    Hyperlink,
    SmartTag,
    Ins,
    MoveTo,
    FldSimple,
    Dir,
    Bdo,
    // run content
    Tab,
    PTab,
    Br,
    Cr,
    NoBreakHyphen,
    SoftHyphen,
    Sym,
    FldChar,
    Drawing,
    Pict,
    Object,
    FootnoteReference,
    EndnoteReference,
    CommentReference,
    OtherW,  // any other w: element
    // markup compatibility, math, drawings
    AlternateContent,
    Choice,
    Fallback,
    OMath,
    OMathPara,
    MathT,
    WpInline,
    VmlShape,  // a v: element other than v:shapetype
};

Name Classify(const char* expandedName);
// The same for a name as Word writes it ("w:tbl").
Name ClassifyQualified(std::string_view qualifiedName);

// What an element means inside a paragraph, from the vocabulary both readers share
// (InlineVocabulary.h): an inline container whose runs the paragraph shows, or a run element that
// stands for a fixed character.
struct InlineMeaning {
    bool Transparent = false;
    std::string_view Text;
};
const InlineMeaning& MeaningOf(Name name);

inline bool IsTransparent(Name name) {
    return MeaningOf(name).Transparent;
}

// What an element is to the tables of the story, from the structure both readers share
// (StructureVocabulary.h).
structure::StructureKind StructureOf(Name name);

}  // namespace tabulex::word::docx::stream
