#include "cli/BatchSettings.h"

namespace tabulex::cli {

bool BatchSettings::IsLastFile(std::string_view section, std::string_view key) {
    return section == settings::kMainSection && key == settings::kLastFileKey;
}

std::string BatchSettings::ReadUtf8(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    if (IsLastFile(section, key)) {
        std::lock_guard guard(mutex_);
        if (lastFile_) return *lastFile_;
    }
    return file_.ReadUtf8(section, key, defaultValue);
}

void BatchSettings::WriteUtf8(std::string_view section, std::string_view key, std::string_view value) {
    if (IsLastFile(section, key)) {
        std::lock_guard guard(mutex_);
        lastFile_ = std::string(value);
        return;
    }
    file_.WriteUtf8(section, key, value);
}

void BatchSettings::EraseSection(std::string_view section) {
    if (section == settings::kMainSection) {
        std::lock_guard guard(mutex_);
        lastFile_.reset();
    }
    file_.EraseSection(section);
}

void BatchSettings::Flush() {
    std::optional<std::string> lastFile;
    {
        std::lock_guard guard(mutex_);
        lastFile.swap(lastFile_);
    }
    if (lastFile) file_.WriteUtf8(settings::kMainSection, settings::kLastFileKey, *lastFile);
}

}  // namespace tabulex::cli
