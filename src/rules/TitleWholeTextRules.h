#pragma once

// Title rules on the whole text: the first and last characters, quotes, dots and commas, the
// superfluous final full stop, balanced pairs, and Cyrillic and Latin letters side by side at the ends.

#include "rules/RunState.h"

#include <string>
#include <string_view>

namespace tabulex::rules::title {

void CheckWholeTitle(std::string_view title, RunState& state, std::string& out);

}  // namespace tabulex::rules::title
