#pragma once

// The program's own Windows-1251 case maps, independent of the system locale.

#include <array>
#include <string>
#include <string_view>

namespace tabulex::text {

using CaseMap = std::array<unsigned char, 256>;

namespace detail {
// Pairs of (small, capital) beyond the contiguous a..z and а..я ranges.
inline constexpr unsigned char kExtraCasePairs[][2] = {{0xB8, 0xA8}, {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A},
                                                       {0x9C, 0x8C}, {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F},
                                                       {0xA2, 0xA1}, {0xB3, 0xB2}, {0xB4, 0xA5}, {0xBA, 0xAA},
                                                       {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF}};

constexpr CaseMap MakeCaseMap(bool toUpper) {
    CaseMap map{};
    for (int b = 0; b < 256; ++b) map[b] = static_cast<unsigned char>(b);
    for (int b = 0; b < 26; ++b) {
        if (toUpper)
            map[0x61 + b] = static_cast<unsigned char>(0x41 + b);
        else
            map[0x41 + b] = static_cast<unsigned char>(0x61 + b);
    }
    for (int b = 0; b < 32; ++b) {
        if (toUpper)
            map[0xE0 + b] = static_cast<unsigned char>(0xC0 + b);
        else
            map[0xC0 + b] = static_cast<unsigned char>(0xE0 + b);
    }
    for (const auto& pair : kExtraCasePairs) {
        if (toUpper)
            map[pair[0]] = pair[1];
        else
            map[pair[1]] = pair[0];
    }
    return map;
}
}  // namespace detail

inline constexpr CaseMap UpperMap1251 = detail::MakeCaseMap(true);
inline constexpr CaseMap LowerMap1251 = detail::MakeCaseMap(false);

constexpr char UpperChar1251(char c) {
    return static_cast<char>(UpperMap1251[static_cast<unsigned char>(c)]);
}
constexpr char LowerChar1251(char c) {
    return static_cast<char>(LowerMap1251[static_cast<unsigned char>(c)]);
}

std::string LowerCase1251(std::string_view text);
std::string UpperCase1251(std::string_view text);

}  // namespace tabulex::text
