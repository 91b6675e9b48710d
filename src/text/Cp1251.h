#pragma once

// Windows-1251 is the text model of every rule: one byte per character.
// Documents arrive as UTF-8 (OOXML) or UTF-16 and are converted at the boundary;
// a character without a 1251 code becomes '?', as Windows' own conversion gives.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tabulex::text {

// The Unicode code point of every 1251 byte; 0x98 has no character and maps to U+0098.
char32_t Cp1251ToUnicode(unsigned char byte);

// The 1251 byte of a code point, or '?' when it has none.
char UnicodeToCp1251(char32_t codePoint);

std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view cp1251);
std::string Utf16ToCp1251(std::u16string_view utf16);
std::u16string Cp1251ToUtf16(std::string_view cp1251);

namespace detail {

constexpr char32_t kHighHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

constexpr char32_t ByteToUnicode(unsigned char b) {
    if (b < 0x80) return b;
    if (b >= 0xC0) return 0x0410 + (b - 0xC0);
    return kHighHalf[b - 0x80];
}

constexpr char UnicodeToByte(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<char>(0xC0 + (cp - 0x0410));
    for (int i = 0; i < 64; ++i)
        if (kHighHalf[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at s[i]; advances i. Malformed input yields U+FFFD.
constexpr char32_t DecodeUtf8(const char* s, std::size_t n, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b0 = byte(i);
    int extra = b0 < 0x80             ? 0
                : (b0 & 0xE0) == 0xC0 ? 1
                : (b0 & 0xF0) == 0xE0 ? 2
                : (b0 & 0xF8) == 0xF0 ? 3
                                      : -1;
    if (extra < 0) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = extra == 0 ? b0 : (b0 & (0x3F >> extra));
    std::size_t k = i + 1;
    for (int e = 0; e < extra; ++e, ++k) {
        if (k >= n || (byte(k) & 0xC0) != 0x80) {
            i = k;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(k) & 0x3F);
    }
    i = k;
    return cp;
}

template <std::size_t N>
struct Utf8Literal {
    char Bytes[N]{};
    std::size_t Size = 0;
    // Converts the UTF-8 literal at compile time; N bounds the 1251 length.
    consteval Utf8Literal(const char (&utf8)[N]) {
        std::size_t i = 0;
        while (i + 1 < N) Bytes[Size++] = UnicodeToByte(DecodeUtf8(utf8, N - 1, i));
    }
};

template <Utf8Literal L>
inline constexpr auto kCp1251Storage = L;

}  // namespace detail

namespace literals {
// "текст"_cp: a readable UTF-8 literal in the source, exact Windows-1251 bytes at run time.
template <detail::Utf8Literal L>
constexpr std::string_view operator""_cp() {
    return std::string_view(detail::kCp1251Storage<L>.Bytes, detail::kCp1251Storage<L>.Size);
}
}  // namespace literals

}  // namespace tabulex::text
