#pragma once

// The settings file "Tabulex.ini" as the check run sees it. Values are read from and written to
// the file at the moment of use, so that several processes, and several checks of one process,
// see what is on disk. The parsed file is kept between uses and read again only when another
// writer has changed it. Every load-modify-save runs under the object's mutex (threads sharing the
// object) and an advisory lock on "Tabulex.ini.lock" beside the file (other objects and other
// processes); a save writes a temporary file and renames it over the settings file.

#include "platform/FileLock.h"
#include "platform/FileStamp.h"
#include "settings/Settings.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace tabulex::settings {

class IniSettings : public settings::Settings {
  public:
    explicit IniSettings(std::filesystem::path file);
    ~IniSettings() override;

    std::string ReadUtf8(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const override;
    void WriteUtf8(std::string_view section, std::string_view key, std::string_view value) override;
    void EraseSection(std::string_view section) override;

    const std::filesystem::path& File() const { return file_; }
    // Why the file cannot hold the settings (1251), empty when it can: a folder, device, pipe or
    // socket in its place (also at the end of a link) is neither read nor replaced, so that every
    // setting falls back to its default and nothing is remembered.
    std::string FileProblem() const;
    // Times the file was read (opened and parsed) by this object.
    int Loads() const { return loads_; }

  private:
    // What identifies one version of the file: the lock file's save count and the file's stamp.
    struct Version {
        std::uint64_t Generation = 0;
        platform::FileStamp File;
        bool operator==(const Version&) const = default;
    };
    struct Parsed;

    Version CurrentVersion() const;
    // Reads the file again unless the kept copy is current. Called with the lock held.
    void Refresh() const;
    // Writes the kept copy to the file; false when it could not be written.
    bool Save();

    std::filesystem::path file_;
    mutable std::mutex mutex_;
    mutable platform::FileLock lock_;
    std::unique_ptr<Parsed> parsed_;
    mutable std::optional<Version> loaded_;
    mutable int loads_ = 0;
};

}  // namespace tabulex::settings
