#pragma once

// Roman numerals typed with Cyrillic look-alikes (Х for X, У for V, Ш for III, П for II), alone or
// mixed with Latin letters.

#include <string>
#include <string_view>

namespace tabulex::rules {

// Each suspicious pair that occurs in the text, in a fixed order, each followed by "; ";
// empty when there is none.
std::string FindMixedRomanPairs(std::string_view text);

}  // namespace tabulex::rules
