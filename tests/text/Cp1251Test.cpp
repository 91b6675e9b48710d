#include "text/Cp1251.h"

#include <gtest/gtest.h>

namespace tabulex::text {
namespace {
using namespace literals;

TEST(Cp1251Test, LiteralIsConvertedAtCompileTime) {
    constexpr std::string_view word = "Ёж №5 «а»—б"_cp;
    EXPECT_EQ(word, std::string_view("\xA8\xE6 \xB9\x35 \xAB\xE0\xBB\x97\xE1"));
}

TEST(Cp1251Test, EveryByteRoundTripsThroughUtf8AndUtf16) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
    EXPECT_EQ(Utf16ToCp1251(Cp1251ToUtf16(all)), all);
}

TEST(Cp1251Test, CharactersWithoutCodeBecomeQuestionMarks) {
    struct Case {
        std::string_view Utf8;
        std::string_view Expected;
    };
    const Case cases[] = {
        {"日本", "??"},
        {"a\xF0\x9F\x98\x80z", "a?z"},  // one character outside the BMP is one '?'
        {"\xC3\xA9", "?"},              // é has no 1251 code
        {"\xFF\xFEx", "??x"},           // malformed bytes
        {"\xD0", "?"},                  // truncated sequence
        {"«Ёлка»", "\xAB\xA8\xEB\xEA\xE0\xBB"},
        // Around the letters А to я, which take a shorter way than other two-byte characters.
        {"\xD0\x90\xD1\x8F", "\xC0\xFF"},  // А я
        {"\xD0\x8F\xD1\x90", "\x8F?"},     // Џ, then ѐ without a code
        {"\xD1\x91\xD0\x81", "\xB8\xA8"},  // ё Ё
        {"\xD0z\xD1", "?z?"},              // a lead byte without its continuation
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToCp1251(c.Utf8), c.Expected) << c.Utf8;
    EXPECT_EQ(Utf16ToCp1251(u"\U0001F600x\u2116"), "?x\xB9");
    EXPECT_EQ(Utf16ToCp1251(std::u16string(1, char16_t(0xD800))), "?");
}

}  // namespace
}  // namespace tabulex::text
