#pragma once

// One position of the title loop: the character at i and its neighbours T[i-2] .. T[i+2], read
// through text::CharAt so that a neighbour outside the text is "no character" (-1).

#include "text/CharClasses.h"

#include <algorithm>
#include <string_view>

namespace tabulex::rules::title {

struct Position {
    Position(std::string_view title, int position) : Text(title), I(position) {
        for (int k = 0; k < 5; ++k) Near[k] = text::CharAt(Text, I + k - 2);
    }

    // Moves to i + 1, reading one new character.
    void Advance() {
        ++I;
        std::copy(Near + 1, Near + 5, Near);
        Near[4] = text::CharAt(Text, I + 2);
    }

    std::string_view Text;
    int I;        // 1-based
    int Near[5];  // T[i-2] .. T[i+2]

    int Length() const { return static_cast<int>(Text.size()); }
    int At(int offset) const {
        return offset >= -2 && offset <= 2 ? Near[offset + 2] : text::CharAt(Text, I + offset);
    }

    // Characters first..last (1-based, inclusive), with those outside the text omitted.
    std::string_view Piece(int first, int last) const {
        first = std::max(first, 1);
        last = std::min(last, Length());
        if (first > last) return {};
        return Text.substr(static_cast<std::size_t>(first) - 1, static_cast<std::size_t>(last - first) + 1);
    }
};

}  // namespace tabulex::rules::title
