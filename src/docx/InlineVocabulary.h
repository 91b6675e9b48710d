#pragma once

// What a paragraph's content means to Range.Text, for both readers of document.xml (the DOM walk of
// InlineWalk.h and the streaming reader): which inline containers Word shows the runs of, which
// run elements stand for a fixed character, and the characters Word gives for non-text content.
// A new element is taught here once.

#include <cstring>
#include <string_view>

namespace tabulex::word::docx::vocabulary {

// The characters Range.Text gives for content that is not text.
inline constexpr std::string_view kTab = "\t";
inline constexpr std::string_view kLineBreak = "\x0B";  // manual line break (Shift+Enter)
inline constexpr std::string_view kPageBreak = "\x0C";
inline constexpr std::string_view kColumnBreak = "\x0E";
inline constexpr std::string_view kNonBreakingHyphen = "\x1E";
inline constexpr std::string_view kOptionalHyphen = "\x1F";
inline constexpr std::string_view kInlineObject = "\x01";   // an in-line picture, shape or object
inline constexpr std::string_view kNoteReference = "\x02";  // footnote or endnote mark
inline constexpr std::string_view kCommentMark = "\x05";
// A symbol character (w:sym): Range.Text gives this placeholder, not the glyph.
inline constexpr std::string_view kSymbolPlaceholder = "(";

enum class InlineKind {
    Transparent,  // an inline container whose runs the paragraph shows
    FixedText,    // a run element that stands for one fixed character
};

struct InlineEntry {
    const char* QualifiedName;
    InlineKind Kind;
    std::string_view Text;  // FixedText: the character
};

inline constexpr InlineEntry kInlineVocabulary[] = {
    {"w:hyperlink", InlineKind::Transparent, {}},
    {"w:smartTag", InlineKind::Transparent, {}},
    {"w:customXml", InlineKind::Transparent, {}},
    {"w:ins", InlineKind::Transparent, {}},
    {"w:moveTo", InlineKind::Transparent, {}},
    {"w:fldSimple", InlineKind::Transparent, {}},
    {"w:dir", InlineKind::Transparent, {}},
    {"w:bdo", InlineKind::Transparent, {}},
    {"w:tab", InlineKind::FixedText, kTab},
    {"w:ptab", InlineKind::FixedText, kTab},
    {"w:cr", InlineKind::FixedText, kLineBreak},
    {"w:noBreakHyphen", InlineKind::FixedText, kNonBreakingHyphen},
    {"w:softHyphen", InlineKind::FixedText, kOptionalHyphen},
    {"w:sym", InlineKind::FixedText, kSymbolPlaceholder},
    {"w:object", InlineKind::FixedText, kInlineObject},
    {"w:footnoteReference", InlineKind::FixedText, kNoteReference},
    {"w:endnoteReference", InlineKind::FixedText, kNoteReference},
    {"w:commentReference", InlineKind::FixedText, kCommentMark},
};

// The entry of a qualified element name, or null.
inline const InlineEntry* FindInline(const char* qualifiedName) {
    // Every name of the table has a prefix: a name's third character tells most apart before a
    // whole comparison (read only when the first two are there).
    if (!qualifiedName[0] || !qualifiedName[1]) return nullptr;
    for (const InlineEntry& entry : kInlineVocabulary)
        if (entry.QualifiedName[2] == qualifiedName[2] &&
            std::strcmp(entry.QualifiedName, qualifiedName) == 0)
            return &entry;
    return nullptr;
}

// An inline container whose runs the paragraph shows.
inline bool IsTransparentInline(const char* qualifiedName) {
    const InlineEntry* entry = FindInline(qualifiedName);
    return entry && entry->Kind == InlineKind::Transparent;
}

// The character of a w:br by its w:type: a page, column or (otherwise) line break.
inline std::string_view BreakText(std::string_view type) {
    return type == "page" ? kPageBreak : type == "column" ? kColumnBreak : kLineBreak;
}

}  // namespace tabulex::word::docx::vocabulary
