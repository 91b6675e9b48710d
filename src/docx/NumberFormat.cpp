#include "docx/NumberFormat.h"

#include "text/Cp1251.h"

#include <array>
#include <utility>

namespace tabulex::word::docx {

using namespace tabulex::text::literals;

namespace {

constexpr std::array<std::pair<std::string_view, NumberFormat>, 10> kFormats{{
    {"decimal", NumberFormat::Decimal},
    {"decimalZero", NumberFormat::DecimalZero},
    {"lowerLetter", NumberFormat::LowerLetter},
    {"upperLetter", NumberFormat::UpperLetter},
    {"lowerRoman", NumberFormat::LowerRoman},
    {"upperRoman", NumberFormat::UpperRoman},
    {"russianLower", NumberFormat::RussianLower},
    {"russianUpper", NumberFormat::RussianUpper},
    {"bullet", NumberFormat::Bullet},
    {"none", NumberFormat::None},
}};

// Word's Russian list letters leave out ё, й, ъ, ы and ь: 28 letters, then doubled (аа, бб, ...).
constexpr std::string_view kRussianLower = "абвгдежзиклмнопрстуфхцчшщэюя"_cp;
constexpr std::string_view kRussianUpper = "АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЭЮЯ"_cp;
constexpr std::string_view kLatinLower = "abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kLatinUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Past the last letter Word repeats the letter: z, aa, bb, ..., zz, aaa. Very long repeats are capped:
// Word itself limits list numbers to a few thousand letters' worth.
std::string Letters(int number, std::string_view alphabet) {
    const int size = static_cast<int>(alphabet.size());
    const int index = (number - 1) % size;
    const int repeat = (number - 1) / size + 1;
    return std::string(static_cast<std::size_t>(repeat < 64 ? repeat : 64), alphabet[index]);
}

std::string Roman(int number, bool upper) {
    static constexpr std::array<std::pair<int, std::string_view>, 13> kDigits{{
        {1000, "m"},
        {900, "cm"},
        {500, "d"},
        {400, "cd"},
        {100, "c"},
        {90, "xc"},
        {50, "l"},
        {40, "xl"},
        {10, "x"},
        {9, "ix"},
        {5, "v"},
        {4, "iv"},
        {1, "i"},
    }};
    std::string result;
    // Numbers above a few thousand are not meaningful as Roman numerals; Word writes leading m's.
    if (number > 100000) return std::to_string(number);
    for (const auto& [value, digits] : kDigits) {
        while (number >= value) {
            result += digits;
            number -= value;
        }
    }
    if (upper)
        for (char& c : result) c = static_cast<char>(c - 'a' + 'A');
    return result;
}

}  // namespace

NumberFormat ParseNumberFormat(std::string_view value) {
    for (const auto& [name, format] : kFormats)
        if (name == value) return format;
    return NumberFormat::Decimal;
}

std::string FormatListNumber(int number, NumberFormat format) {
    // Letters and Roman numerals have no zero or negative numbers; Word shows such a number in digits.
    const bool positive = number > 0;
    switch (format) {
        case NumberFormat::Bullet:
        case NumberFormat::None:
            return {};
        case NumberFormat::DecimalZero:
            return number >= 0 && number < 10 ? "0" + std::to_string(number) : std::to_string(number);
        case NumberFormat::LowerLetter:
            return positive ? Letters(number, kLatinLower) : std::to_string(number);
        case NumberFormat::UpperLetter:
            return positive ? Letters(number, kLatinUpper) : std::to_string(number);
        case NumberFormat::RussianLower:
            return positive ? Letters(number, kRussianLower) : std::to_string(number);
        case NumberFormat::RussianUpper:
            return positive ? Letters(number, kRussianUpper) : std::to_string(number);
        case NumberFormat::LowerRoman:
            return positive ? Roman(number, false) : std::to_string(number);
        case NumberFormat::UpperRoman:
            return positive ? Roman(number, true) : std::to_string(number);
        case NumberFormat::Decimal:
            break;
    }
    return std::to_string(number);
}

}  // namespace tabulex::word::docx
