#pragma once

// The --format json document of one checked inventory: every problem row, the counts, the
// certification line and the summary lines, in UTF-8.

#include "check/CheckOutcome.h"

#include <filesystem>
#include <string>

namespace tabulex::cli {

// `annotated`: the annotated copy written for it, or empty.
std::string OutcomeJson(const std::filesystem::path& inventory, const check::CheckOutcome& outcome,
                        const std::filesystem::path& annotated = {});
// {"file": ..., "error": ...} for an inventory that could not be checked.
std::string FailureJson(const std::filesystem::path& inventory, const std::string& messageUtf8);

}  // namespace tabulex::cli
