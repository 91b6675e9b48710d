#pragma once

// Character classes of Windows-1251 text by code. A character is passed as an int so that
// "no character" (a position outside the text, see CharAt) is -1 and belongs to no class.

#include <string_view>

namespace tabulex::text {

inline constexpr int kNoChar = -1;

namespace ch {
inline constexpr int kTab = 0x09;
inline constexpr int kLineBreak = 0x0B;  // Word's manual line break
inline constexpr int kParagraphMark = 0x0D;
inline constexpr int kSpace = 0x20;
inline constexpr int kDoubleQuote = 0x22;
inline constexpr int kLowQuote = 0x84;         // „
inline constexpr int kEllipsis = 0x85;         // …
inline constexpr int kLeftCurlyQuote = 0x93;   // “
inline constexpr int kRightCurlyQuote = 0x94;  // ”
inline constexpr int kEnDash = 0x96;           // –
inline constexpr int kEmDash = 0x97;           // —
inline constexpr int kNbsp = 0xA0;
inline constexpr int kSection = 0xA7;         // §
inline constexpr int kCapitalYo = 0xA8;       // Ё
inline constexpr int kLeftGuillemet = 0xAB;   // «
inline constexpr int kSmallYo = 0xB8;         // ё
inline constexpr int kNumeroSign = 0xB9;      // №
inline constexpr int kRightGuillemet = 0xBB;  // »
inline constexpr int kCapitalEf = 0xD4;       // Ф
inline constexpr int kSmallEf = 0xF4;         // ф
}  // namespace ch

// The character at a 1-based position, or kNoChar outside 1..size.
constexpr int CharAt(std::string_view text, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > text.size()) return kNoChar;
    return static_cast<unsigned char>(text[static_cast<std::size_t>(position) - 1]);
}

constexpr bool IsSpace(int c) {
    return c == ch::kSpace;
}
constexpr bool IsNbsp(int c) {
    return c == ch::kNbsp;
}
constexpr bool IsDigit(int c) {
    return c >= 0x30 && c <= 0x39;
}
constexpr bool IsLatinCapital(int c) {
    return c >= 0x41 && c <= 0x5A;
}
constexpr bool IsLatinSmall(int c) {
    return c >= 0x61 && c <= 0x7A;
}
constexpr bool IsLatinLetter(int c) {
    return IsLatinCapital(c) || IsLatinSmall(c);
}
// Ё and ё are not capitals or smalls, only letters.
constexpr bool IsCyrillicCapital(int c) {
    return c >= 0xC0 && c <= 0xDF;
}
constexpr bool IsCyrillicSmall(int c) {
    return c >= 0xE0 && c <= 0xFF;
}
constexpr bool IsCyrillicLetter(int c) {
    return c == ch::kCapitalYo || c == ch::kSmallYo || (c >= 0xC0 && c <= 0xFF);
}
constexpr bool IsParagraphMark(int c) {
    return c == ch::kParagraphMark;
}
constexpr bool IsLineBreak(int c) {
    return c == ch::kLineBreak;
}

}  // namespace tabulex::text
