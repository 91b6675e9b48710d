#include "settings/Folders.h"

#include "platform/UserFolders.h"

#include <cstdlib>

namespace tabulex::settings {

std::filesystem::path DataFolder() {
    const char* own = std::getenv("TABULEX_DATA_DIR");
    if (own && *own) return own;
    const std::filesystem::path user = platform::UserDataFolder();
    return user.empty() ? std::filesystem::current_path() : user / "Tabulex";
}

std::filesystem::path SettingsFile() {
    return DataFolder() / "Tabulex.ini";
}

}  // namespace tabulex::settings
