#pragma once

// The --format json document of one checked inventory: every problem row, the counts, the
// certification line and the summary lines, in UTF-8.

#include "check/CheckOutcome.h"
#include "check/MainTable.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tabulex::cli {

// `annotated`: the annotated copy written for it, or empty; `leftOut`: the tables that look like
// parts of the inventory but were not checked.
std::string OutcomeJson(const std::filesystem::path& inventory, const check::CheckOutcome& outcome,
                        const std::filesystem::path& annotated = {},
                        const std::vector<check::LeftOutTable>& leftOut = {});
// {"file": ..., "error": ...} for an inventory that could not be checked.
// A JSON string literal of UTF-8 text, quotes included.
std::string JsonString(std::string_view utf8);

std::string FailureJson(const std::filesystem::path& inventory, const std::string& messageUtf8);

}  // namespace tabulex::cli
