#pragma once

// Registering a part the host adds to a package: its content type in [Content_Types].xml and its
// relationship from the main story, so that a word processor finds it. Nothing happens for what is
// already registered.

#include "ooxml/Package.h"

#include <string_view>

namespace tabulex::ooxml {

// `partName` without the leading slash ("word/comments.xml"); names compare without case, as
// package part names do.
void RegisterContentType(Package& package, std::string_view partName, const char* contentType);

// A relationship of `type` from word/document.xml to `target` (relative to word/), unless one of
// that type is there already; the relationships part is started when the package has none.
void RegisterMainRelationship(Package& package, const char* type, const char* target);

}  // namespace tabulex::ooxml
