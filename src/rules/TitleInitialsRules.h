#pragma once

// Title rules at one position, initials before a surname: "А.Б.Иванов" glued to the surname, and
// the spacing between the initials that the chosen style ("А.Б. Иванов" or "А. Б. Иванов") demands.

#include "rules/RunState.h"
#include "rules/TitlePosition.h"
#include "text/CharClasses.h"

#include <string>

namespace tabulex::rules::title {

// Every initials pattern starts with a space and a capital at i; most positions stop here.
inline bool MayStartInitials(const Position& p) {
    return p.At(-1) == text::ch::kSpace && text::IsCyrillicCapital(p.At(0));
}

void CheckInitialsAt(const Position& p, RunState& state, std::string& out);

}  // namespace tabulex::rules::title
