// The resume point kept in the report folder: every text comes back byte for byte, whatever it
// holds, and a damaged, cut or hand-edited file is told apart from a missing one.

#include "check/ResumePoint.h"
#include "platform/FileWrites.h"

#include <gtest/gtest.h>

#include <cerrno>
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
    ASSERT_EQ(SaveResumePoint(folder, point), 0);

    const StoredResumePoint stored = LoadResumePoint(folder);
    ASSERT_EQ(stored.Found, StoredResumePoint::State::Read);
    const ResumePoint* loaded = &stored.Point;
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

    // Cut short, one digit changed, a line added, an earlier format: damaged, never believed.
    // Closed at once: Windows removes no file that is open.
    const std::string whole = [&] {
        std::ifstream in(folder / kResumeFileName, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }();
    std::string digitChanged = whole;
    digitChanged[digitChanged.find("Row 57041") + 4] = '6';
    const std::size_t end = whole.find("\nend\n") + 1;
    for (const std::string& damaged : {whole.substr(0, whole.size() - 5), whole.substr(0, whole.size() / 2),
                                       digitChanged, whole.substr(0, end) + "Row 2\n" + whole.substr(end),
                                       std::string("Tabulex resume point 1\nRow x\n"), std::string()}) {
        std::ofstream(folder / kResumeFileName, std::ios::binary | std::ios::trunc) << damaged;
        EXPECT_EQ(LoadResumePoint(folder).Found, StoredResumePoint::State::Damaged) << damaged;
    }
    EraseResumePoint(folder);
    EXPECT_EQ(LoadResumePoint(folder).Found, StoredResumePoint::State::Missing);
    fs::remove_all(folder);
}

// The resume file is never written through what stands in its place, and a failure says why in a
// way the message can name: not a regular file, or the system's own reason.
TEST(ResumePointTest, ASaveRefusesWhatIsNoRegularFileAndSaysWhyItFailed) {
    const fs::path folder = fs::temp_directory_path() / "tabulex_resume_refused";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path file = folder / kResumeFileName;
    ResumePoint point;
    point.Row = 12;

    fs::create_directory(file);
    EXPECT_EQ(SaveResumePoint(folder, point), platform::kNotRegularFile) << "a folder in its place";
    fs::remove(file);

#ifndef _WIN32
    const fs::path elsewhere = folder / "elsewhere.txt";
    std::ofstream(elsewhere) << "kept";
    fs::create_symlink(elsewhere, file);
    EXPECT_EQ(SaveResumePoint(folder, point), platform::kNotRegularFile) << "a link in its place";
    std::ifstream in(elsewhere);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "kept");
    fs::remove(file);
#endif

    EXPECT_EQ(SaveResumePoint(folder / "missing", point), ENOENT) << "no such folder";
    ASSERT_EQ(SaveResumePoint(folder, point), 0);
    EXPECT_EQ(LoadResumePoint(folder).Point.Row, 12);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tabulex::check
