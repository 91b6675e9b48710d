#include "word/docx/NestingLimit.h"

#include "ooxml/FileSystem.h"
#include "word/Error.h"
#include "word/docx/PackageMessages.h"

namespace tabulex::word::docx {

bool NestingWithinLimit(const pugi::xml_node& root) {
    int depth = 1;  // the document element
    for (pugi::xml_node node = root.first_child(); node;) {
        if (node.type() == pugi::node_element && depth > kMaxXmlNesting) return false;
        if (pugi::xml_node child = node.first_child()) {
            node = child;
            ++depth;
            continue;
        }
        while (!node.next_sibling()) {
            node = node.parent();
            --depth;
            if (!node || node == root) return true;
        }
        node = node.next_sibling();
    }
    return true;
}

void ThrowTooDeep(const std::string& packageName, std::string_view partName) {
    throw word::Error(
        messages::TooDeep(kMaxXmlNesting) + ooxml::fs::DisplayName(packageName),
        "part " + std::string(partName) + ": elements nested deeper than " + std::to_string(kMaxXmlNesting));
}

}  // namespace tabulex::word::docx
