#pragma once

// The settings the check run reads and writes: the last checked file and the resume point of a
// stopped check. Front ends back it with their settings file; tests use MemorySettings.
// The settings are kept in UTF-8, so that a path with any character survives; the check's own
// texts (document names) are Windows-1251 and are converted on the way.

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace tabulex::settings {

inline constexpr std::string_view kMainSection = "Main";
inline constexpr std::string_view kLastFileKey = "LastFile";
// Section of the resume point: key "i" (the row to resume at) and "FileName" (Document.Name).
inline constexpr std::string_view kBreakSection = "Break";
inline constexpr std::string_view kBreakRowKey = "i";
inline constexpr std::string_view kBreakFileKey = "FileName";
// The report folder of the stopped check (a path, UTF-8); the resume point itself is kept there.
inline constexpr std::string_view kBreakFolderKey = "Folder";

class Settings {
  public:
    virtual ~Settings() = default;
    // A text in Windows-1251, as the check keeps document names.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // A text in UTF-8, kept as it is: paths, which may hold any character.
    virtual std::string ReadUtf8(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const = 0;
    virtual void WriteUtf8(std::string_view section, std::string_view key, std::string_view value) = 0;
    virtual void EraseSection(std::string_view section) = 0;

    // An integer value; the default when the key is missing or does not hold a whole number.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    void WriteInteger(std::string_view section, std::string_view key, int value);
};

class MemorySettings : public Settings {
  public:
    std::string ReadUtf8(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const override;
    void WriteUtf8(std::string_view section, std::string_view key, std::string_view value) override;
    void EraseSection(std::string_view section) override;

    bool HasSection(std::string_view section) const;

  private:
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> values_;
};

}  // namespace tabulex::settings
