#pragma once

// One position of the title loop: the character at i and its neighbours T[i-2] .. T[i+2], read
// through text::CharAt so that a neighbour outside the text is "no character" (-1).

#include "text/CharClasses.h"

#include <algorithm>
#include <string_view>

namespace tabulex::rules::title {

struct Position {
    Position(std::string_view title, int position) : text(title), i(position) {
        for (int k = 0; k < 5; ++k) near[k] = text::CharAt(text, i + k - 2);
    }

    // Moves to i + 1, reading one new character.
    void Advance() {
        ++i;
        std::copy(near + 1, near + 5, near);
        near[4] = text::CharAt(text, i + 2);
    }

    std::string_view text;
    int i;        // 1-based
    int near[5];  // T[i-2] .. T[i+2]

    int Length() const { return static_cast<int>(text.size()); }
    int At(int offset) const {
        return offset >= -2 && offset <= 2 ? near[offset + 2] : text::CharAt(text, i + offset);
    }

    // Characters first..last (1-based, inclusive), with those outside the text omitted.
    std::string_view Piece(int first, int last) const {
        first = std::max(first, 1);
        last = std::min(last, Length());
        if (first > last) return {};
        return text.substr(static_cast<std::size_t>(first) - 1, static_cast<std::size_t>(last - first) + 1);
    }
};

}  // namespace tabulex::rules::title
