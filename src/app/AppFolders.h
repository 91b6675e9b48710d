#pragma once

// The program, data and report folders and the settings file the window works with.

#include "settings/Settings.h"

#include <filesystem>

namespace tabulex::app {

struct AppFolders {
    std::filesystem::path Program;  // the folder of the program file
    std::filesystem::path Data;     // the per-user data folder, shared with the command line
    std::filesystem::path Report;   // key ReportPath, default Data
};

inline constexpr const char* kSettingsFileName = "Tabulex.ini";

// "Tabulex.ini" of the program folder when it exists and does not say UseIniInProgramDir=0, else
// the one in the data folder.
std::filesystem::path SettingsFileLocation(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& dataFolder);

// The report folder from the settings (default: the data folder), created with its parents.
std::filesystem::path ReportFolderFrom(const settings::Settings& settings,
                                       const std::filesystem::path& dataFolder);

}  // namespace tabulex::app
