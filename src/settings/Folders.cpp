#include "settings/Folders.h"

#include <cstdlib>

namespace tabulex::settings {
namespace {
const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}
}  // namespace

std::filesystem::path DataFolder() {
    if (const char* own = NonEmptyEnv("TABULEX_DATA_DIR")) return own;
    if (const char* xdg = NonEmptyEnv("XDG_DATA_HOME")) return std::filesystem::path(xdg) / "Tabulex";
    if (const char* home = NonEmptyEnv("HOME")) return std::filesystem::path(home) / ".local/share/Tabulex";
    return std::filesystem::current_path();
}

std::filesystem::path SettingsFile() {
    return DataFolder() / "Tabulex.ini";
}

}  // namespace tabulex::settings
