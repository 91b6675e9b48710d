#pragma once

// Appending UTF-8 text as Windows-1251 without a temporary string: the same characters as
// text::Utf8ToCp1251, with fast paths for runs of ASCII and for the Cyrillic and Latin-1 ranges.

#include <string>
#include <string_view>

namespace tabulex::word::docx {

void AppendUtf8AsCp1251(std::string& out, std::string_view utf8);

}  // namespace tabulex::word::docx
