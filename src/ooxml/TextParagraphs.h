#pragma once

// Plain text as Word takes it into paragraphs: CR, LF and CR LF each end a paragraph.

#include <string_view>
#include <vector>

namespace tabulex::ooxml {

// The paragraphs of a text (UTF-8 or 1251), without their ends; a text without an end is one
// paragraph, and a text ending in a paragraph end has an empty last one.
std::vector<std::string_view> SplitParagraphs(std::string_view text);

}  // namespace tabulex::ooxml
