#pragma once

// Title rules at one position, second group (after the initials): a comma after a capital, a
// stray paragraph, Cyrillic and Latin letters side by side, and spaces around dashes and hyphens.

#include "rules/RunState.h"
#include "rules/TitlePosition.h"

#include <string>

namespace tabulex::rules::title {

void CheckLettersAndDashesAt(const Position& p, RunState& state, std::string& out, std::string& scratch);

}  // namespace tabulex::rules::title
