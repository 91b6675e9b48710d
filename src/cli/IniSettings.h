#pragma once

// The settings file "Tabulex.ini" as the check run sees it. Values are read from and written to
// the file at the moment of use, so several processes (and several checks of one process, under a
// lock) see what is on disk.

#include "check/Settings.h"

#include <filesystem>
#include <mutex>

namespace tabulex::cli {

class IniSettings : public check::Settings {
  public:
    explicit IniSettings(std::filesystem::path file);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const override;
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    void EraseSection(std::string_view section) override;

    const std::filesystem::path& File() const { return file_; }

  private:
    std::filesystem::path file_;
    mutable std::mutex mutex_;
};

}  // namespace tabulex::cli
