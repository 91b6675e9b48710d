#include "platform/UserFolders.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdlib>

namespace tabulex::platform {

// %APPDATA%: the roaming profile's folder, which follows the user from machine to machine in a
// domain, as settings should.
std::filesystem::path UserDataFolder() {
    wchar_t* folder = nullptr;
    std::filesystem::path result;
    if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder) == S_OK)
        result = std::filesystem::path(folder);
    ::CoTaskMemFree(folder);
    if (result.empty())
        if (const wchar_t* appData = ::_wgetenv(L"APPDATA"); appData && *appData) result = appData;
    return result;
}

}  // namespace tabulex::platform
