#pragma once

// The number formats of list levels (w:numFmt) and how Word writes a number in each of them.

#include <string>
#include <string_view>

namespace tabulex::word::docx {

enum class NumberFormat {
    Decimal,
    DecimalZero,
    LowerLetter,
    UpperLetter,
    LowerRoman,
    UpperRoman,
    RussianLower,
    RussianUpper,
    Bullet,
    None,
};

// The w:numFmt value; formats the host does not know are shown as decimal numbers.
NumberFormat ParseNumberFormat(std::string_view value);

// `number` written in `format`, in Windows-1251 ("" for bullet and none).
std::string FormatListNumber(int number, NumberFormat format);

}  // namespace tabulex::word::docx
