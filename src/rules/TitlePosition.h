#pragma once

// One position of the title loop: the character at i and its neighbours, read through
// text::CharAt so that a neighbour outside the text is "no character" (-1).

#include "text/CharClasses.h"

#include <algorithm>
#include <string_view>

namespace tabulex::rules::title {

struct Position {
    std::string_view text;
    int i = 0;  // 1-based

    int Length() const { return static_cast<int>(text.size()); }
    int At(int offset) const { return text::CharAt(text, i + offset); }

    // Characters first..last (1-based, inclusive), with those outside the text omitted.
    std::string_view Piece(int first, int last) const {
        first = std::max(first, 1);
        last = std::min(last, Length());
        if (first > last) return {};
        return text.substr(static_cast<std::size_t>(first) - 1, static_cast<std::size_t>(last - first) + 1);
    }
};

}  // namespace tabulex::rules::title
