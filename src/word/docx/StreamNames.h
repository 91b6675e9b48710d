#pragma once

// The element names the streaming reader of the main story acts on, recognised from their
// qualified names as Word writes them (w:, wp:, v:, mc:, m:), as the DOM path matches them.

#include <cstdint>

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

Name Classify(const char* qualifiedName);

// The inline containers whose runs a paragraph shows (hyperlinks, smart tags, insertions...).
inline bool IsTransparent(Name name) {
    return name == Name::Hyperlink || name == Name::SmartTag || name == Name::CustomXml ||
           name == Name::Ins || name == Name::MoveTo || name == Name::FldSimple || name == Name::Dir ||
           name == Name::Bdo;
}

}  // namespace tabulex::word::docx::stream
