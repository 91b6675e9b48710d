#pragma once

#include <optional>
#include <string_view>

namespace tabulex::text {

// Reads a whole number the way the run's integer conversions do: leading blanks, an optional
// sign, decimal digits or a hexadecimal number after "$" or "0x"; nothing may follow, and the value
// must fit 32 bits.
std::optional<int> ParseInteger(std::string_view text);

inline int IntegerOr(std::string_view text, int fallback) {
    return ParseInteger(text).value_or(fallback);
}

}  // namespace tabulex::text
