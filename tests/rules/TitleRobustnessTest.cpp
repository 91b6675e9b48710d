// Every byte in every short text, and very long texts: the title rules must neither crash nor read
// outside the text (the texts live in heap blocks of their exact size, so the sanitizer build sees
// any read past the end), and the counts must not depend on which classes are shown.

#include "rules/RomanNumerals.h"
#include "rules/TitleEnd.h"
#include "rules/TitleRules.h"

#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <string_view>

namespace tabulex::rules {
namespace {
using namespace text::literals;

class ExactText {
  public:
    explicit ExactText(std::string_view bytes) : data_(new char[bytes.size()]), size_(bytes.size()) {
        std::copy(bytes.begin(), bytes.end(), data_.get());
    }
    std::string_view View() const { return {data_.get(), size_}; }

  private:
    std::unique_ptr<char[]> data_;
    std::size_t size_;
};

struct Run {
    std::string Findings;
    ProblemCounts Counts;
};

Run CheckWith(std::string_view title, bool shown, bool spacedInitials) {
    RunState state;
    state.Flags.ShowWarnings = shown;
    state.Flags.ShowHints = shown;
    state.Flags.SpacedInitials = spacedInitials;
    std::string findings = CheckTitleText(title, state);
    return {std::move(findings), state.Counts};
}

// Runs every title rule on the text and checks what must hold for any input.
void CheckAnyText(std::string_view bytes) {
    const ExactText text(bytes);
    const std::string_view title = text.View();
    for (bool spaced : {false, true}) {
        const Run shown = CheckWith(title, true, spaced);
        const Run hidden = CheckWith(title, false, spaced);
        const int findings = shown.Counts.WarningCount + shown.Counts.HintCount;
        ASSERT_EQ(shown.Findings.empty(), findings == 0);
        if (!shown.Findings.empty()) {
            ASSERT_TRUE(std::string_view(shown.Findings).ends_with("; "));
        }
        ASSERT_TRUE(hidden.Findings.empty());
        ASSERT_EQ(hidden.Counts.WarningCount, shown.Counts.WarningCount);
        ASSERT_EQ(hidden.Counts.HintCount, shown.Counts.HintCount);
        ASSERT_EQ(shown.Counts.ErrorCount, 0);
    }
    const bool superfluous = FinalStopIsSuperfluous(title);
    ASSERT_TRUE(!superfluous || title.ends_with('.'));
    const std::string pairs = FindMixedRomanPairs(title);
    ASSERT_TRUE(pairs.empty() || std::string_view(pairs).ends_with("; "));
}

TEST(TitleRobustnessTest, EveryTextOfUpToTwoBytes) {
    CheckAnyText("");
    for (int a = 0; a < 256; ++a) {
        CheckAnyText(std::string(1, static_cast<char>(a)));
        for (int b = 0; b < 256; ++b) CheckAnyText(std::string{static_cast<char>(a), static_cast<char>(b)});
    }
}

TEST(TitleRobustnessTest, ThreeByteTextsAroundEveryMiddleByte) {
    const std::string_view edges = " .,-/\\\"()[]«»№0Ааz\r\t"_cp;
    for (char first : edges)
        for (char last : edges)
            for (int middle = 0; middle < 256; ++middle)
                CheckAnyText(std::string{first, static_cast<char>(middle), last});
    std::mt19937 random(1945);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < 20000; ++n) {
        std::string bytes(3 + static_cast<std::size_t>(n % 6), '\0');
        for (char& c : bytes) c = static_cast<char>(byte(random));
        CheckAnyText(bytes);
    }
}

std::string Repeat(std::string_view piece, std::size_t length) {
    std::string text;
    while (text.size() < length) text.append(piece);
    text.resize(length);
    return text;
}

TEST(TitleRobustnessTest, VeryLongTexts) {
    const std::string_view pieces[] = {
        "Письма А.Б.Петрову и А. Б. Иванову (копии) "_cp,
        "Дело 05.05.45 года, т.е. акты, 1945г. стр12 "_cp,
        "научно- ВКП (б) «0 ,, ,. ... \\ \" // № %"_cp,
        "\u0425I\u0425\u0423\u0428X\u041F "_cp,
        "....",
        "\r\xB9 \xB9\x96-",
    };
    for (std::string_view piece : pieces) {
        CheckAnyText(Repeat(piece, 100000));
        CheckAnyText(Repeat(piece, 99999));
    }
    std::string allBytes;
    for (int n = 0; n < 100000; ++n) allBytes.push_back(static_cast<char>((n * 7) % 256));
    CheckAnyText(allBytes);
}

TEST(TitleRobustnessTest, LongTextCountsEveryFinding) {
    const std::string title = Repeat("Акты,справки "_cp, 13 * 5000);
    RunState state;
    const std::string findings = CheckTitleText(title, state);
    EXPECT_EQ(state.Counts.HintCount, 5000);
    EXPECT_EQ(state.Counts.WarningCount, 0);
    EXPECT_EQ(findings.size(), 5000 * "Нужен пробел после запятой; "_cp.size());
}

}  // namespace
}  // namespace tabulex::rules
