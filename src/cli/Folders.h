#pragma once

#include <filesystem>

namespace tabulex::cli {

// The per-user data folder: $TABULEX_DATA_DIR, else $XDG_DATA_HOME/Tabulex, else
// ~/.local/share/Tabulex, else the current folder. Holds Tabulex.ini and the default reports.
std::filesystem::path DataFolder();

}  // namespace tabulex::cli
