#include "report/MessageLog.h"

#include "support/TestFolder.h"
#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tabulex::report {
namespace {
using namespace text::literals;

std::tm At(int day, int month, int year, int hour, int minute, int second) {
    std::tm t{};
    t.tm_mday = day;
    t.tm_mon = month - 1;
    t.tm_year = year - 1900;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(MessageLogTest, LineBreaksBecomeTabsAfterTheTimeStamp) {
    // The expected line without its time stamp; views only, as clang 14 cannot build a std::string
    // from a _cp literal.
    const struct {
        std::string_view text;
        std::string_view expected;
    } cases[] = {
        {"Файл не найден.\r\rПопробуйте выбрать файл еще раз."_cp,
         "Файл не найден.\t\tПопробуйте выбрать файл еще раз."_cp},
        {"a\r\nb", "a\tb"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string expected = "06.12.2026 21:05:33\t";
        expected += c.expected;
        EXPECT_EQ(MessageLogLine(c.text, At(6, 12, 2026, 21, 5, 33)), expected);
    }
}

TEST(MessageLogTest, CrBecomesCrLfOnce) {
    EXPECT_EQ(WithCrLf("a\rb\r\nc\r"), "a\r\nb\r\nc\r\n");
}

TEST(MessageLogTest, AppendedLinesAreTheHistoryAndShowWithoutTheirTime) {
    const auto folder = testing::MakeTestFolder("tabulex-message-log-");
    const auto file = folder / kMessageLogName;
    EXPECT_TRUE(LoadMessageHistory(file).empty());
    ASSERT_TRUE(AppendMessageLog(file, MessageLogLine("one\rtwo", At(1, 2, 2026, 3, 4, 5))));
    ASSERT_TRUE(AppendMessageLog(file, MessageLogLine("three", At(1, 2, 2026, 3, 4, 6))));
    // Closed before the folder goes: Windows removes no folder with a file open in it.
    const std::string bytes = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }();
    EXPECT_EQ(bytes, "01.02.2026 03:04:05\tone\ttwo\r\n01.02.2026 03:04:06\tthree\r\n");
    const auto history = LoadMessageHistory(file);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(HistoryEntryText(history[0]), "one\r\ntwo");
    EXPECT_EQ(HistoryEntryText(history[1]), "three");
    EXPECT_FALSE(AppendMessageLog(folder / "missing" / kMessageLogName, "x"));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tabulex::report
