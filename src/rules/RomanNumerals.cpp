#include "rules/RomanNumerals.h"

#include <array>

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

}  // namespace

std::string FindMixedRomanPairs(std::string_view text) {
    std::string found;
    // Every pair holds a Cyrillic Х, a Cyrillic У or a Latin X; most titles have none of them.
    if (text.find_first_of("\xD5\xD3\x58") == std::string_view::npos) return found;
    for (std::string_view pair : kMixedRomanPairs)
        if (text.find(pair) != std::string_view::npos) found.append(pair).append("; ");
    return found;
}

}  // namespace tabulex::rules
