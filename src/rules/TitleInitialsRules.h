#pragma once

// Title rules at one position, initials before a surname: "А.Б.Иванов" glued to the surname, and
// the spacing between the initials that the chosen style ("А.Б. Иванов" or "А. Б. Иванов") demands.

#include "rules/RunState.h"
#include "rules/TitlePosition.h"

#include <string>

namespace tabulex::rules::title {

void CheckInitialsAt(const Position& p, RunState& state, std::string& out);

}  // namespace tabulex::rules::title
