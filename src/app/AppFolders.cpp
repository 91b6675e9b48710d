#include "app/AppFolders.h"

#include "settings/IniSettings.h"

namespace tabulex::app {

std::filesystem::path SettingsFileLocation(const std::filesystem::path& programFolder,
                                           const std::filesystem::path& dataFolder) {
    const auto beside = programFolder / kSettingsFileName;
    std::error_code error;
    if (std::filesystem::exists(beside, error)) {
        const settings::IniSettings settings(beside);
        // Off Windows there is no system folder for a bare name: the data folder stands in for it.
        if (settings.ReadString(settings::kMainSection, "UseIniInProgramDir", "1") != "0") return beside;
    }
    return dataFolder / kSettingsFileName;
}

std::filesystem::path ReportFolderFrom(const settings::Settings& settings,
                                       const std::filesystem::path& dataFolder) {
    const std::string stored = settings.ReadUtf8(settings::kMainSection, "ReportPath", {});
    const std::filesystem::path folder = stored.empty() ? dataFolder : std::filesystem::path(stored);
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace tabulex::app
