#include "settings/IniSettings.h"

// Values are Windows-1251 bytes kept as they are: no Unicode conversion.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include "platform/FileStamp.h"
#include "platform/ReplacementFile.h"

#include <cstdio>
#include <string>

namespace tabulex::settings {

struct IniSettings::Parsed {
    Parsed() { Ini.SetUnicode(false); }
    CSimpleIniA Ini;
};

namespace {

// Writes `text` to a temporary file and renames it over `file` (through a symbolic link, to the
// file it points at), keeping the old file's permissions.
// Not synced to disk: the file holds the last file name and a resume point, which a power failure
// may lose without harm, and the rename already keeps readers from ever seeing half a file.
bool ReplaceFile(const std::filesystem::path& file, std::string_view text) {
    std::error_code error;
    std::filesystem::path target = file;
    if (std::filesystem::is_symlink(file, error)) target = std::filesystem::canonical(file, error);
    if (error) target = file;
    // A device, pipe or socket in the file's place (also at the end of a link) is never replaced.
    const platform::FileStamp present = platform::EntryStampOf(target);
    if (present.Exists && !present.IsRegular) return false;
    platform::ReplacementFile replacement;
    if (!replacement.Open(target, "." + target.filename().string())) return false;
    if (std::fwrite(text.data(), 1, text.size(), replacement.Stream()) != text.size()) return false;
    return replacement.Commit(false);
}

}  // namespace

IniSettings::IniSettings(std::filesystem::path file)
    : file_(std::move(file)),
      lock_(file_.string() + ".lock", platform::FileLock::Access::ReadOnlyAllowed),
      parsed_(std::make_unique<Parsed>()) {}

IniSettings::~IniSettings() = default;

IniSettings::Version IniSettings::CurrentVersion() const {
    platform::FileStamp stamp = platform::StampOf(file_);
    // Anything but a regular file is not read: a pipe would never end.
    if (!stamp.IsRegular) stamp = {};
    return {lock_.Generation(), stamp};
}

void IniSettings::Refresh() const {
    // The version is taken before the file is read: a change in between makes the next look read
    // the file again rather than miss it.
    const Version version = CurrentVersion();
    if (loaded_ && *loaded_ == version) return;
    parsed_->Ini.Reset();
    if (version.File.Exists) {
        parsed_->Ini.LoadFile(file_.c_str());
        ++loads_;
    }
    loaded_ = version;
}

bool IniSettings::Save() {
    std::string text;
    if (parsed_->Ini.Save(text) < 0 || !ReplaceFile(file_, text)) {
        loaded_.reset();  // the kept copy may no longer be what the file holds
        return false;
    }
    lock_.NextGeneration();
    loaded_ = CurrentVersion();
    return true;
}

std::string IniSettings::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    std::lock_guard guard(mutex_);
    platform::FileLockGuard lock(lock_, false);
    Refresh();
    const char* value =
        parsed_->Ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    return value ? std::string(value) : std::string(defaultValue);
}

void IniSettings::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::lock_guard guard(mutex_);
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);
    platform::FileLockGuard lock(lock_, true);
    Refresh();
    const std::string sectionName(section), keyName(key), text(value);
    const char* old = parsed_->Ini.GetValue(sectionName.c_str(), keyName.c_str(), nullptr);
    if (old && text == old) return;  // already on disk
    parsed_->Ini.SetValue(sectionName.c_str(), keyName.c_str(), text.c_str());
    Save();
}

void IniSettings::EraseSection(std::string_view section) {
    std::lock_guard guard(mutex_);
    platform::FileLockGuard lock(lock_, true);
    Refresh();
    if (parsed_->Ini.Delete(std::string(section).c_str(), nullptr)) Save();
}

}  // namespace tabulex::settings
