#include "word/docx/ListEdit.h"

#include "text/Cp1251.h"
#include "word/docx/DocxDocument.h"
#include "word/docx/InlineWalk.h"
#include "word/docx/Ooxml.h"
#include "word/docx/PropertyEdit.h"

#include <string_view>
#include <utility>
#include <vector>

namespace tabulex::word::docx {
namespace {

pugi::xml_node ChildWithVal(pugi::xml_node parent, const char* name, const char* attribute, int value) {
    for (pugi::xml_node child : parent.children(name))
        if (child.attribute(attribute).as_int(-1) == value) return child;
    return {};
}

pugi::xml_node LevelOf(pugi::xml_node numberingRoot, NumberingRef ref) {
    pugi::xml_node num = ChildWithVal(numberingRoot, "w:num", "w:numId", ref.NumId);
    if (!num) return {};
    pugi::xml_node override = ChildWithVal(num, "w:lvlOverride", "w:ilvl", ref.Ilvl);
    if (pugi::xml_node level = override.child("w:lvl")) return level;
    int abstractId = num.child("w:abstractNumId").attribute("w:val").as_int(-1);
    pugi::xml_node abstract = ChildWithVal(numberingRoot, "w:abstractNum", "w:abstractNumId", abstractId);
    return ChildWithVal(abstract, "w:lvl", "w:ilvl", ref.Ilvl);
}

bool StyleGivesNumbering(const StyleSheet& styles, pugi::xml_node paragraph) {
    pugi::xml_node numPr = paragraph.child("w:pPr").child("w:numPr");
    // Ask the style chain without the paragraph's own numbering.
    if (numPr) numPr.set_name("w:numPr.parked");
    bool numbered = styles.ParagraphNumbering(paragraph).NumId != 0;
    if (numPr) numPr.set_name("w:numPr");
    return numbered;
}

// The paragraph's run properties for a new run: those of its paragraph mark, without revision marks.
void CopyMarkProperties(pugi::xml_node paragraph, pugi::xml_node run) {
    pugi::xml_node mark = paragraph.child("w:pPr").child("w:rPr");
    if (!mark) return;
    pugi::xml_node rPr = run.prepend_copy(mark);
    for (const char* revision : {"w:ins", "w:del", "w:moveFrom", "w:moveTo", "w:rPrChange"})
        rPr.remove_child(revision);
}

void InsertLiteralNumber(pugi::xml_node paragraph, const std::string& textUtf8) {
    pugi::xml_node pPr = paragraph.child("w:pPr");
    pugi::xml_node run = pPr ? paragraph.insert_child_after("w:r", pPr) : paragraph.prepend_child("w:r");
    CopyMarkProperties(paragraph, run);
    std::string_view rest = textUtf8;
    while (!rest.empty()) {
        std::size_t tab = rest.find('\t');
        std::string_view piece = rest.substr(0, tab);
        if (!piece.empty()) {
            pugi::xml_node t = run.append_child("w:t");
            t.append_attribute("xml:space") = "preserve";
            t.text().set(std::string(piece).c_str());
        }
        if (tab == std::string_view::npos) break;
        run.append_child("w:tab");
        rest.remove_prefix(tab + 1);
    }
}

template <class F>
void ForEachNumbered(DocxDocument& document, pugi::xml_node range, F&& f) {
    const ListStrings& shown = document.ShownListStrings();
    std::vector<std::pair<pugi::xml_node, std::string>> numbered;
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        if (document.Styles().ParagraphNumbering(paragraph).NumId == 0) return;
        auto it = shown.find(paragraph.internal_object());
        numbered.emplace_back(paragraph, it == shown.end() ? std::string() : it->second);
    });
    for (auto& [paragraph, number] : numbered) f(paragraph, number);
}

}  // namespace

std::string NumberSuffix(pugi::xml_node numberingRoot, NumberingRef ref) {
    std::string_view suffix = LevelOf(numberingRoot, ref).child("w:suff").attribute("w:val").value();
    if (suffix == "space") return " ";
    if (suffix == "nothing") return "";
    return "\t";
}

std::string RangeListString(DocxDocument& document, pugi::xml_node range) {
    const ListStrings& shown = document.ShownListStrings();
    if (shown.empty()) return {};
    std::string result;
    bool found = false;
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        if (found) return;
        auto it = shown.find(paragraph.internal_object());
        if (it == shown.end()) return;
        result = it->second;
        found = true;
    });
    return result;
}

bool RemoveRangeNumbers(DocxDocument& document, pugi::xml_node range) {
    bool changed = false;
    ForEachNumbered(document, range, [&](pugi::xml_node paragraph, const std::string&) {
        RemoveParagraphNumbering(paragraph, StyleGivesNumbering(document.Styles(), paragraph));
        changed = true;
    });
    return changed;
}

bool ConvertRangeNumbersToText(DocxDocument& document, pugi::xml_node range) {
    bool changed = false;
    ForEachNumbered(document, range, [&](pugi::xml_node paragraph, const std::string& number) {
        if (!number.empty()) {
            NumberingRef ref = document.Styles().ParagraphNumbering(paragraph);
            InsertLiteralNumber(paragraph,
                                text::Cp1251ToUtf8(number) + NumberSuffix(document.NumberingRoot(), ref));
        }
        RemoveParagraphNumbering(paragraph, StyleGivesNumbering(document.Styles(), paragraph));
        changed = true;
    });
    return changed;
}

}  // namespace tabulex::word::docx
