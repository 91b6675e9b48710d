#include "docx/ShapeIndex.h"

#include "docx/InlineWalk.h"
#include "docx/Ooxml.h"

#include <string_view>

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
            pugi::xml_node chosen = ChosenBranch(child);
            if (chosen && HoldsShape(chosen)) out.push_back(child);
        } else if (Is(child, "w:sdt")) {
            CollectInline(child.child("w:sdtContent"), out);
        } else if (Is(child, "w:r") || vocabulary::IsTransparentInline(child.name())) {
            CollectInline(child, out);
        }
    }
}

bool IsEmptyRun(pugi::xml_node run) {
    for (pugi::xml_node child : run.children())
        if (!Is(child, "w:rPr")) return false;
    return true;
}

// The drawing or VML element a shape node stands for (through mc:AlternateContent and runs).
pugi::xml_node ShapeContent(pugi::xml_node node) {
    if (Is(node, "w:drawing") || Is(node, "w:pict")) return node;
    if (Is(node, "mc:AlternateContent")) node = ChosenBranch(node);
    for (pugi::xml_node child : node.children()) {
        if (pugi::xml_node found = ShapeContent(child)) return found;
    }
    return {};
}

bool HasDescendant(pugi::xml_node node, const char* name) {
    return static_cast<bool>(node.find_node([name](pugi::xml_node n) { return Is(n, name); }));
}

bool IsLineGeometry(std::string_view preset) {
    return preset == "line" || preset.starts_with("straightConnector") ||
           preset.starts_with("bentConnector") || preset.starts_with("curvedConnector");
}

word::ShapeKind DrawingKind(pugi::xml_node drawing) {
    if (HasDescendant(drawing, "pic:pic")) return word::ShapeKind::Picture;
    pugi::xml_node geometry = drawing.find_node([](pugi::xml_node n) { return Is(n, "a:prstGeom"); });
    if (geometry && IsLineGeometry(geometry.attribute("prst").value())) return word::ShapeKind::Line;
    if (HasDescendant(drawing, "wps:cNvCnPr")) return word::ShapeKind::Line;
    return word::ShapeKind::Other;
}

word::ShapeKind VmlKind(pugi::xml_node pict) {
    if (HasDescendant(pict, "v:line") || HasDescendant(pict, "v:polyline")) return word::ShapeKind::Line;
    if (HasDescendant(pict, "v:imagedata")) return word::ShapeKind::Picture;
    // The straight connector of the VML shape types.
    for (pugi::xml_node shape : pict.children("v:shape"))
        if (std::string_view(shape.attribute("type").value()) == "#_x0000_t32") return word::ShapeKind::Line;
    return word::ShapeKind::Other;
}

}  // namespace

word::ShapeKind KindOfShape(pugi::xml_node shape) {
    pugi::xml_node content = ShapeContent(shape);
    if (Is(content, "w:drawing")) return DrawingKind(content);
    if (Is(content, "w:pict")) return VmlKind(content);
    return word::ShapeKind::Other;
}

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
