#include "report/ReportFile.h"

#include "support/TestFolder.h"
#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tabulex::report {
namespace {

namespace fs = std::filesystem;
using tabulex::testing::ReadBytes;

class ReportFileTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = tabulex::testing::MakeTestFolder("tabulex_report_"); }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST_F(ReportFileTest, Cp1251LinesWithCrLfCreatedThenAppended) {
    const fs::path path = folder_ / "Tabulex_Report.txt";
    ReportFile file;
    ASSERT_TRUE(file.Open(path, false, Encoding::Cp1251));
    file.WriteLine(text::Utf8ToCp1251("№\tДело"));
    file.WriteLine("");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(path), "\xB9\t\xC4\xE5\xEB\xEE\r\n\r\n");

    ASSERT_TRUE(file.Open(path, true, Encoding::Cp1251));
    EXPECT_EQ(file.LinesBefore(), 2);
    file.WriteLine("x");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(path), "\xB9\t\xC4\xE5\xEB\xEE\r\n\r\nx\r\n");

    ASSERT_TRUE(file.Open(path, false, Encoding::Cp1251));
    EXPECT_EQ(file.LinesBefore(), 0);
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(path), "");
}

TEST_F(ReportFileTest, Utf8Encoding) {
    const fs::path path = folder_ / "r.txt";
    ReportFile file;
    ASSERT_TRUE(file.Open(path, false, Encoding::Utf8));
    file.WriteLine(text::Utf8ToCp1251("Рубрикатор: ¶"));
    ASSERT_TRUE(file.Close());
    EXPECT_EQ(ReadBytes(path), "Рубрикатор: ¶\r\n");
}

TEST_F(ReportFileTest, OpenFailsWhereNoFileCanBe) {
    ReportFile file;
    EXPECT_FALSE(file.Open(folder_ / "missing" / "r.txt", false, Encoding::Cp1251));
    EXPECT_FALSE(file.Open(folder_, false, Encoding::Cp1251));
    EXPECT_FALSE(file.IsOpen());
    file.WriteLine("ignored");
}

}  // namespace
}  // namespace tabulex::report
