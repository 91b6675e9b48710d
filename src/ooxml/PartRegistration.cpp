#include "ooxml/PartRegistration.h"

#include "ooxml/XmlPart.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

namespace tabulex::ooxml {
namespace {

constexpr const char* kContentTypes = "[Content_Types].xml";
constexpr const char* kMainRelationships = "word/_rels/document.xml.rels";
constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";

bool SameName(std::string_view a, std::string_view b) {
    if (!a.empty() && a.front() == '/') a.remove_prefix(1);
    if (!b.empty() && b.front() == '/') b.remove_prefix(1);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The first "rIdN" no relationship uses yet.
std::string FreeRelationshipId(const pugi::xml_node relationships) {
    int free = 1;
    for (pugi::xml_node entry : relationships.children("Relationship")) {
        const std::string_view id = entry.attribute("Id").value();
        if (id.starts_with("rId")) free = std::max(free, std::atoi(std::string(id.substr(3)).c_str()) + 1);
    }
    return "rId" + std::to_string(free);
}

}  // namespace

void RegisterContentType(Package& package, std::string_view partName, const char* contentType) {
    pugi::xml_document types = ParsePart(package, kContentTypes);
    pugi::xml_node root = types.document_element();
    for (pugi::xml_node entry : root.children("Override"))
        if (SameName(entry.attribute("PartName").value(), partName)) return;
    pugi::xml_node entry = root.append_child("Override");
    entry.append_attribute("PartName") = ("/" + std::string(partName)).c_str();
    entry.append_attribute("ContentType") = contentType;
    package.SetBytes(kContentTypes, SerializePart(types));
}

void RegisterMainRelationship(Package& package, const char* type, const char* target) {
    pugi::xml_document relationships = ParsePart(package, kMainRelationships);
    pugi::xml_node root = relationships.child("Relationships");
    if (!root) {
        relationships.reset();
        root = StartPart(relationships, "Relationships", "xmlns", kRelationshipsNamespace);
    }
    for (pugi::xml_node entry : root.children("Relationship"))
        if (std::string_view(entry.attribute("Type").value()) == type) return;
    pugi::xml_node entry = root.append_child("Relationship");
    entry.append_attribute("Id") = FreeRelationshipId(root).c_str();
    entry.append_attribute("Type") = type;
    entry.append_attribute("Target") = target;
    package.SetBytes(kMainRelationships, SerializePart(relationships));
}

}  // namespace tabulex::ooxml
