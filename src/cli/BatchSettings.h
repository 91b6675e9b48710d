#pragma once

// The settings as a batch of checks sees them: every check names its document as the last file
// checked, and writing the settings file each time (a whole replacement, flushed to disk, under
// the file's lock) would make the workers wait on one another; the name is written once, when the
// batch ends. Everything else (a stopped check's resume point) is written at once.

#include "settings/Settings.h"

#include <mutex>
#include <optional>
#include <string>

namespace tabulex::cli {

class BatchSettings : public settings::Settings {
  public:
    explicit BatchSettings(settings::Settings& file) : file_(file) {}

    std::string ReadUtf8(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const override;
    void WriteUtf8(std::string_view section, std::string_view key, std::string_view value) override;
    void EraseSection(std::string_view section) override;

    // Writes the last file checked, if any check named one.
    void Flush();

  private:
    static bool IsLastFile(std::string_view section, std::string_view key);

    settings::Settings& file_;
    mutable std::mutex mutex_;
    std::optional<std::string> lastFile_;
};

}  // namespace tabulex::cli
