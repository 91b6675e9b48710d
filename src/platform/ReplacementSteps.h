#pragma once

// The system's part of a replacement file; ReplacementFile.cpp holds what every system shares.

#include "platform/FileStamp.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tabulex::platform::replacement {

// Creates the locked temporary file beside `target` with the target's permissions; its path goes
// to `temporaryPath`. Null with `code` set (an errno value) when it cannot be made.
std::FILE* CreateTemporary(const std::filesystem::path& target, std::string_view temporaryName,
                           std::string& temporaryPath, int& code);

// Flushes the still-open temporary (`durable`: to disk) and renames it over `target`; `written`
// gets the stamp of the file now in place. 0, or the errno value of the step that failed.
int FlushAndRename(std::FILE* stream, bool durable, const std::string& temporaryPath,
                   const std::filesystem::path& target, FileStamp& written);

void RemoveTemporary(const std::string& temporaryPath);

}  // namespace tabulex::platform::replacement
