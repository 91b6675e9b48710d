#pragma once

// Paths as the window passes and shows them: through UTF-8 (on Windows a path's plain string is in
// the system's code page, which loses any other letter), and, where a person reads them, with the
// system's own separators.

#include "text/Cp1251.h"
#include "text/Utf8Paths.h"

#include <QString>

#include <filesystem>
#include <string>

namespace tabulex::app {

inline QString QStringOfPath(const std::filesystem::path& path) {
    return QString::fromStdString(text::Utf8OfPath(path));
}

// Windows-1251, for the window's messages.
inline std::string ShownPath(std::filesystem::path path) {
    return text::Utf8ToCp1251(text::Utf8OfPath(path.make_preferred()));
}

}  // namespace tabulex::app
