#pragma once

// Numbers and dates in Russian words (Windows-1251), for the certification line and the date range.

#include "text/Calendar.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tabulex::text {

// The words of a decimal digit text: "0" and "" give "ноль"; over 21 digits "Value is too large".
std::string NumberInWords(std::string_view digits);

// The count of a neuter noun ("дело") in words: as NumberInWords, with a final "один" made "одно"
// ("двадцать одно дело", "одна тысяча одно дело").
std::string NeuterNumberInWords(std::string_view digits);

// The value of a number written in words, of any gender and letter case ("двадцать одно",
// "Двадцать один", "одна тысяча одно"); nullopt when a word is not a number word or the words do
// not make one number.
std::optional<unsigned long long> NumberFromWords(std::string_view words);

// The form of a noun after a count: `one` for 1, 21, 101 ...; `few` for 2..4, 22..24 ...; `many`
// for the rest, 11..14 among them ("строка", "строки", "строк").
std::string_view PluralForm(long long count, std::string_view one, std::string_view few,
                            std::string_view many);

// The words of one group of three digits (0..999) with its index (0 units .. 6), each word led by a space.
std::string TriadInWords(int value, int groupIndex);

// Genitive month names, index 1..12 (index 0 is empty).
const std::array<std::string_view, 13>& GenitiveMonthNames();

// Month names in the nominative ("июнь"), index 1..12 (index 0 is empty).
const std::array<std::string_view, 13>& NominativeMonthNames();

// "12 мая 1945"
std::string DateInWords(const CivilDate& date);
std::string DateInWords(DayCount days);

}  // namespace tabulex::text
