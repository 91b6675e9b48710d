#pragma once

// Paths and the UTF-8 strings the program keeps them in. A path is built from UTF-8 only through
// PathFromUtf8: on Windows a path made from a plain std::string reads it in the system's code page,
// byte by byte, and a Cyrillic name would name another file.

#include <filesystem>
#include <string>
#include <string_view>

namespace tabulex::text {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(
        std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

inline std::string Utf8OfPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace tabulex::text
