#pragma once

#include <filesystem>

namespace tabulex::platform {

// The folder where the user's programs keep their data (the program adds its own folder below
// it); empty when the system names none.
std::filesystem::path UserDataFolder();

}  // namespace tabulex::platform
