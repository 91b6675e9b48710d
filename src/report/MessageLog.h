#pragma once

// The message log "Messages.log" and the history the message window pages through: one line per
// message, Windows-1251, lines ended by CR LF, never truncated. A line is the local date and time
// ("06.12.2026 21:05:33"), one TAB, and the message with every line break turned into a TAB.

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::report {

inline constexpr std::string_view kMessageLogName = "Messages.log";

// Every lone CR of a message becomes CR LF, as a text box shows line breaks.
std::string WithCrLf(std::string_view text);

// The log line of a message (text with CR or CR LF line breaks), without its line end.
std::string MessageLogLine(std::string_view text, const std::tm& localTime);

// Appends `line` and CR LF to the log, creating it when missing; false when it cannot be written.
bool AppendMessageLog(const std::filesystem::path& file, std::string_view line);

// The log's lines in order; empty when the file is missing.
std::vector<std::string> LoadMessageHistory(const std::filesystem::path& file);

// A history line as the message window shows it: the date and time up to the first TAB removed,
// every further TAB a CR LF.
std::string HistoryEntryText(std::string_view line);

}  // namespace tabulex::report
