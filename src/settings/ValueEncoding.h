#pragma once

// The settings file is UTF-8 and begins with the byte-order mark, so that a path with any
// character survives it. Files of earlier versions have no mark and hold Windows-1251 texts beside
// paths in UTF-8; each of their values is read as UTF-8 when it is well-formed UTF-8 and as
// Windows-1251 otherwise (Russian text in 1251 is practically never well-formed UTF-8: its letters
// are bytes from C0 to FF, which UTF-8 only allows before continuation bytes from 80 to BF).

#include <string>
#include <string_view>

namespace tabulex::settings {

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// True when `bytes` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsUtf8(std::string_view bytes);

// A value of a file without the mark, in UTF-8.
std::string ValueOfUnmarkedFile(std::string_view value);

}  // namespace tabulex::settings
