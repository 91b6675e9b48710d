#include "platform/UserFolders.h"

#include <cstdlib>

namespace tabulex::platform {
namespace {

const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

}  // namespace

std::filesystem::path UserDataFolder() {
    if (const char* xdg = NonEmptyEnv("XDG_DATA_HOME")) return xdg;
    if (const char* home = NonEmptyEnv("HOME")) return std::filesystem::path(home) / ".local/share";
    return {};
}

}  // namespace tabulex::platform
