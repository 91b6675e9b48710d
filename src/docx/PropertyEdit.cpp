#include "docx/PropertyEdit.h"

#include "docx/Ooxml.h"

#include <array>
#include <cstring>
#include <string>

namespace tabulex::word::docx {
namespace {

// CT_RPr (with the paragraph mark's revision marks first).
constexpr std::array kRunOrder = {"w:ins",
                                  "w:del",
                                  "w:moveFrom",
                                  "w:moveTo",
                                  "w:rStyle",
                                  "w:rFonts",
                                  "w:b",
                                  "w:bCs",
                                  "w:i",
                                  "w:iCs",
                                  "w:caps",
                                  "w:smallCaps",
                                  "w:strike",
                                  "w:dstrike",
                                  "w:outline",
                                  "w:shadow",
                                  "w:emboss",
                                  "w:imprint",
                                  "w:noProof",
                                  "w:snapToGrid",
                                  "w:vanish",
                                  "w:webHidden",
                                  "w:color",
                                  "w:spacing",
                                  "w:w",
                                  "w:kern",
                                  "w:position",
                                  "w:sz",
                                  "w:szCs",
                                  "w:highlight",
                                  "w:u",
                                  "w:effect",
                                  "w:bdr",
                                  "w:shd",
                                  "w:fitText",
                                  "w:vertAlign",
                                  "w:rtl",
                                  "w:cs",
                                  "w:em",
                                  "w:lang",
                                  "w:eastAsianLayout",
                                  "w:specVanish",
                                  "w:oMath",
                                  "w:rPrChange"};

// CT_PPr.
constexpr std::array kParagraphOrder = {"w:pStyle",
                                        "w:keepNext",
                                        "w:keepLines",
                                        "w:pageBreakBefore",
                                        "w:framePr",
                                        "w:widowControl",
                                        "w:numPr",
                                        "w:suppressLineNumbers",
                                        "w:pBdr",
                                        "w:shd",
                                        "w:tabs",
                                        "w:suppressAutoHyphens",
                                        "w:kinsoku",
                                        "w:wordWrap",
                                        "w:overflowPunct",
                                        "w:topLinePunct",
                                        "w:autoSpaceDE",
                                        "w:autoSpaceDN",
                                        "w:bidi",
                                        "w:adjustRightInd",
                                        "w:snapToGrid",
                                        "w:spacing",
                                        "w:ind",
                                        "w:contextualSpacing",
                                        "w:mirrorIndents",
                                        "w:suppressOverlap",
                                        "w:jc",
                                        "w:textDirection",
                                        "w:textAlignment",
                                        "w:textboxTightWrap",
                                        "w:outlineLvl",
                                        "w:divId",
                                        "w:cnfStyle",
                                        "w:rPr",
                                        "w:sectPr",
                                        "w:pPrChange"};

template <std::size_t N>
int OrderOf(const std::array<const char*, N>& order, const char* name) {
    for (std::size_t i = 0; i < N; ++i)
        if (std::strcmp(order[i], name) == 0) return static_cast<int>(i);
    return -1;
}

template <std::size_t N>
pugi::xml_node ChildInOrder(pugi::xml_node parent, const char* name,
                            const std::array<const char*, N>& order) {
    if (pugi::xml_node existing = parent.child(name)) return existing;
    int rank = OrderOf(order, name);
    for (pugi::xml_node child : parent.children()) {
        int childRank = OrderOf(order, child.name());
        if (childRank > rank) return parent.insert_child_before(name, child);
    }
    return parent.append_child(name);
}

pugi::xml_node FirstChildOrPrepend(pugi::xml_node parent, const char* name) {
    if (pugi::xml_node existing = parent.child(name)) return existing;
    return parent.prepend_child(name);
}

void SetToggle(pugi::xml_node property, bool on) {
    property.remove_attribute("w:val");
    if (!on) property.append_attribute("w:val") = "0";
}

}  // namespace

pugi::xml_node RunProperties(pugi::xml_node run) {
    return FirstChildOrPrepend(run, "w:rPr");
}

pugi::xml_node ParagraphProperties(pugi::xml_node paragraph) {
    return FirstChildOrPrepend(paragraph, "w:pPr");
}

pugi::xml_node ParagraphMarkProperties(pugi::xml_node paragraph) {
    return ParagraphPropertyChild(ParagraphProperties(paragraph), "w:rPr");
}

pugi::xml_node RowProperties(pugi::xml_node row) {
    if (pugi::xml_node existing = row.child("w:trPr")) return existing;
    if (pugi::xml_node exceptions = row.child("w:tblPrEx"))
        return row.insert_child_after("w:trPr", exceptions);
    return row.prepend_child("w:trPr");
}

pugi::xml_node RunPropertyChild(pugi::xml_node rPr, const char* name) {
    return ChildInOrder(rPr, name, kRunOrder);
}

pugi::xml_node ParagraphPropertyChild(pugi::xml_node pPr, const char* name) {
    return ChildInOrder(pPr, name, kParagraphOrder);
}

void SetRunToggle(pugi::xml_node rPr, const char* name, bool on) {
    SetToggle(RunPropertyChild(rPr, name), on);
}

void SetParagraphToggle(pugi::xml_node pPr, const char* name, bool on) {
    SetToggle(ParagraphPropertyChild(pPr, name), on);
}

void SetRunFonts(pugi::xml_node rPr, std::string_view fontUtf8) {
    pugi::xml_node fonts = RunPropertyChild(rPr, "w:rFonts");
    const std::string font(fontUtf8);
    for (const char* theme : {"w:asciiTheme", "w:hAnsiTheme", "w:eastAsiaTheme", "w:cstheme"})
        fonts.remove_attribute(theme);
    for (const char* script : {"w:ascii", "w:hAnsi", "w:eastAsia", "w:cs"}) {
        pugi::xml_attribute attribute = fonts.attribute(script);
        if (!attribute) attribute = fonts.append_attribute(script);
        attribute = font.c_str();
    }
}

void RemoveParagraphNumbering(pugi::xml_node paragraph, bool styleGivesNumbering) {
    pugi::xml_node pPr = paragraph.child("w:pPr");
    if (!styleGivesNumbering) {
        if (pPr) pPr.remove_child("w:numPr");
        return;
    }
    pugi::xml_node numPr = ParagraphPropertyChild(ParagraphProperties(paragraph), "w:numPr");
    numPr.remove_children();
    numPr.append_child("w:numId").append_attribute("w:val") = "0";
}

}  // namespace tabulex::word::docx
