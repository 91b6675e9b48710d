// A check of one inventory as both front ends run it: the run, the annotated copy, the tables left
// out, the report document and the resume point, on real .docx inventories.

#include "check/InventoryCheck.h"
#include "support/TestFolder.h"

#include "FakeHost.h"
#include "check/Annotations.h"
#include "docx/DocxApplication.h"
#include "ooxml/MinimalPackage.h"
#include "report/ReportFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tabulex::check {
namespace {

namespace fs = std::filesystem;
using tabulex::testing::ReadBytes;

std::string TableXml(const std::vector<std::vector<std::string>>& rows) {
    std::string xml = "<w:tbl><w:tblGrid>";
    for (int c = 0; c < 5; ++c) xml += "<w:gridCol w:w=\"1800\"/>";
    xml += "</w:tblGrid>";
    for (const auto& row : rows) {
        xml += "<w:tr><w:trPr><w:cantSplit/></w:trPr>";
        for (const std::string& cell : row)
            xml += "<w:tc><w:p><w:r><w:t xml:space=\"preserve\">" + cell + "</w:t></w:r></w:p></w:tc>";
        xml += "</w:tr>";
    }
    return xml + "</w:tbl><w:p/>";
}

constexpr const char* kTitle = "Переписка с трестом";

// Twelve cases; an empty third title is an error.
std::string TwelveCases(const std::string& thirdTitle = kTitle) {
    std::vector<std::vector<std::string>> rows;
    for (int k = 1; k <= 12; ++k)
        rows.push_back({std::to_string(k), k == 3 ? thirdTitle : kTitle, std::to_string(1940 + k), "1", ""});
    return TableXml(rows);
}

// Three more cases in a table of their own, as a stray paragraph splits an inventory.
std::string SplitOffCases() {
    return "<w:p><w:r><w:t>Продолжение</w:t></w:r></w:p>" +
           TableXml({{"13", "Переписка с трестом", "1953", "1", ""},
                     {"14", "Переписка с трестом", "1954", "1", ""},
                     {"15", "Переписка с трестом", "1955", "1", ""}});
}

class InventoryCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = tabulex::testing::MakeTestFolder("tabulex_inventory_check_");
        fs::create_directories(folder_ / "report");
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path Write(const std::string& bodyXml, const fs::path& name = "opis.docx") {
        const fs::path path = folder_ / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            << ooxml::BuildDocxBytes({ooxml::WrapBody(bodyXml), ooxml::DefaultStylesXml(), {}});
        return path;
    }

    InventoryCheckRequest Request() const {
        InventoryCheckRequest request;
        request.Options.ReportFolder = folder_ / "report";
        request.Options.CertificationCheck = false;  // the inventories have no certification line
        return request;
    }

    // Opens `inventory` in a fresh application and checks it.
    InventoryCheck Check(const fs::path& inventory, InventoryCheckRequest request) {
        application_ = word::docx::CreateApplication();
        application_->Documents().Open(inventory.string());
        return RunInventoryCheck(host_, *application_, std::move(request), clock_);
    }

    void StopAtRowSix() {
        host_.ProcessEventsCalls = 0;
        host_.OnProcessEvents = [](fake::FakeHost& host) {
            if (host.ProcessEventsCalls == 7) host.Stop = true;
        };
    }

    fs::path Report() const { return folder_ / "report" / "Tabulex_Report.txt"; }
    fs::path ReportDocument() const { return folder_ / "report" / "Tabulex_Report.docx"; }

    fs::path folder_;
    fake::FakeHost host_;
    fake::FakeClock clock_{1};
    std::unique_ptr<word::Application> application_;
};

TEST_F(InventoryCheckTest, EachStepAsAskedFor) {
    struct Case {
        const char* Name;
        std::string ThirdTitle;
        AnnotatedCopyPlace Copy;
        bool ReportDocument;
        bool SplitTable;
        CheckVerdict Verdict;
    };
    const Case cases[] = {
        {"clean, report document only", kTitle, AnnotatedCopyPlace::None, true, false, CheckVerdict::Clean},
        {"errors, nothing but the report", "", AnnotatedCopyPlace::None, false, false,
         CheckVerdict::ErrorsFound},
        {"copy beside the report", "", AnnotatedCopyPlace::BesideReport, true, false,
         CheckVerdict::ErrorsFound},
        {"copy where asked", kTitle, AnnotatedCopyPlace::At, false, false, CheckVerdict::Clean},
        {"split table", kTitle, AnnotatedCopyPlace::None, true, true, CheckVerdict::Clean},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        fs::remove_all(folder_ / "report");
        fs::create_directories(folder_ / "report");
        const fs::path inventory = Write(TwelveCases(c.ThirdTitle) + (c.SplitTable ? SplitOffCases() : ""));
        InventoryCheckRequest request = Request();
        request.AnnotatedCopy = c.Copy;
        request.AnnotatedCopyPath = folder_ / "copy.docx";
        request.ReportDocument = c.ReportDocument;
        fs::remove(request.AnnotatedCopyPath);

        const InventoryCheck done = Check(inventory, std::move(request));
        ASSERT_TRUE(done.Completed()) << done.Outcome.Message;
        EXPECT_EQ(done.Verdict, c.Verdict);
        EXPECT_TRUE(fs::exists(Report()));
        EXPECT_EQ(done.Outcome.ReportPath, Report());

        EXPECT_EQ(done.ReportDocument, c.ReportDocument ? ReportDocument() : fs::path());
        EXPECT_EQ(fs::exists(ReportDocument()), c.ReportDocument);
        EXPECT_EQ(done.ReportDocumentError, "");

        const fs::path copy = c.Copy == AnnotatedCopyPlace::At ? folder_ / "copy.docx"
                              : c.Copy == AnnotatedCopyPlace::BesideReport
                                  ? AnnotatedCopyPath(folder_ / "report", "opis.docx")
                                  : fs::path();
        EXPECT_EQ(done.AnnotatedCopy, copy);
        if (!copy.empty()) {
            EXPECT_TRUE(fs::exists(copy));
        }
        EXPECT_EQ(done.AnnotatedCopyError, "");

        ASSERT_EQ(done.LeftOutTables.size(), c.SplitTable ? 1u : 0u);
        if (c.SplitTable) {
            EXPECT_EQ(done.LeftOutTables[0].Table, 2);
            EXPECT_EQ(done.LeftOutTables[0].CaseRows, 3);
        }
    }
}

