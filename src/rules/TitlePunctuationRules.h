#pragma once

// Title rules at one position, first group: invalid characters, short years, zero for О, the №
// sign, spaces around punctuation, brackets, quotes, slashes, abbreviations and digits glued to
// letters.

#include "rules/RunState.h"
#include "rules/TitlePosition.h"

#include <string>

namespace tabulex::rules::title {

void CheckPunctuationAt(const Position& p, RunState& state, std::string& out, std::string& scratch);

}  // namespace tabulex::rules::title
