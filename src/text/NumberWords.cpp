#include "text/NumberWords.h"

#include "text/Cp1251.h"

#include <array>

namespace tabulex::text {
using namespace literals;
namespace {

constexpr std::array<std::string_view, 10> kHundreds = {
    ""_cp,         " сто"_cp,      " двести"_cp,  " триста"_cp,    " четыреста"_cp,
    " пятьсот"_cp, " шестьсот"_cp, " семьсот"_cp, " восемьсот"_cp, " девятьсот"_cp};

constexpr std::array<std::string_view, 10> kTens = {""_cp,
                                                    ""_cp,
                                                    " двадцать"_cp,
                                                    " тридцать"_cp,
                                                    " сорок"_cp,
                                                    " пятьдесят"_cp,
                                                    " шестьдесят"_cp,
                                                    " семьдесят"_cp,
                                                    " восемьдесят"_cp,
                                                    " девяносто"_cp};

// Index 0..19; 0..2 are never used directly (one and two are gendered).
constexpr std::array<std::string_view, 20> kUnitsAndTeens = {""_cp,
                                                             ""_cp,
                                                             ""_cp,
                                                             " три"_cp,
                                                             " четыре"_cp,
                                                             " пять"_cp,
                                                             " шесть"_cp,
                                                             " семь"_cp,
                                                             " восемь"_cp,
                                                             " девять"_cp,
                                                             " десять"_cp,
                                                             " одиннадцать"_cp,
                                                             " двенадцать"_cp,
                                                             " тринадцать"_cp,
                                                             " четырнадцать"_cp,
                                                             " пятнадцать"_cp,
                                                             " шестнадцать"_cp,
                                                             " семнадцать"_cp,
                                                             " восемнадцать"_cp,
                                                             " девятнадцать"_cp};

constexpr std::array<std::string_view, 7> kOrders = {
    ""_cp, " тысяч"_cp, " миллион"_cp, " миллиард"_cp, " триллион"_cp, " квадриллион"_cp, " квинтиллион"_cp};

constexpr int kMaxGroups = 7;

}  // namespace

std::string TriadInWords(int value, int groupIndex) {
    if (value <= 0 || value > 999 || groupIndex < 0 || groupIndex >= kMaxGroups) return {};
    std::string words(kHundreds[value / 100]);
    const int tens = (value % 100) / 10;
    const int units = value % 10;
    if (tens == 1) {
        words += kUnitsAndTeens[value % 100];
        words += kOrders[groupIndex];
        if (groupIndex > 1) words += "ов"_cp;
        return words;
    }
    words += kTens[tens];
    if (units == 1)
        words += groupIndex == 1 ? " одна"_cp : " один"_cp;
    else if (units == 2)
        words += groupIndex == 1 ? " две"_cp : " два"_cp;
    else if (units >= 3)
        words += kUnitsAndTeens[units];
    words += kOrders[groupIndex];
    if (groupIndex == 0) return words;
    if (units == 1) {
        if (groupIndex == 1) words += "а"_cp;
    } else if (units >= 2 && units <= 4) {
        words += groupIndex == 1 ? "и"_cp : "а"_cp;
    } else if (groupIndex > 1) {
        words += "ов"_cp;
    }
    return words;
}

std::string NumberInWords(std::string_view digits) {
    if (digits.empty() || digits == "0") return std::string("ноль"_cp);
    const std::size_t groups = (digits.size() + 2) / 3;
    if (groups > kMaxGroups) return "Value is too large";
    const std::string padded = "00" + std::string(digits);
    std::string result;
    for (std::size_t g = 1; g <= groups; ++g) {
        const std::size_t end = padded.size() - 3 * (g - 1);
        int value = 0;
        for (std::size_t k = end - 3; k < end; ++k) {
            const char c = padded[k];
            value = value * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
        }
        result = TriadInWords(value, static_cast<int>(g - 1)) + result;
    }
    if (!result.empty()) result.erase(0, 1);
    return result;
}

const std::array<std::string_view, 13>& GenitiveMonthNames() {
    static constexpr std::array<std::string_view, 13> kNames = {
        ""_cp,     "января"_cp,  "февраля"_cp,  "марта"_cp,   "апреля"_cp, "мая"_cp,    "июня"_cp,
        "июля"_cp, "августа"_cp, "сентября"_cp, "октября"_cp, "ноября"_cp, "декабря"_cp};
    return kNames;
}

const std::array<std::string_view, 13>& NominativeMonthNames() {
    static constexpr std::array<std::string_view, 13> kNames = {
        ""_cp,     "январь"_cp, "февраль"_cp,  "март"_cp,    "апрель"_cp, "май"_cp,    "июнь"_cp,
        "июль"_cp, "август"_cp, "сентябрь"_cp, "октябрь"_cp, "ноябрь"_cp, "декабрь"_cp};
    return kNames;
}

std::string DateInWords(const CivilDate& date) {
    const int month = date.Month >= 1 && date.Month <= 12 ? date.Month : 0;
    return std::to_string(date.Day) + ' ' + std::string(GenitiveMonthNames()[month]) + ' ' +
           std::to_string(date.Year);
}

std::string DateInWords(DayCount days) {
    return DateInWords(FromDayCount(days));
}

}  // namespace tabulex::text
