// Whole inventories through `tabulex check`: each report compared byte for byte with the report
// worked out by hand from the house rules (tests/fixtures/e2e/*.report.txt).

#include "e2e/E2eTest.h"

#include <ostream>
#include <string>
#include <vector>

namespace tabulex::e2e {
namespace {

struct ReportCase {
    const char* Name;
    const char* Plan;
    std::vector<std::string> Options;
    const char* Report;
    int Status;  // 0 no errors, 1 errors found
};

const ReportCase kReportCases[] = {
    {"Clean", "clean.plan.txt", {}, "clean.report.txt", 0},
    {"EveryRowKind", "every-row-kind.plan.txt", {}, "every-row-kind.report.txt", 1},
    {"WarningsAndHintsHidden",
     "every-row-kind.plan.txt",
     {"--no-warnings", "--no-hints"},
     "every-row-kind-hidden.report.txt",
     1},
    {"DatesCell", "dates-cell.plan.txt", {}, "dates-cell.report.txt", 1},
    {"TwoDateColumns",
     "two-date-columns.plan.txt",
     {"--dates-two-columns", "--columns", "standard"},
     "two-date-columns.report.txt",
     1},
    {"ExtraColumnsAuto", "extra-columns.plan.txt", {"--columns", "auto"}, "extra-columns-auto.report.txt", 1},
    {"ExtraColumnsSkip",
     "extra-columns.plan.txt",
     {"--columns", "skip:2"},
     "extra-columns-skip.report.txt",
     1},
    {"ExtraColumnsStandard",
     "extra-columns.plan.txt",
     {"--columns", "standard"},
     "extra-columns-standard.report.txt",
     1},
    {"CaseNumbersAndCellTexts", "case-numbers.plan.txt", {}, "case-numbers.report.txt", 1},
    {"DatesAndSheetsMayBeEmpty",
     "case-numbers.plan.txt",
     {"--dates-may-be-empty", "--sheets-may-be-empty"},
     "case-numbers-may-be-empty.report.txt",
     1},
    {"Headings", "headings.plan.txt", {}, "headings.report.txt", 0},
    {"HeaderOnly", "header-only.plan.txt", {}, "header-only.report.txt", 0},
};

void PrintTo(const ReportCase& c, std::ostream* out) {
    *out << c.Name;
}

class ReportTest : public E2eTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(ReportTest, ReportMatchesTheHandWorkedReport) {
    const ReportCase& c = GetParam();
    const auto inventory = MakeInventory(c.Plan, "opis.docx");
    const auto result = Check(inventory, root_ / "report", c.Options);
    EXPECT_EQ(result.Status, c.Status) << result.Err;
    ExpectReport(root_ / "report", c.Report);
}

INSTANTIATE_TEST_SUITE_P(Inventories, ReportTest, ::testing::ValuesIn(kReportCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tabulex::e2e
