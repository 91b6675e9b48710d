#pragma once

// The DOM's side of matching by namespace: pugixml keeps names as written, and the host's walks
// name elements as Word writes them (w:tbl). A valid document may bind the same namespaces to other
// prefixes (ns0:tbl) or make one the default; its elements and attributes of the known namespaces
// (KnownNamespaces.h) are given their usual prefixes, declared on the root, when it is parsed. The
// document means the same; one that already uses the usual prefixes is not changed.

#include <pugixml.hpp>

#include <cstddef>
#include <string_view>

namespace tabulex::ooxml {

void UseCanonicalPrefixes(pugi::xml_document& document);
// The same, given how often "xmlns" occurs in the text the document was parsed from: when every
// occurrence is a declaration on the root, no other element is searched for declarations.
void UseCanonicalPrefixes(pugi::xml_document& document, std::size_t xmlnsInSource);
// How often "xmlns" occurs in `xml`.
std::size_t CountXmlns(std::string_view xml);

}  // namespace tabulex::ooxml
