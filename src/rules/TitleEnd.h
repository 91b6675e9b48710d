#pragma once

// Whether the full stop that ends a title is a typing fault or the end of an abbreviation that
// archivists write in titles (years, centuries, money, measures, place types, initials).

#include <string_view>

namespace tabulex::rules {

// True when the text ends with a full stop that does not close an exempt ending.
bool FinalStopIsSuperfluous(std::string_view text);

}  // namespace tabulex::rules
