#include "text/NumberWords.h"

#include "text/CaseMaps.h"
#include "text/Cp1251.h"

#include <array>
#include <limits>
#include <vector>

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

std::string_view PluralForm(long long count, std::string_view one, std::string_view few,
                            std::string_view many) {
    const long long lastTwo = (count < 0 ? -count : count) % 100;
    const long long last = lastTwo % 10;
    if (lastTwo >= 11 && lastTwo <= 14) return many;
    if (last == 1) return one;
    if (last >= 2 && last <= 4) return few;
    return many;
}

std::string NeuterNumberInWords(std::string_view digits) {
    std::string words = NumberInWords(digits);
    constexpr std::string_view kMasculineOne = "один"_cp;
    if (words.ends_with(kMasculineOne))
        words.replace(words.size() - kMasculineOne.size(), std::string::npos, "одно"_cp);
    return words;
}

namespace {

// A number word: its value and its place in a group of three digits (3 hundreds, 2 tens, 1 units
// and teens) or, for the orders, the power of a thousand it stands for (place 0).
struct NumberWord {
    std::string_view Word;
    unsigned Value;
    int Place;
};

constexpr NumberWord kNumberWords[] = {
    {"один"_cp, 1, 1},          {"одна"_cp, 1, 1},          {"одно"_cp, 1, 1},
    {"два"_cp, 2, 1},           {"две"_cp, 2, 1},           {"три"_cp, 3, 1},
    {"четыре"_cp, 4, 1},        {"пять"_cp, 5, 1},          {"шесть"_cp, 6, 1},
    {"семь"_cp, 7, 1},          {"восемь"_cp, 8, 1},        {"девять"_cp, 9, 1},
    {"десять"_cp, 10, 1},       {"одиннадцать"_cp, 11, 1},  {"двенадцать"_cp, 12, 1},
    {"тринадцать"_cp, 13, 1},   {"четырнадцать"_cp, 14, 1}, {"пятнадцать"_cp, 15, 1},
    {"шестнадцать"_cp, 16, 1},  {"семнадцать"_cp, 17, 1},   {"восемнадцать"_cp, 18, 1},
    {"девятнадцать"_cp, 19, 1}, {"двадцать"_cp, 20, 2},     {"тридцать"_cp, 30, 2},
    {"сорок"_cp, 40, 2},        {"пятьдесят"_cp, 50, 2},    {"шестьдесят"_cp, 60, 2},
    {"семьдесят"_cp, 70, 2},    {"восемьдесят"_cp, 80, 2},  {"девяносто"_cp, 90, 2},
    {"сто"_cp, 100, 3},         {"двести"_cp, 200, 3},      {"триста"_cp, 300, 3},
    {"четыреста"_cp, 400, 3},   {"пятьсот"_cp, 500, 3},     {"шестьсот"_cp, 600, 3},
    {"семьсот"_cp, 700, 3},     {"восемьсот"_cp, 800, 3},   {"девятьсот"_cp, 900, 3},
    {"тысяча"_cp, 1, 0},        {"тысячи"_cp, 1, 0},        {"тысяч"_cp, 1, 0},
    {"миллион"_cp, 2, 0},       {"миллиона"_cp, 2, 0},      {"миллионов"_cp, 2, 0},
    {"миллиард"_cp, 3, 0},      {"миллиарда"_cp, 3, 0},     {"миллиардов"_cp, 3, 0},
    {"триллион"_cp, 4, 0},      {"триллиона"_cp, 4, 0},     {"триллионов"_cp, 4, 0},
    {"квадриллион"_cp, 5, 0},   {"квадриллиона"_cp, 5, 0},  {"квадриллионов"_cp, 5, 0},
    {"квинтиллион"_cp, 6, 0},   {"квинтиллиона"_cp, 6, 0},  {"квинтиллионов"_cp, 6, 0},
};

const NumberWord* FindNumberWord(std::string_view word) {
    for (const NumberWord& known : kNumberWords)
        if (known.Word == word) return &known;
    return nullptr;
}

std::vector<std::string> WordsOf(std::string_view text) {
    std::vector<std::string> words(1);
    for (char c : LowerCase1251(text)) {
        if (c == ' ' || c == '\xA0' || c == '\t' || c == '\r' || c == '\n' || c == '\v') {
            if (!words.back().empty()) words.emplace_back();
        } else {
            words.back() += c == '\xB8' ? '\xE5' : c;  // ё reads as е
        }
    }
    if (words.back().empty()) words.pop_back();
    return words;
}

}  // namespace

std::optional<unsigned long long> NumberFromWords(std::string_view text) {
    const std::vector<std::string> words = WordsOf(text);
    if (words.size() == 1 && words[0] == "ноль"_cp) return 0;
    if (words.empty()) return std::nullopt;
    unsigned long long total = 0;
    unsigned group = 0;
    int lastPlace = 4;           // the place of the group's last word: each next word stands lower
    int lastOrder = kMaxGroups;  // each order stands lower than the one before
    for (const std::string& text : words) {
        const NumberWord* word = FindNumberWord(text);
        if (word == nullptr) return std::nullopt;
        if (word->Place > 0) {
            // A teen takes the tens' and the units' places at once.
            const bool teen = word->Value >= 10 && word->Value < 20;
            const int place = teen ? 2 : word->Place;
            if (place >= lastPlace) return std::nullopt;
            group += word->Value;
            lastPlace = teen ? 1 : place;
            continue;
        }
        const int order = static_cast<int>(word->Value);
        if (order >= lastOrder) return std::nullopt;
        unsigned long long scale = 1;
        for (int k = 0; k < order; ++k) scale *= 1000;
        const unsigned long long groupValue = group == 0 ? 1 : group;
        if (scale > std::numeric_limits<unsigned long long>::max() / groupValue) return std::nullopt;
        total += groupValue * scale;
        group = 0;
        lastPlace = 4;
        lastOrder = order;
    }
    return total + group;
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
