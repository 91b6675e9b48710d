#pragma once

// The --format json document of one checked inventory: every problem row, the counts, the
// certification line and the summary lines, in UTF-8.

#include "check/CheckOutcome.h"

#include <filesystem>
#include <string>

namespace tabulex::cli {

std::string OutcomeJson(const std::filesystem::path& inventory, const check::CheckOutcome& outcome);
// {"file": ..., "error": ...} for an inventory that could not be checked.
// A JSON string literal of UTF-8 text, quotes included.
std::string JsonString(std::string_view utf8);

std::string FailureJson(const std::filesystem::path& inventory, const std::string& messageUtf8);

}  // namespace tabulex::cli
