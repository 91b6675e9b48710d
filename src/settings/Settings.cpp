#include "settings/Settings.h"

#include "text/Cp1251.h"
#include "text/IntegerText.h"

namespace tabulex::settings {

std::string Settings::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    return text::Utf8ToCp1251(ReadUtf8(section, key, text::Cp1251ToUtf8(defaultValue)));
}

void Settings::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    WriteUtf8(section, key, text::Cp1251ToUtf8(value));
}

int Settings::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    return text::IntegerOr(ReadUtf8(section, key, {}), defaultValue);
}

void Settings::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteUtf8(section, key, std::to_string(value));
}

std::string MemorySettings::ReadUtf8(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    const auto found = values_.find(std::pair{std::string(section), std::string(key)});
    return found == values_.end() ? std::string(defaultValue) : found->second;
}

void MemorySettings::WriteUtf8(std::string_view section, std::string_view key, std::string_view value) {
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
