// File and folder names outside ASCII and with spaces, as archivists name them: every command finds
// the inventory by its name and writes exactly where it was told. On Windows the names pass from
// UTF-8 arguments to the system's UTF-16 calls; a byte taken for a character loses the file.

#include "e2e/E2eTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace tabulex::e2e {
namespace {

namespace fs = std::filesystem;

fs::path Named(const char8_t* utf8) {
    return fs::path(utf8);
}

std::string Utf8(const fs::path& path) {
    const std::u8string bytes = path.u8string();
    return std::string(bytes.begin(), bytes.end());
}

std::set<fs::path> FilesIn(const fs::path& folder) {
    std::set<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

class UnicodePathsTest : public E2eTest {
  protected:
    void SetUp() override {
        E2eTest::SetUp();
        folder_ = root_ / Named(u8"Фонд 12 «Опись № 1»");
        fs::create_directories(folder_);
        inventory_ = folder_ / Named(u8"опись дел фонда 12.docx");
        fs::rename(MakeInventory("every-row-kind.plan.txt", "plain.docx"), inventory_);
    }

    fs::path folder_;
    fs::path inventory_;
};

TEST_F(UnicodePathsTest, CheckReadsTheInventoryAndWritesTheReportWhereNamed) {
    const fs::path reports = root_ / Named(u8"Отчёты за 2025 год");
    const CommandResult result = RunTabulex({"check", Utf8(inventory_), "--report-dir", Utf8(reports)});
    ASSERT_EQ(result.Status, 1) << result.Err;
    EXPECT_GT(fs::file_size(reports / "Tabulex_Report.txt"), 0u);
    EXPECT_TRUE(fs::exists(reports / "Tabulex_Report.docx"));
}

TEST_F(UnicodePathsTest, ABatchNamesEachReportFolderByItsInventory) {
    const fs::path reports = root_ / Named(u8"Отчёты по папке");
    const CommandResult result =
        RunTabulex({"check", Utf8(folder_), "--report-dir", Utf8(reports), "--no-report-docx"});
    ASSERT_EQ(result.Status, 1) << result.Err;
    EXPECT_EQ(FilesIn(reports), (std::set<fs::path>{Named(u8"опись дел фонда 12.docx")}));
    EXPECT_GT(fs::file_size(reports / Named(u8"опись дел фонда 12.docx") / "Tabulex_Report.txt"), 0u);
}

TEST_F(UnicodePathsTest, FixAndTheAnnotatedCopyWriteWhereNamed) {
    struct Case {
        const char* What;
        std::vector<std::string> Args;  // after "FILE"
        fs::path Written;
    };
    const fs::path fixed = folder_ / Named(u8"опись — исправленная.docx");
    const fs::path annotated = folder_ / Named(u8"опись с примечаниями.docx");
    const Case cases[] = {
        {"fix -o", {"fix", Utf8(inventory_), "--delete-empty-rows", "-o", Utf8(fixed)}, fixed},
        {"check --annotate",
         {"check", Utf8(inventory_), "--report-dir", Utf8(root_ / "reports"), "--annotate", Utf8(annotated)},
         annotated},
        {"fix --in-place",
         {"fix", Utf8(inventory_), "--delete-empty-rows", "--in-place"},
         folder_ / Named(u8"опись дел фонда 12.docx.bak")},
    };
    for (const Case& c : cases) {
        const CommandResult result = RunTabulex(c.Args);
        EXPECT_LE(result.Status, 1) << c.What << ": " << result.Err;
        EXPECT_TRUE(fs::exists(c.Written)) << c.What;
    }
    const std::set<fs::path> expected{inventory_.filename(), fixed.filename(), annotated.filename(),
                                      Named(u8"опись дел фонда 12.docx.bak")};
    EXPECT_EQ(FilesIn(folder_), expected);
}

}  // namespace
}  // namespace tabulex::e2e
