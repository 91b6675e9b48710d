#include "settings/IniSettings.h"

// Values are UTF-8 bytes kept as they are; the file's byte-order mark is handled here.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include "platform/FileStamp.h"
#include "platform/ReplacementFile.h"
#include "settings/ValueEncoding.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"
#include "text/Utf8Paths.h"

#include <cstdio>
#include <string>

namespace tabulex::settings {

struct IniSettings::Parsed {
    Parsed() { Ini.SetUnicode(false); }
    CSimpleIniA Ini;

    // Reads the file; a file of an earlier version, without the mark, has its values made UTF-8.
    void Load(const std::filesystem::path& file) {
        Ini.Reset();
        Ini.SetUnicode(false);  // set again by the loader when the file begins with the mark
        Ini.LoadFile(file.c_str());
        if (!Ini.IsUnicode()) MakeValuesUtf8();
    }

    void MakeValuesUtf8() {
        CSimpleIniA::TNamesDepend sections;
        Ini.GetAllSections(sections);
        for (const auto& section : sections) {
            CSimpleIniA::TNamesDepend keys;
            Ini.GetAllKeys(section.pItem, keys);
            for (const auto& key : keys) {
                const char* value = Ini.GetValue(section.pItem, key.pItem, nullptr);
                if (!value || IsUtf8(value)) continue;
                Ini.SetValue(section.pItem, key.pItem, ValueOfUnmarkedFile(value).c_str());
            }
        }
    }

    // The file's text, UTF-8 behind its mark.
    bool Text(std::string& text) {
        if (Ini.Save(text, false) < 0) return false;
        text.insert(0, kUtf8Mark);
        return true;
    }
};

namespace {

// Writes `text` to a temporary file and renames it over `file` (through a symbolic link, to the
// file it points at), keeping the old file's permissions; `written` gets the new file's stamp.
// Not synced to disk: the file holds the last file name and a resume point, which a power failure
// may lose without harm, and the rename already keeps readers from ever seeing half a file.
bool ReplaceFile(const std::filesystem::path& file, std::string_view text, platform::FileStamp& written) {
    std::error_code error;
    std::filesystem::path target = file;
    if (std::filesystem::is_symlink(file, error)) target = std::filesystem::canonical(file, error);
    if (error) target = file;
    // A device, pipe or socket in the file's place (also at the end of a link) is never replaced.
    const platform::FileStamp present = platform::EntryStampOf(target);
    if (present.Exists && !present.IsRegular) return false;
    platform::ReplacementFile replacement;
    if (!replacement.Open(target, "." + text::Utf8OfPath(target.filename()))) return false;
    if (std::fwrite(text.data(), 1, text.size(), replacement.Stream()) != text.size()) return false;
    if (!replacement.Commit(false)) return false;
    written = replacement.Written();
    return true;
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
        parsed_->Load(file_);
        ++loads_;
    }
    loaded_ = version;
}

std::string IniSettings::FileProblem() const {
    using namespace text::literals;
    const platform::FileStamp stamp = platform::StampOf(file_);
    if (!stamp.Exists || stamp.IsRegular) return {};
    return text::FillIn(
        "Файл настроек %1 — не обычный файл (папка, устройство, канал или сокет): настройки не будут ни прочитаны, ни сохранены."_cp,
        {text::Utf8ToCp1251(file_.string())});
}

bool IniSettings::Save() {
    std::string text;
    platform::FileStamp written;
    if (!parsed_->Text(text) || !ReplaceFile(file_, text, written)) {
        loaded_.reset();  // the kept copy may no longer be what the file holds
        return false;
    }
    lock_.NextGeneration();
    // The stamp of what was written, not of what the name shows now: another program's version
    // put there in between is then read at the next look rather than taken for ours.
    loaded_ = Version{lock_.Generation(), written};
    return true;
}

std::string IniSettings::ReadUtf8(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    std::lock_guard guard(mutex_);
    platform::FileLockGuard lock(lock_, false);
    Refresh();
    const char* value =
        parsed_->Ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    return value ? std::string(value) : std::string(defaultValue);
}

void IniSettings::WriteUtf8(std::string_view section, std::string_view key, std::string_view value) {
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
