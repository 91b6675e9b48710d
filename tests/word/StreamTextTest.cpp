// The streaming reader's UTF-8 to 1251 conversion gives what text::Utf8ToCp1251 gives, for every
// code point, wherever it falls against the eight-byte ASCII path, and for malformed input.

#include "docx/stream/ReaderText.h"
#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulex::word::docx {
namespace {

std::string Utf8(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

TEST(StreamTextTest, EveryCodePointConvertsAsUtf8ToCp1251) {
    for (char32_t cp = 1; cp < 0x110000; cp += cp < 0x3000 ? 1 : 97) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        for (int pad = 0; pad < 9; pad += 4) {
            std::string in = std::string(static_cast<std::size_t>(pad), 'a') + Utf8(cp) + "bcdefghij";
            std::string out = "x";
            AppendUtf8AsCp1251(out, in);
            ASSERT_EQ(out, "x" + text::Utf8ToCp1251(in)) << "U+" << std::hex << static_cast<int>(cp);
        }
    }
}

TEST(StreamTextTest, MalformedInputConvertsAsUtf8ToCp1251) {
    const std::string cases[] = {"\xD0",     "abc\xD0",  "\xD0\x41",     "\xD1\xC0", "\xC2",
                                 "\xE2\x84", "\xFF\xFE", "12345678\xD0", "\x80\x80", "\xD0\x90\xD0"};
    for (const std::string& in : cases) {
        std::string out;
        AppendUtf8AsCp1251(out, in);
        EXPECT_EQ(out, text::Utf8ToCp1251(in)) << in;
    }
}

}  // namespace
}  // namespace tabulex::word::docx
