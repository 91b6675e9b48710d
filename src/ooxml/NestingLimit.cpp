#include "ooxml/NestingLimit.h"

#include "ooxml/PackageMessages.h"
#include "platform/FileSystem.h"
#include "text/Error.h"

namespace tabulex::ooxml {

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
    throw text::Error(
        messages::TooDeep(kMaxXmlNesting) + platform::DisplayName(packageName),
        "part " + std::string(partName) + ": elements nested deeper than " + std::to_string(kMaxXmlNesting));
}

}  // namespace tabulex::ooxml
