#pragma once

#include <filesystem>

namespace tabulex::settings {

// The per-user data folder: $TABULEX_DATA_DIR, else $XDG_DATA_HOME/Tabulex, else
// ~/.local/share/Tabulex, else the current folder. Holds Tabulex.ini and the default reports.
std::filesystem::path DataFolder();
// The settings file "Tabulex.ini" in the data folder.
std::filesystem::path SettingsFile();

}  // namespace tabulex::settings
