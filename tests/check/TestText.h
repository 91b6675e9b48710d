#pragma once

#include "text/Cp1251.h"

#include <string>
#include <string_view>

namespace tabulex::check::testing {

// Tests write texts in UTF-8 and compare in 1251, as the rules see them.
inline std::string Cp(std::string_view utf8) {
    return text::Utf8ToCp1251(utf8);
}
inline std::string Utf(std::string_view cp1251) {
    return text::Cp1251ToUtf8(cp1251);
}

}  // namespace tabulex::check::testing
