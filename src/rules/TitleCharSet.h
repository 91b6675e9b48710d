#pragma once

// A set of Windows-1251 characters as a 256-bit mask, built at compile time, and a test of one
// character against a set. "No character" (-1, a position outside the text) is in no set, so a
// negated test ("after is not a space") holds for it and a plain one ("after is a space") does not.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace tabulex::rules::title {

class CharSet {
  public:
    constexpr CharSet() = default;

    static constexpr CharSet Of(std::string_view chars) {
        CharSet set;
        for (char c : chars) set.Add(static_cast<unsigned char>(c));
        return set;
    }
    static constexpr CharSet Codes(std::initializer_list<int> codes) {
        CharSet set;
        for (int c : codes) set.Add(c);
        return set;
    }
    static constexpr CharSet Range(int first, int last) {
        CharSet set;
        for (int c = first; c <= last; ++c) set.Add(c);
        return set;
    }

    constexpr bool Has(int c) const {
        return c >= 0 && c <= 0xFF && ((bits_[static_cast<unsigned>(c) >> 6] >> (c & 63)) & 1U) != 0;
    }

    constexpr CharSet operator|(const CharSet& other) const {
        CharSet set;
        for (std::size_t k = 0; k < bits_.size(); ++k) set.bits_[k] = bits_[k] | other.bits_[k];
        return set;
    }
    // Every byte not in the set; still excludes "no character".
    constexpr CharSet operator~() const {
        CharSet set;
        for (std::size_t k = 0; k < bits_.size(); ++k) set.bits_[k] = ~bits_[k];
        return set;
    }

  private:
    constexpr void Add(int c) { bits_[static_cast<unsigned>(c) >> 6] |= std::uint64_t{1} << (c & 63); }

    std::array<std::uint64_t, 4> bits_{};
};

// A condition on one character: membership, or non-membership when negated.
struct CharTest {
    CharSet Set;
    bool Negate = true;  // the default, "not in the empty set", holds for everything

    constexpr bool operator()(int c) const { return Set.Has(c) != Negate; }
};

inline constexpr CharTest kAnyChar{};
constexpr CharTest In(const CharSet& set) {
    return {set, false};
}
constexpr CharTest NotIn(const CharSet& set) {
    return {set, true};
}

}  // namespace tabulex::rules::title
