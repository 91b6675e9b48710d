// Inventories written by LibreOffice whose table is not one plain block: a header of two rows
// (the dates split into "начала" and "окончания", the number cell merged down) and a table a
// stray paragraph split in two. The check counts every case and no header row; the repairs leave
// the header alone; the split is an error until `fix --join-tables` joins the parts.

#include "e2e/DocxTables.h"
#include "e2e/E2eTest.h"
#include "text/Cp1251.h"

#include <cstdlib>
#include <string>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

fs::path OfficeFixture(const std::string& name) {
    return fs::path(TABULEX_FIXTURES) / "lo" / name;
}

std::string ReportText(const fs::path& reportDir) {
    return text::Cp1251ToUtf8(ReadFile(reportDir / "Tabulex_Report.txt"));
}

// The header rows repeat on every page and merge the number cell down; or only the merge. Six
// columns with the dates in two: read with --columns standard (automatic columns would skip one).
const char* const kTwoRowHeaders[] = {"two-row-header.docx", "two-row-header-merged.docx"};

class TableShapesTest : public E2eTest {
  protected:
    void SetUp() override {
        E2eTest::SetUp();
        reconcileCertification_ = true;
    }
};

TEST_F(TableShapesTest, ASecondHeaderRowIsNoCase) {
    for (const char* name : kTwoRowHeaders) {
        SCOPED_TRACE(name);
        const fs::path reportDir = root_ / name;
        const auto result =
            Check(OfficeFixture(name), reportDir, {"--dates-two-columns", "--columns", "standard"});
        EXPECT_NE(result.Status, 2) << result.Err;
        const std::string report = ReportText(reportDir);
        EXPECT_NE(report.find("В данную опись занесено 13 (тринадцать) дел с № 1 по № 13\r\n"),
                  std::string::npos)
            << report;
        // The line after the table says 13 too, and the first row is no case without a number.
        EXPECT_EQ(report.find("Сверка заверительной надписи:"), std::string::npos) << report;
        EXPECT_EQ(report.find("Номер отсутствует"), std::string::npos) << report;
    }
}

TEST_F(TableShapesTest, NumberingLeavesBothHeaderRowsAlone) {
    for (const char* name : kTwoRowHeaders) {
        for (const char* repair : {"--number-cases", "--auto-number-cases"}) {
            SCOPED_TRACE(std::string(name) + " " + repair);
            const fs::path out = root_ / (std::string(repair + 2) + "-" + name);
            const auto fixed = RunTabulex({"fix", OfficeFixture(name).string(), repair, "--dates-two-columns",
                                           "--columns", "standard", "-o", out.string()});
            ASSERT_EQ(fixed.Status, 0) << fixed.Err;
            EXPECT_NE(fixed.Out.find("13"), std::string::npos) << fixed.Out;
            const TableRows before = ViewDocument(OfficeFixture(name), false).Tables.at(0);
            const TableRows after = ViewDocument(out, false).Tables.at(0);
            ASSERT_EQ(after.size(), before.size());
            EXPECT_EQ(after[0], before[0]);
            EXPECT_EQ(after[1], before[1]);
            if (std::string(repair) == "--number-cases") {
                EXPECT_EQ(after[2].rfind("1 | ", 0), 0u) << after[2];
                EXPECT_EQ(after.back().rfind("13 | ", 0), 0u) << after.back();
            } else {
                EXPECT_EQ(after[2].rfind("[1] | ", 0), 0u) << after[2];
                EXPECT_EQ(after.back().rfind("[13] | ", 0), 0u) << after.back();
            }
        }
    }
}

TEST_F(TableShapesTest, ASplitTableIsAnErrorUntilItIsJoined) {
    const fs::path split = OfficeFixture("split-table.docx");
    const auto checked = Check(split, root_ / "split");
    EXPECT_EQ(checked.Status, 1) << checked.Err;
    const std::string report = ReportText(root_ / "split");
    EXPECT_NE(report.find("\r\nТаблица описи разорвана: таблица №2 продолжает проверенную (6 строк); "
                          "объедините таблицы\r\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("занесено 6 (шесть) дел"), std::string::npos) << report;

    const fs::path joined = root_ / "joined.docx";
    const auto fixed = RunTabulex({"fix", split.string(), "--join-tables", "-o", joined.string()});
    ASSERT_EQ(fixed.Status, 0) << fixed.Err;
    const DocumentView view = ViewDocument(joined, false);
    ASSERT_EQ(view.Tables.size(), 1u);
    EXPECT_EQ(view.Tables[0].size(), 13u);
    EXPECT_EQ(view.Tables[0].back().rfind("12 | ", 0), 0u) << view.Tables[0].back();

    const auto again = Check(joined, root_ / "joined");
    EXPECT_EQ(again.Status, 0) << again.Out;
    const std::string joinedReport = ReportText(root_ / "joined");
    EXPECT_EQ(joinedReport.find("Таблица описи разорвана"), std::string::npos) << joinedReport;
    EXPECT_NE(joinedReport.find("В данную опись занесено 12 (двенадцать) дел с № 1 по № 12\r\n"),
              std::string::npos)
        << joinedReport;
    // Joining once more finds nothing to join.
    EXPECT_EQ(RunTabulex({"fix", joined.string(), "--join-tables"}).Status, 0);

    // LibreOffice opens the joined inventory and sees one table that ends with case 12.
    if (std::system("command -v soffice > /dev/null 2>&1") != 0) GTEST_SKIP() << "soffice is not installed";
    const fs::path office = root_ / "office";
    const std::string command = "timeout 180 soffice -env:UserInstallation=file://" +
                                (office / "profile").string() + " --headless --convert-to odt --outdir " +
                                office.string() + " " + joined.string() + " > " +
                                (root_ / "soffice.log").string() + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadFile(root_ / "soffice.log");
    const std::string unzip =
        "unzip -p " + (office / "joined.odt").string() + " content.xml > " + (root_ / "content.xml").string();
    ASSERT_EQ(std::system(unzip.c_str()), 0);
    const std::string content = ReadFile(root_ / "content.xml");
    std::size_t tables = 0;
    for (std::size_t at = 0; (at = content.find("<table:table ", at)) != std::string::npos; ++at) ++tables;
    EXPECT_EQ(tables, 1u);
    EXPECT_NE(content.find("Ведомости заработной платы"), std::string::npos);
}

}  // namespace
}  // namespace tabulex::e2e
