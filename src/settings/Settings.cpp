#include "settings/Settings.h"

#include "text/IntegerText.h"

namespace tabulex::settings {

int Settings::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return text::IntegerOr(ReadString(section, key, {}), defaultValue);
}

void Settings::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

std::string MemorySettings::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const {
    const auto found = values_.find(std::pair{std::string(section), std::string(key)});
    return found == values_.end() ? std::string(defaultValue) : found->second;
}

void MemorySettings::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    values_[{std::string(section), std::string(key)}] = std::string(value);
}

void MemorySettings::EraseSection(std::string_view section) {
    std::erase_if(values_, [&](const auto& entry) { return entry.first.first == section; });
}

bool MemorySettings::HasSection(std::string_view section) const {
    for (const auto& entry : values_)
        if (entry.first.first == section) return true;
    return false;
}

}  // namespace tabulex::settings
