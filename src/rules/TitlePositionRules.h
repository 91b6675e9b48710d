#pragma once

// The title rules at each inner position of the title, in rule order: invalid characters, short
// years, zero for О, the № sign, spaces around punctuation, brackets, quotes and slashes,
// abbreviations, digits glued to letters, initials, a comma after a capital, a stray paragraph,
// mixed Cyrillic and Latin letters, and spaces around dashes and hyphens.

#include "rules/RunState.h"

#include <string>
#include <string_view>

namespace tabulex::rules::title {

struct PositionCounts {
    int StraightQuotes = 0;
    int Backslashes = 0;
};

// Runs the rules at every position from the second to the last but one (the first and last
// characters are only checked as a whole) and counts the straight quotes and backslashes there.
PositionCounts CheckTitlePositions(std::string_view title, RunState& state, std::string& out);

}  // namespace tabulex::rules::title
