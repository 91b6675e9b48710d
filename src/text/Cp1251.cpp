#include "text/Cp1251.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace tabulex::text {
namespace {

constexpr std::array<char32_t, 256> kToUnicode = [] {
    std::array<char32_t, 256> table{};
    for (int b = 0; b < 256; ++b) table[b] = detail::ByteToUnicode(static_cast<unsigned char>(b));
    return table;
}();

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

char32_t Cp1251ToUnicode(unsigned char byte) {
    return kToUnicode[byte];
}

char UnicodeToCp1251(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<char>(codePoint);
    if (codePoint >= 0x0410 && codePoint <= 0x044F) return static_cast<char>(0xC0 + (codePoint - 0x0410));
    return detail::UnicodeToByte(codePoint);
}

std::string Utf8ToCp1251(std::string_view utf8) {
    // Written into a buffer of the input's size (never shorter than the output), not appended byte
    // by byte: every cell and row text of a repair comes through here.
    std::string out(utf8.size(), '\0');
    char* at = out.data();
    const char* s = utf8.data();
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {  // the common case stays a plain copy
            *at++ = static_cast<char>(b);
            ++i;
            continue;
        }
        // Russian letters А to я, two bytes D0 90 to D1 8F.
        if ((b == 0xD0 || b == 0xD1) && i + 1 < n) {
            const char32_t cp = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3Fu);
            if ((static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80 && cp >= 0x0410 && cp <= 0x044F) {
                *at++ = static_cast<char>(0xC0 + (cp - 0x0410));
                i += 2;
                continue;
            }
        }
        *at++ = UnicodeToCp1251(detail::DecodeUtf8(s, n, i));
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
    return out;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    // Every 1251 character is in the Basic Multilingual Plane: at most three bytes of UTF-8. Reports
    // and cell texts go through here whole, so the bytes are looked up, not encoded each time.
    static const auto kUtf8 = [] {
        std::array<std::array<char, 4>, 256> table{};  // the bytes, then their count
        for (std::size_t byte = 0; byte < table.size(); ++byte) {
            std::string bytes;
            AppendUtf8(bytes, kToUnicode[byte]);
            std::copy(bytes.begin(), bytes.end(), table[byte].begin());
            table[byte][3] = static_cast<char>(bytes.size());
        }
        return table;
    }();
    std::string out(cp1251.size() * 3, '\0');
    char* at = out.data();
    for (char c : cp1251) {
        const auto& utf8 = kUtf8[static_cast<unsigned char>(c)];
        std::memcpy(at, utf8.data(), 3);
        at += utf8[3];
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
    return out;
}

std::string Utf16ToCp1251(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char16_t u = utf16[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            ++i;  // a surrogate pair is one character, and no 1251 character
            out += '?';
            continue;
        }
        out += UnicodeToCp1251(u);
    }
    return out;
}

std::u16string Cp1251ToUtf16(std::string_view cp1251) {
    std::u16string out;
    out.reserve(cp1251.size());
    for (char c : cp1251) out += static_cast<char16_t>(kToUnicode[static_cast<unsigned char>(c)]);
    return out;
}

}  // namespace tabulex::text
