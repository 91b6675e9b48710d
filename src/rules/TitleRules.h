#pragma once

// The typography rules of one title (a Заголовок cell or a heading row): capitals, quotes,
// brackets, spaces around punctuation, dashes, slashes and №, initials, mixed scripts, years and
// Roman numerals.

#include "rules/RunState.h"

#include <string>
#include <string_view>

namespace tabulex::rules {

// The warnings and hints of the title, each ending with "; ", in rule order; empty when nothing of a
// shown class was found. Every finding is counted in state, shown or not.
std::string CheckTitleText(std::string_view title, RunState& state);

}  // namespace tabulex::rules
