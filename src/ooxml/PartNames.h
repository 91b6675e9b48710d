#pragma once

// Part names of a package as its relationships give them: a target is a URI reference relative to
// the folder of the part that holds the relationship, so "../comments.xml" from word/document.xml
// is the part comments.xml at the package's root, never a zip entry "word/../comments.xml".

#include <string>
#include <string_view>

namespace tabulex::ooxml {

// The part name (without the leading slash) that `target` names from `sourcePart`; empty when it
// names no part (empty, or only a fragment).
std::string ResolveTarget(std::string_view sourcePart, std::string_view target);

}  // namespace tabulex::ooxml
