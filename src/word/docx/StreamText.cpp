#include "word/docx/StreamText.h"

#include "text/Cp1251.h"

namespace tabulex::word::docx {

void AppendUtf8AsCp1251(std::string& out, std::string_view utf8) {
    const std::size_t start = out.size();
    out.resize(start + utf8.size());  // never longer than the UTF-8
    char* to = out.data() + start;
    const char* s = utf8.data();
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            *to++ = static_cast<char>(b);
            ++i;
            continue;
        }
        // U+0410..U+044F (А..я) are D0 90..D0 BF and D1 80..D1 8F; 1251 has them at C0..FF.
        if (i + 1 < n) {
            auto c = static_cast<unsigned char>(s[i + 1]);
            if (b == 0xD0 && c >= 0x90 && c <= 0xBF) {
                *to++ = static_cast<char>(0xC0 + (c - 0x90));
                i += 2;
                continue;
            }
            if (b == 0xD1 && c >= 0x80 && c <= 0x8F) {
                *to++ = static_cast<char>(0xF0 + (c - 0x80));
                i += 2;
                continue;
            }
        }
        *to++ = text::UnicodeToCp1251(text::detail::DecodeUtf8(s, n, i));
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

}  // namespace tabulex::word::docx
