#include "cli/IniSettings.h"

// Values are Windows-1251 bytes kept as they are: no Unicode conversion.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

namespace tabulex::cli {
namespace {

void Load(CSimpleIniA& ini, const std::filesystem::path& file) {
    ini.SetUnicode(false);  // values are Windows-1251 bytes, kept as they are
    if (std::filesystem::exists(file)) ini.LoadFile(file.c_str());
}

}  // namespace

IniSettings::IniSettings(std::filesystem::path file) : file_(std::move(file)) {}

std::string IniSettings::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    std::lock_guard lock(mutex_);
    CSimpleIniA ini;
    Load(ini, file_);
    const char* value = ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    return value ? std::string(value) : std::string(defaultValue);
}

void IniSettings::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::lock_guard lock(mutex_);
    CSimpleIniA ini;
    Load(ini, file_);
    ini.SetValue(std::string(section).c_str(), std::string(key).c_str(), std::string(value).c_str());
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);
    ini.SaveFile(file_.c_str());
}

void IniSettings::EraseSection(std::string_view section) {
    std::lock_guard lock(mutex_);
    CSimpleIniA ini;
    Load(ini, file_);
    if (ini.Delete(std::string(section).c_str(), nullptr)) ini.SaveFile(file_.c_str());
}

}  // namespace tabulex::cli
