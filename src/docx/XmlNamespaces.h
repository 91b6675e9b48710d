#pragma once

// Names of a pugixml tree by namespace: pugixml keeps names as written, so an element is known by
// the namespace its prefix is bound to in its scope, whichever prefix (or none) the part uses.

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace tabulex::word::docx {

std::string_view LocalName(std::string_view qualifiedName);

// The namespace an element's name is in (through its own or the default declaration in scope);
// empty when the prefix is bound nowhere.
std::string_view ElementNamespace(pugi::xml_node element);
bool IsElement(pugi::xml_node node, std::string_view uri, std::string_view localName);

// An attribute of the element in that namespace (an attribute without a prefix is in none).
pugi::xml_attribute NamespacedAttribute(pugi::xml_node element, std::string_view uri,
                                        std::string_view localName);

// The namespace a prefix ("" for the default) is bound to at `node`; empty when it is bound nowhere.
std::string_view BoundNamespace(pugi::xml_node node, std::string_view prefix);

}  // namespace tabulex::word::docx
