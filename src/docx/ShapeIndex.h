#pragma once

// The floating drawing objects of the main story (Document.Shapes): DrawingML anchors and
// absolutely positioned VML, each counted once even when mc:AlternateContent offers it twice. What
// mc:AlternateContent is, its choice decides (a picture in the line whose VML fallback is positioned
// absolutely stays a picture in the line). Inline pictures are not shapes.

#include "word/WordModel.h"

#include <pugixml.hpp>

#include <vector>

namespace tabulex::word::docx {

// Each shape is the node to remove: w:drawing, w:pict, or the whole mc:AlternateContent.
std::vector<pugi::xml_node> FindShapes(pugi::xml_node body);
// A line (a DrawingML line or connector, VML v:line or a straight connector), a picture, or
// anything else (text boxes, rectangles, ...).
word::ShapeKind KindOfShape(pugi::xml_node shape);
// Removes the shape's node and the run it leaves empty.
void DeleteShape(pugi::xml_node shape);

}  // namespace tabulex::word::docx
