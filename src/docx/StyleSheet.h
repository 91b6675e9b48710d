#pragma once

// Effective paragraph and run properties through the style chain of word/styles.xml:
// direct formatting, character style, paragraph style and its basedOn chain, table style,
// document defaults. Toggle properties (bold) follow the toggle rules of OOXML.

#include "docx/StylesXml.h"

#include <pugixml.hpp>

#include <optional>
#include <string_view>

namespace tabulex::word::docx {

struct NumberingRef {
    int NumId = 0;  // 0: not numbered
    int Ilvl = 0;
    // False when neither the paragraph nor its style chain gives w:ilvl: the level is then the one
    // whose w:pStyle names the paragraph's style in the list definition, else 0.
    bool LevelGiven = true;
    // The paragraph's style id, and the style of its chain that gives w:numId (views into styles.xml;
    // empty when there is none).
    std::string_view StyleId;
    std::string_view NumberingStyleId;
};

class StyleSheet {
  public:
    StyleSheet() = default;                          // a package without styles.xml
    explicit StyleSheet(pugi::xml_node stylesRoot);  // the w:styles element

    // `table` is the w:tbl that holds the paragraph, or an empty node.
    bool RunIsBold(pugi::xml_node run, pugi::xml_node paragraph, pugi::xml_node table) const;
    // The bold of the paragraph mark (w:pPr/w:rPr), used for ranges without any text.
    bool ParagraphMarkIsBold(pugi::xml_node paragraph, pugi::xml_node table) const;
    bool KeepWithNext(pugi::xml_node paragraph, pugi::xml_node table) const;
    // Numbering given directly in w:pPr/w:numPr or through the paragraph style chain.
    NumberingRef ParagraphNumbering(pugi::xml_node paragraph) const;
    // The w:numPr of a style (through its basedOn chain); used to follow w:numStyleLink.
    NumberingRef StyleNumbering(std::string_view styleId) const;

    // The same answers from values a streaming reader collects instead of nodes: style ids as the
    // w:val of w:rStyle, w:pStyle and w:tblStyle ("" when absent), direct values when present.
    // `inTable` says whether the paragraph is inside a table at all.
    bool IsBold(std::optional<bool> directBold, std::string_view characterStyle,
                std::string_view paragraphStyle, bool inTable, std::string_view tableStyle) const;
    bool KeepWithNext(std::optional<bool> directKeep, std::string_view paragraphStyle, bool inTable,
                      std::string_view tableStyle) const;
    NumberingRef ParagraphNumbering(std::string_view paragraphStyle, std::optional<int> numId,
                                    std::optional<int> ilvl) const;

  private:
    // A style's properties after its basedOn chain: the first value met walking up the chain.
    struct Resolved {
        std::string_view Id;
        std::string_view Type;
        std::optional<bool> Bold;
        std::optional<bool> KeepNext;
        std::optional<int> NumId;
        std::optional<int> Ilvl;
        std::string_view NumIdStyle;  // the style of the chain whose w:numPr gives numId
    };

    void ReadDefaults(pugi::xml_node stylesRoot);
    void ResolveChains(pugi::xml_node stylesRoot);
    const Resolved* Find(std::string_view id, std::string_view type) const;
    const Resolved& ParagraphStyle(std::string_view id) const;
    const Resolved& TableStyle(bool inTable, std::string_view id) const;
    bool IsBold(pugi::xml_node rPr, pugi::xml_node paragraph, pugi::xml_node table) const;

    pugi::xml_node root_;
    styles::StringMap<Resolved> styles_;
    Resolved none_;
    Resolved defaultParagraph_;
    Resolved defaultTable_;
    bool defaultBold_ = false;
    bool defaultKeepNext_ = false;
};

}  // namespace tabulex::word::docx
