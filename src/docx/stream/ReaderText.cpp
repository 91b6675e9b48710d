#include "docx/stream/ReaderText.h"

#include "text/Cp1251.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace tabulex::word::docx {
namespace {

// The 1251 byte of every two-byte UTF-8 sequence led by C2 (U+0080..U+00BF), D0, D1 or D2
// (U+0400..U+04BF): Latin-1 signs, the Cyrillic letters and Ґ ґ.
constexpr unsigned char kLeads[] = {0xC2, 0xD0, 0xD1, 0xD2};

constexpr std::array<char, 256> kTwoByte = [] {
    std::array<char, 256> table{};
    for (int lead = 0; lead < 4; ++lead)
        for (int c = 0; c < 64; ++c)
            table[static_cast<std::size_t>(lead * 64 + c)] =
                text::detail::UnicodeToByte(static_cast<char32_t>(((kLeads[lead] & 0x1F) << 6) | c));
    return table;
}();

// Index of a lead byte in kLeads, or -1.
constexpr int LeadIndex(unsigned char b) {
    switch (b) {
        case 0xC2:
            return 0;
        case 0xD0:
            return 1;
        case 0xD1:
            return 2;
        case 0xD2:
            return 3;
        default:
            return -1;
    }
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

}  // namespace

void AppendUtf8AsCp1251(std::string& out, std::string_view utf8) {
    const std::size_t start = out.size();
    out.resize(start + utf8.size());  // never longer than the UTF-8
    char* to = out.data() + start;
    const char* s = utf8.data();
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        if (i + 8 <= n) {  // eight ASCII bytes at once
            std::uint64_t word;
            std::memcpy(&word, s + i, 8);
            if ((word & kHighBits) == 0) {
                std::memcpy(to, s + i, 8);
                to += 8;
                i += 8;
                continue;
            }
        }
        auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            *to++ = static_cast<char>(b);
            ++i;
            continue;
        }
        if (i + 1 < n) {
            auto c = static_cast<unsigned char>(s[i + 1]);
            int lead = LeadIndex(b);
            if (lead >= 0 && (c & 0xC0) == 0x80) {
                *to++ = kTwoByte[static_cast<std::size_t>(lead * 64 + (c & 0x3F))];
                i += 2;
                continue;
            }
        }
        *to++ = text::UnicodeToCp1251(text::detail::DecodeUtf8(s, n, i));
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

}  // namespace tabulex::word::docx
