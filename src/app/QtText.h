#pragma once

// Crossing between the core's Windows-1251 texts (line breaks as CR) and Qt's strings.

#include <QString>

#include <string>
#include <string_view>

namespace tabulex::app {

// A 1251 text for a widget: every CR (or CR LF) becomes a line feed.
QString FromCp(std::string_view text1251);
// A widget's text for the core: 1251, line feeds as CR; characters without a 1251 code become '?'.
std::string ToCp(const QString& text);

}  // namespace tabulex::app
