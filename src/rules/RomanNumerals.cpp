#include "rules/RomanNumerals.h"

#include <array>
#include <cstdint>

namespace tabulex::rules {
namespace {

// Cyrillic Х D5, У D3, Ш D8, П CF; Latin X 58, Y 59, V 56, I 49. Written as codes because the
// look-alikes cannot be told apart on screen.
constexpr std::array<std::string_view, 19> kMixedRomanPairs{
    "\xD5\xD5",  // ХХ
    "\xD5\xD3",  // ХУ
    "\xD5\xD8",  // ХШ
    "\xD5\xCF",  // ХП
    "\xD5\x58",  // ХX
    "\xD5\x59",  // ХY
    "\xD5\x56",  // ХV
    "\xD5\x49",  // ХI
    "\x58\xD5",  // XХ
    "\x59\xD5",  // YХ
    "\x56\xD5",  // VХ
    "\x49\xD5",  // IХ
    "\xD3\xD8",  // УШ
    "\xD3\xCF",  // УП
    "\xD3\x49",  // УI
    "\xD3\x58",  // УX
    "\x58\xD3",  // XУ
    "\x58\xD8",  // XШ
    "\x58\xCF",  // XП
};

// The bytes that begin some pair; a title is scanned once, stopping only at these.
constexpr std::array<bool, 256> kBeginsPair = [] {
    std::array<bool, 256> begins{};
    for (std::string_view pair : kMixedRomanPairs) begins[static_cast<unsigned char>(pair[0])] = true;
    return begins;
}();

}  // namespace

std::string FindMixedRomanPairs(std::string_view text) {
    std::uint32_t found = 0;  // bit r: pair r occurs
    for (std::size_t k = 0; k + 1 < text.size(); ++k) {
        if (!kBeginsPair[static_cast<unsigned char>(text[k])]) continue;
        for (std::size_t r = 0; r < kMixedRomanPairs.size(); ++r)
            if (text.substr(k, 2) == kMixedRomanPairs[r]) found |= std::uint32_t{1} << r;
    }
    std::string pairs;
    for (std::size_t r = 0; r < kMixedRomanPairs.size(); ++r)
        if ((found >> r) & 1U) pairs.append(kMixedRomanPairs[r]).append("; ");
    return pairs;
}

}  // namespace tabulex::rules
