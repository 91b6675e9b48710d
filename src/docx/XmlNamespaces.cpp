#include "docx/XmlNamespaces.h"

namespace tabulex::word::docx {
namespace {

std::string_view PrefixOf(std::string_view qualifiedName) {
    const std::size_t colon = qualifiedName.find(':');
    return colon == std::string_view::npos ? std::string_view() : qualifiedName.substr(0, colon);
}

std::string DeclarationName(std::string_view prefix) {
    return prefix.empty() ? std::string("xmlns") : "xmlns:" + std::string(prefix);
}

}  // namespace

std::string_view BoundNamespace(pugi::xml_node node, std::string_view prefix) {
    const std::string declaration = DeclarationName(prefix);
    for (; node && node.type() == pugi::node_element; node = node.parent())
        if (const pugi::xml_attribute bound = node.attribute(declaration.c_str())) return bound.value();
    return {};
}

std::string_view LocalName(std::string_view qualifiedName) {
    const std::size_t colon = qualifiedName.find(':');
    return colon == std::string_view::npos ? qualifiedName : qualifiedName.substr(colon + 1);
}

std::string_view ElementNamespace(pugi::xml_node element) {
    return BoundNamespace(element, PrefixOf(element.name()));
}

bool IsElement(pugi::xml_node node, std::string_view uri, std::string_view localName) {
    return node.type() == pugi::node_element && LocalName(node.name()) == localName &&
           ElementNamespace(node) == uri;
}

pugi::xml_attribute NamespacedAttribute(pugi::xml_node element, std::string_view uri,
                                        std::string_view localName) {
    for (pugi::xml_attribute attribute : element.attributes()) {
        const std::string_view name = attribute.name();
        const std::string_view prefix = PrefixOf(name);
        if (prefix.empty() || prefix == "xmlns" || LocalName(name) != localName) continue;
        if (BoundNamespace(element, prefix) == uri) return attribute;
    }
    return {};
}

}  // namespace tabulex::word::docx
