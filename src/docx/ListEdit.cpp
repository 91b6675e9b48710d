#include "docx/ListEdit.h"

#include "docx/ContentEdit.h"
#include "docx/DocxDocument.h"
#include "docx/InlineWalk.h"
#include "docx/Ooxml.h"
#include "docx/PropertyEdit.h"
#include "docx/StoryText.h"
#include "ooxml/XmlPart.h"
#include "text/Cp1251.h"

#include <algorithm>
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
    AppendRunContent(run, textUtf8);
}

// A paragraph that shows nothing but its number: the suffix would only separate the number from
// nothing, and a tab in a cell reads as a cell boundary to whoever splits the row text at tabs.
bool HoldsNoText(pugi::xml_node paragraph) {
    std::string text;
    FieldState fields;
    AppendParagraphText(paragraph, fields, text);
    return text.find_first_not_of(" \t") == std::string::npos;
}

template <class F>
void ForEachNumbered(DocxDocument& document, pugi::xml_node range, F&& f) {
    std::vector<std::pair<pugi::xml_node, std::string>> numbered;
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        if (document.Styles().ParagraphNumbering(paragraph).NumId == 0) return;
        const std::string* shown = document.ShownListString(paragraph);
        numbered.emplace_back(paragraph, shown ? *shown : std::string());
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
    std::string result;
    bool found = false;
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        if (found) return;
        const std::string* shown = document.ShownListString(paragraph);
        if (!shown) return;
        result = *shown;
        found = true;
    });
    return result;
}

// Removing needs no shown numbers: computing them again after every edit would make a loop over
// the rows of a long table quadratic.
bool RemoveRangeNumbers(DocxDocument& document, pugi::xml_node range) {
    std::vector<pugi::xml_node> numbered;
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        if (document.Styles().ParagraphNumbering(paragraph).NumId != 0) numbered.push_back(paragraph);
    });
    for (pugi::xml_node paragraph : numbered) {
        RemoveParagraphNumbering(paragraph, StyleGivesNumbering(document.Styles(), paragraph));
        document.NumberingRemoved(paragraph);
    }
    return !numbered.empty();
}

void ApplyRangeNumbering(pugi::xml_node range, int numId) {
    const std::string id = std::to_string(numId);
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        pugi::xml_node pPr = ParagraphProperties(paragraph);
        pPr.remove_child("w:numPr");
        pugi::xml_node numPr = ParagraphPropertyChild(pPr, "w:numPr");
        numPr.append_child("w:ilvl").append_attribute("w:val") = "0";
        numPr.append_child("w:numId").append_attribute("w:val") = id.c_str();
    });
}

namespace {

int NextId(pugi::xml_node root, const char* element, const char* attribute) {
    int next = 1;
    for (pugi::xml_node child : root.children(element))
        next = std::max(next, child.attribute(attribute).as_int(0) + 1);
    return next;
}

constexpr const char* kWordNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

}  // namespace

int AddDecimalList(pugi::xml_document& numbering) {
    pugi::xml_node root = numbering.child("w:numbering");
    if (!root) {
        numbering.reset();
        root = ooxml::StartPart(numbering, "w:numbering", "xmlns:w", kWordNamespace);
    }
    const int abstractId = NextId(root, "w:abstractNum", "w:abstractNumId");
    const int numId = NextId(root, "w:num", "w:numId");
    // The schema wants every w:abstractNum before the first w:num.
    pugi::xml_node firstNum = root.child("w:num");
    pugi::xml_node abstract =
        firstNum ? root.insert_child_before("w:abstractNum", firstNum)
                 : (root.child("w:numIdMacAtCleanup")
                        ? root.insert_child_before("w:abstractNum", root.child("w:numIdMacAtCleanup"))
                        : root.append_child("w:abstractNum"));
    abstract.append_attribute("w:abstractNumId") = abstractId;
    abstract.append_child("w:multiLevelType").append_attribute("w:val") = "singleLevel";
    pugi::xml_node level = abstract.append_child("w:lvl");
    level.append_attribute("w:ilvl") = "0";
    level.append_child("w:start").append_attribute("w:val") = "1";
    level.append_child("w:numFmt").append_attribute("w:val") = "decimal";
    // Plain numbers: a case number ending in a dot is what the check flags.
    level.append_child("w:lvlText").append_attribute("w:val") = "%1";
    level.append_child("w:lvlJc").append_attribute("w:val") = "left";
    pugi::xml_node indent = level.append_child("w:pPr").append_child("w:ind");
    indent.append_attribute("w:left") = "360";
    indent.append_attribute("w:hanging") = "360";
    pugi::xml_node num = root.child("w:numIdMacAtCleanup")
                             ? root.insert_child_before("w:num", root.child("w:numIdMacAtCleanup"))
                             : root.append_child("w:num");
    num.append_attribute("w:numId") = numId;
    num.append_child("w:abstractNumId").append_attribute("w:val") = abstractId;
    return numId;
}

bool ConvertRangeNumbersToText(DocxDocument& document, pugi::xml_node range) {
    bool changed = false;
    ForEachNumbered(document, range, [&](pugi::xml_node paragraph, const std::string& number) {
        if (!number.empty()) {
            NumberingRef ref = document.Styles().ParagraphNumbering(paragraph);
            std::string literal = text::Cp1251ToUtf8(number);
            if (!HoldsNoText(paragraph)) literal += NumberSuffix(document.NumberingRoot(), ref);
            InsertLiteralNumber(paragraph, literal);
        }
        RemoveParagraphNumbering(paragraph, StyleGivesNumbering(document.Styles(), paragraph));
        document.NumberingRemoved(paragraph);
        changed = true;
    });
    return changed;
}

}  // namespace tabulex::word::docx
