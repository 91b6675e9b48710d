#include "word/docx/NumberingPart.h"

#include "word/docx/XmlPart.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

namespace tabulex::word::docx {
namespace {

constexpr const char* kContentTypes = "[Content_Types].xml";
constexpr const char* kDocumentRelationships = "word/_rels/document.xml.rels";
constexpr const char* kNumberingPartName = "/word/numbering.xml";
constexpr const char* kNumberingType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml";
constexpr const char* kNumberingRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering";
constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";

void RegisterContentType(Package& package) {
    pugi::xml_document types = ParsePart(package, kContentTypes);
    pugi::xml_node root = types.child("Types");
    for (pugi::xml_node entry : root.children("Override"))
        if (std::string_view(entry.attribute("PartName").value()) == kNumberingPartName) return;
    pugi::xml_node entry = root.append_child("Override");
    entry.append_attribute("PartName") = kNumberingPartName;
    entry.append_attribute("ContentType") = kNumberingType;
    package.SetBytes(kContentTypes, SerializePart(types));
}

void RegisterRelationship(Package& package) {
    pugi::xml_document relationships = ParsePart(package, kDocumentRelationships);
    pugi::xml_node root = relationships.child("Relationships");
    if (!root) {
        relationships.reset();
        root = StartPart(relationships, "Relationships", "xmlns", kRelationshipsNamespace);
    }
    int free = 1;
    for (pugi::xml_node entry : root.children("Relationship")) {
        if (std::string_view(entry.attribute("Type").value()) == kNumberingRelationship) return;
        const std::string_view id = entry.attribute("Id").value();
        if (id.starts_with("rId")) free = std::max(free, std::atoi(std::string(id.substr(3)).c_str()) + 1);
    }
    pugi::xml_node entry = root.append_child("Relationship");
    entry.append_attribute("Id") = ("rId" + std::to_string(free)).c_str();
    entry.append_attribute("Type") = kNumberingRelationship;
    entry.append_attribute("Target") = "numbering.xml";
    package.SetBytes(kDocumentRelationships, SerializePart(relationships));
}

}  // namespace

void AddNumberingPart(Package& package) {
    RegisterContentType(package);
    RegisterRelationship(package);
}

}  // namespace tabulex::word::docx
