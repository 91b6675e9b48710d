#pragma once

// Effective paragraph and run properties through the style chain of word/styles.xml:
// direct formatting, character style, paragraph style and its basedOn chain, table style,
// document defaults. Toggle properties (bold) follow the toggle rules of OOXML.

#include <pugixml.hpp>

namespace tabulex::word::docx {

struct NumberingRef {
    int numId = 0;  // 0: not numbered
    int ilvl = 0;
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

  private:
    pugi::xml_node root_;
};

}  // namespace tabulex::word::docx