TEST_F(InventoryCheckTest, LeftOutTableWarningNamesBothTables) {
    EXPECT_EQ(text::Cp1251ToUtf8(LeftOutTableWarning({3, 7}, 2)),
              "Внимание: таблица 3 не проверена, а в ней 7 строк(и) дел и столько же столбцов, сколько в "
              "проверенной таблице 2; возможно, таблица описи разорвана абзацем.");
}

TEST_F(InventoryCheckTest, ACopyThatCannotBeWrittenLeavesTheCheckNotDone) {
    const fs::path inventory = Write(TwelveCases());
    InventoryCheckRequest request = Request();
    request.AnnotatedCopy = AnnotatedCopyPlace::At;
    request.AnnotatedCopyPath = folder_ / "missing folder" / "copy.docx";
    const InventoryCheck done = Check(inventory, std::move(request));
    ASSERT_TRUE(done.Completed());
    EXPECT_EQ(done.Verdict, CheckVerdict::NotChecked);
    EXPECT_TRUE(done.AnnotatedCopy.empty());
    EXPECT_NE(done.AnnotatedCopyError, "");
    // The report and its document are there all the same.
    EXPECT_TRUE(fs::exists(Report()));
    EXPECT_EQ(done.ReportDocument, ReportDocument());
}

TEST_F(InventoryCheckTest, AStoppedCheckWritesNothingMoreAndItsResumeIsTheUninterruptedCheck) {
    const fs::path inventory = Write(TwelveCases("") + SplitOffCases());
    const InventoryCheck whole = Check(inventory, Request());
    ASSERT_TRUE(whole.Completed());
    const std::string uninterrupted = ReadBytes(Report());
    fs::remove(ReportDocument());

    StopAtRowSix();
    InventoryCheckRequest request = Request();
    request.AnnotatedCopy = AnnotatedCopyPlace::BesideReport;
    const InventoryCheck stopped = Check(inventory, std::move(request));
    host_.OnProcessEvents = nullptr;
    ASSERT_TRUE(stopped.Stopped());
    EXPECT_EQ(stopped.Outcome.StoppedAtRow, 6);
    EXPECT_EQ(stopped.Verdict, CheckVerdict::NotChecked);
    EXPECT_TRUE(stopped.AnnotatedCopy.empty());
    EXPECT_FALSE(fs::exists(AnnotatedCopyPath(folder_ / "report", "opis.docx")));
    EXPECT_TRUE(stopped.LeftOutTables.empty());
    EXPECT_TRUE(stopped.ReportDocument.empty());
    EXPECT_FALSE(fs::exists(ReportDocument()));
    EXPECT_TRUE(fs::exists(folder_ / "report" / report::kResumeFileName));

    const InventoryCheck resumed = Check(inventory, Request());
    ASSERT_TRUE(resumed.Completed());
    EXPECT_EQ(resumed.Outcome.StartRow, 6);
    EXPECT_EQ(resumed.Verdict, CheckVerdict::ErrorsFound);
    EXPECT_EQ(ReadBytes(Report()), uninterrupted);
    EXPECT_EQ(resumed.ReportDocument, ReportDocument());
    ASSERT_EQ(resumed.LeftOutTables.size(), 1u);
    EXPECT_FALSE(fs::exists(folder_ / "report" / report::kResumeFileName));
}

// Without an identity from the front end, the active document's file tells the inventories apart:
// another file of the same name is checked from its first row.
TEST_F(InventoryCheckTest, AnotherFileOfTheSameNameIsNotResumed) {
    const fs::path first = Write(TwelveCases(), "a/opis.docx");
    const fs::path second = Write(TwelveCases(""), "b/opis.docx");
    StopAtRowSix();
    ASSERT_TRUE(Check(first, Request()).Stopped());
    host_.OnProcessEvents = nullptr;

    const InventoryCheck other = Check(second, Request());
    ASSERT_TRUE(other.Completed());
    EXPECT_EQ(other.Outcome.StartRow, 1);
    EXPECT_EQ(other.Verdict, CheckVerdict::ErrorsFound);
    ASSERT_EQ(host_.Questions.size(), 1u);  // the stop question only
    ASSERT_FALSE(host_.Messages.empty());
    EXPECT_EQ(host_.Messages.back(),
              "Прерванная проверка в этой папке отчёта относится к другому файлу (opis.docx) "
              "или файл изменился; проверка начата с первой строки.");
}

}  // namespace
}  // namespace tabulex::check
