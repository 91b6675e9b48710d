// Every byte string of length 0..2, a sample of length 3 and texts of 100 000 bytes through the
// whitespace rules, the date rules and the case-number keys and summary. Each text lives in a heap
// block of exactly its size, so that a read past its end is caught when built with sanitizers.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>

#include "rules/CaseNumbers.h"
#include "rules/DateRules.h"
#include "rules/WhitespaceRules.h"
#include "text/Cp1251.h"

namespace tabulex::rules {
namespace {
using namespace text::literals;

class ExactText {
  public:
    explicit ExactText(std::string_view bytes) : size_(bytes.size()) {
        if (size_ == 0) return;
        data_ = std::make_unique<char[]>(size_);
        std::copy(bytes.begin(), bytes.end(), data_.get());
    }
    std::string_view View() const { return {data_.get(), size_}; }

  private:
    std::unique_ptr<char[]> data_;
    std::size_t size_;
};

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// What the callers rely on, checked on every input.
void CheckAll(std::string_view bytes, CaseNumberKeys& keys) {
    const ExactText input(bytes);
    const std::string_view text = input.View();

    const std::string spacing = CheckWhitespace(text);
    ASSERT_TRUE(spacing.empty() || spacing.ends_with("; "));

    constexpr text::DayCount kUnset = -999999;
    text::DayCount start = kUnset;
    text::DayCount end = kUnset;
    const std::string faults = CheckDates(text, start, end);
    if (!text.empty()) {
        ASSERT_EQ(start != kUnset, !Contains(faults, "Нач.; "_cp));
        ASSERT_EQ(end != kUnset, !Contains(faults, "Кон.; "_cp));
    } else {
        ASSERT_TRUE(faults.empty() && start == kUnset && end == kUnset);
    }
    for (auto date : {start, end}) {
        if (date == kUnset) continue;
        const auto civil = text::FromDayCount(date);
        ASSERT_TRUE(text::IsValidDate(civil.Year, civil.Month, civil.Day));
    }

    if (ParseNumericDate(text)) {
        ASSERT_EQ(text.find_first_not_of("0123456789."), std::string_view::npos);
    }

    const std::string key = CaseNumberKey(text);
    ASSERT_GE(key.size(), 10u);
    keys.Add(key);
}

void CheckSummaryConsistent(const CaseNumberSummary& s) {
    EXPECT_EQ(s.LiteralCount == 0, s.LiteralLine == "Литерных номеров дел нет."_cp);
    EXPECT_EQ(s.MissingCount == 0, s.MissingLine == "Пропущенных номеров дел нет."_cp);
    EXPECT_EQ(s.RepeatedCount == 0, s.RepeatedLine == "Повторных номеров дел нет."_cp);
    EXPECT_EQ(s.SeriesLetter == 0, s.NonLiteralLine.empty());
}

TEST(WhitespaceDatesCaseNumbersRobustnessTest, EveryShortByteString) {
    CaseNumberKeys keys;
    CheckAll("", keys);
    for (int a = 0; a < 256; ++a) {
        const char one[] = {static_cast<char>(a)};
        CheckAll({one, 1}, keys);
        for (int b = 0; b < 256; ++b) {
            const char two[] = {static_cast<char>(a), static_cast<char>(b)};
            CheckAll({two, 2}, keys);
            if (HasFatalFailure()) return;
        }
    }
    // Length 3: all triples of the characters the rules look at, and random ones.
    const std::string alphabet = std::string(" \xA0\x0B\x0D\t.-,[]0129") + std::string("мйяАБЁё"_cp);
    for (char a : alphabet)
        for (char b : alphabet)
            for (char c : alphabet) {
                const char three[] = {a, b, c};
                CheckAll({three, 3}, keys);
            }
    std::mt19937 random(20240501);
    for (int i = 0; i < 20000; ++i) {
        const char three[] = {static_cast<char>(random()), static_cast<char>(random()),
                              static_cast<char>(random())};
        CheckAll({three, 3}, keys);
    }
    CheckSummaryConsistent(SummariseCaseNumbers(keys));
}

TEST(WhitespaceDatesCaseNumbersRobustnessTest, LongTexts) {
    auto repeat = [](std::string_view unit) {
        std::string text;
        while (text.size() < 100000) text.append(unit);
        return text;
    };
    std::mt19937 random(7);
    std::string noise(100000, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    const std::string texts[] = {
        repeat(" "),      repeat("\xA0"),    repeat("\r "),         repeat("янв"_cp),
        repeat("май"_cp), repeat("мая "_cp), repeat("0123456789"),  repeat("."),
        repeat("["),      repeat("-"),       repeat("1945-"),       repeat("12.05.1945 "),
        repeat("[.]"),    repeat(",1"),      repeat("Сентябрь"_cp), noise,
    };
    const auto began = std::chrono::steady_clock::now();
    CaseNumberKeys keys;
    for (const auto& text : texts) CheckAll(text, keys);
    CheckSummaryConsistent(SummariseCaseNumbers(keys));
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(5));  // linear, not quadratic
}

TEST(WhitespaceDatesCaseNumbersRobustnessTest, NumbersAtTheEdgeOfTheRange) {
    CaseNumberKeys keys;
    for (auto number : {"0", "2147483647", "2147483648", "99999999999999999999"}) keys.AddNumber(number);
    const auto summary = SummariseCaseNumbers(keys);
    EXPECT_EQ(summary.MissingCount, 2147483646);
    EXPECT_EQ(summary.MissingLine, "Пропущенные номера дел: 1-2147483646. Всего дел: 2147483646."_cp);
    CheckSummaryConsistent(summary);
}

}  // namespace
}  // namespace tabulex::rules
