#include "docx/ShapeIndex.h"

#include "docx/InlineWalk.h"
#include "docx/Ooxml.h"

namespace tabulex::word::docx {
namespace {

bool IsShapeNode(pugi::xml_node node) {
    if (Is(node, "w:drawing")) return static_cast<bool>(node.child("wp:anchor"));
    if (Is(node, "w:pict")) return IsFloatingVml(node);
    return false;
}

// True when the content under `node` (a run or an mc branch) holds a floating shape.
bool HoldsShape(pugi::xml_node node) {
    for (pugi::xml_node child : node.children()) {
        if (IsShapeNode(child)) return true;
        if (Is(child, "w:r") && HoldsShape(child)) return true;
    }
    return false;
}

void CollectInline(pugi::xml_node container, std::vector<pugi::xml_node>& out) {
    for (pugi::xml_node child : container.children()) {
        if (IsShapeNode(child)) {
            out.push_back(child);
        } else if (Is(child, "mc:AlternateContent")) {
            pugi::xml_node choice = child.child("mc:Choice");
            pugi::xml_node fallback = child.child("mc:Fallback");
            if ((choice && HoldsShape(choice)) || (fallback && HoldsShape(fallback))) out.push_back(child);
        } else if (Is(child, "w:sdt")) {
            CollectInline(child.child("w:sdtContent"), out);
        } else if (Is(child, "w:r") || Is(child, "w:hyperlink") || Is(child, "w:smartTag") ||
                   Is(child, "w:customXml") || Is(child, "w:ins") || Is(child, "w:moveTo") ||
                   Is(child, "w:fldSimple")) {
            CollectInline(child, out);
        }
    }
}

bool IsEmptyRun(pugi::xml_node run) {
    for (pugi::xml_node child : run.children())
        if (!Is(child, "w:rPr")) return false;
    return true;
}

}  // namespace

std::vector<pugi::xml_node> FindShapes(pugi::xml_node body) {
    std::vector<pugi::xml_node> shapes;
    ForEachParagraphIn(body, [&](pugi::xml_node paragraph) { CollectInline(paragraph, shapes); });
    return shapes;
}

void DeleteShape(pugi::xml_node shape) {
    pugi::xml_node parent = shape.parent();
    parent.remove_child(shape);
    if (Is(parent, "w:r") && IsEmptyRun(parent)) parent.parent().remove_child(parent);
}

}  // namespace tabulex::word::docx
