// The resume point kept in the report folder: every text comes back byte for byte, whatever it
// holds, and a damaged or cut file is no resume point at all.

#include "check/ResumePoint.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tabulex::check {
namespace {

namespace fs = std::filesystem;

TEST(ResumePointTest, SavedAndLoadedWithEveryTextAndCountAndDamagedFilesRefused) {
    const fs::path folder = fs::temp_directory_path() / "tabulex_resume_point";
    fs::remove_all(folder);
    fs::create_directories(folder);
    ResumePoint point;
    point.Row = 57041;
    point.DocumentName = "\xEE\xEF\xE8\xF1\xFC 100%.docx";
    point.Identity = "/data/a b/opis.docx|123|4.5";
    point.State.Counts = {3, 4, 5};
    point.State.Counters.DataRows = 57000;
    point.State.Counters.NumberingRows = 1;
    point.State.FirstNumber = "1";
    point.State.LastNumber = "57000\xE0";
    point.State.PreviousNumber = 57000;
    point.State.Rubricator = {"\xD0\xE0\xE7\xE4\xE5\xEB 1\t%0A", "", "line\r\nbreak"};
    point.State.NumberKeys = {"00001", "00001", "%"};
    point.State.Dates.Extremes.EarliestStart = {18000, "3"};
    point.State.Dates.Extremes.LatestEnd = {20000, "12"};
    ASSERT_TRUE(SaveResumePoint(folder, point));

    const std::optional<ResumePoint> loaded = LoadResumePoint(folder);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Row, 57041);
    EXPECT_EQ(loaded->DocumentName, point.DocumentName);
    EXPECT_EQ(loaded->Identity, point.Identity);
    EXPECT_EQ(loaded->State.Counts.HintCount, 5);
    EXPECT_EQ(loaded->State.Counters.DataRows, 57000);
    EXPECT_EQ(loaded->State.LastNumber, point.State.LastNumber);
    EXPECT_EQ(loaded->State.PreviousNumber, 57000);
    EXPECT_EQ(loaded->State.Rubricator, point.State.Rubricator);
    EXPECT_EQ(loaded->State.NumberKeys, point.State.NumberKeys);
    EXPECT_EQ(loaded->State.Dates.Extremes.EarliestStart.Date, 18000);
    EXPECT_EQ(loaded->State.Dates.Extremes.LatestEnd.Number, "12");

    // Cut short, or a number that is none: no resume point.
    std::ifstream in(folder / kResumeFileName, std::ios::binary);
    const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const std::string& damaged : {whole.substr(0, whole.size() - 5), whole.substr(0, whole.size() / 2),
                                       std::string("Tabulex resume point 1\nRow x\n")}) {
        std::ofstream(folder / kResumeFileName, std::ios::binary | std::ios::trunc) << damaged;
        EXPECT_FALSE(LoadResumePoint(folder));
    }
    EraseResumePoint(folder);
    EXPECT_FALSE(LoadResumePoint(folder));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tabulex::check
