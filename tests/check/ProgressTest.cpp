#include "check/Progress.h"

#include "FakeHost.h"
#include "check/CheckRun.h"

#include <gtest/gtest.h>

namespace tabulex::check {
namespace {

TEST(RemainingTimeTextTest, Cases) {
    struct Case {
        double Ms;
        const char* Expected;
    } cases[] = {{0, "00:00"},
                 {75400, "01:15"},
                 {3723000, "1:02:03"},
                 {-1, "..."},
                 {-0.5, "..."},
                 {499, "00:00"},
                 {500, "00:00"},
                 {1500, "00:02"},
                 {2500, "00:02"},
                 {59999, "01:00"},
                 {3599499, "59:59"},
                 {3599500, "1:00:00"},
                 {360000000, "100:00:00"},
                 {1e300, "100000:00:00"}};
    for (const Case& c : cases) EXPECT_EQ(RemainingTimeText(c.Ms), c.Expected) << c.Ms;
}

std::vector<int> ProgressRows(int rowCount) {
    fake::FakeClock clock(0);
    ProgressMeter meter(rowCount, clock.NowMs());
    std::vector<int> rows;
    for (int row = 1; row <= rowCount; ++row)
        if (meter.Step(row, clock)) rows.push_back(row);
    return rows;
}

TEST(ProgressMeterTest, RefreshesWhenThePercentageRisesOrOnEveryTenthRow) {
    const std::vector<int> thousand = ProgressRows(1000);
    ASSERT_GE(thousand.size(), 6u);
    EXPECT_EQ(std::vector<int>(thousand.begin(), thousand.begin() + 6),
              (std::vector<int>{10, 11, 20, 21, 30, 31}));
    EXPECT_EQ(thousand.back(), 1000);

    std::vector<int> fifty(50);
    for (int k = 0; k < 50; ++k) fifty[static_cast<std::size_t>(k)] = k + 1;
    EXPECT_EQ(ProgressRows(50), fifty);
}

TEST(ProgressMeterTest, RemainingTimeOverBlocksOfTenRows) {
    fake::FakeClock clock(100);  // 100 ms between readings
    ProgressMeter meter(50, clock.NowMs());
    EXPECT_EQ(meter.Step(1, clock)->RemainingMs, 0);  // first refresh: 00:00
    for (int row = 2; row < 10; ++row) meter.Step(row, clock);
    // (50 - 1 - 10) rows at 100 ms per ten rows.
    EXPECT_DOUBLE_EQ(meter.Step(10, clock)->RemainingMs, 390.0);
    EXPECT_DOUBLE_EQ(meter.Step(11, clock)->RemainingMs, 390.0);
}

TEST(ProgressTextTest, CaptionAndTitles) {
    EXPECT_EQ(text::Cp1251ToUtf8(ProgressCaption(250, 1000, {25, 75400})),
              "Проверка 250/1000 (25%) Осталось: 01:15");
    EXPECT_EQ(text::Cp1251ToUtf8(ProgressTitle(37)), "[37%] Табулекс 2.32[05.03.2008]");
    EXPECT_EQ(text::Cp1251ToUtf8(IdleTitle()), "Табулекс 2.32 [05.03.2008]");
}

}  // namespace
}  // namespace tabulex::check
