#pragma once

// Appending UTF-8 text as Windows-1251 without a temporary string: the same characters as
// text::Utf8ToCp1251, with a fast path for ASCII and the Russian alphabet.

#include <string>
#include <string_view>

namespace tabulex::word::docx {

void AppendUtf8AsCp1251(std::string& out, std::string_view utf8);

}  // namespace tabulex::word::docx
