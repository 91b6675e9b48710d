#pragma once

// The floating drawing objects of the main story (Document.Shapes): DrawingML anchors and
// absolutely positioned VML, each counted once even when mc:AlternateContent offers it twice.
// Inline pictures are not shapes.

#include <pugixml.hpp>

#include <vector>

namespace tabulex::word::docx {

// Each shape is the node to remove: w:drawing, w:pict, or the whole mc:AlternateContent.
std::vector<pugi::xml_node> FindShapes(pugi::xml_node body);
// Removes the shape's node and the run it leaves empty.
void DeleteShape(pugi::xml_node shape);

}  // namespace tabulex::word::docx
