// A check stopped at a row and resumed later by `tabulex check --resume`: the resumed run starts
// at the stored row with every counter at zero and appends to the old report, which then holds
// the header line twice.

#include "check/CheckRun.h"
#include "e2e/E2eTest.h"
#include "settings/IniSettings.h"
#include "text/Cp1251.h"
#include "word/docx/DocxApplication.h"

#include <string>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

// Presses Stop when the progress caption reaches a given row and answers OK to every question.
class StopAtRowHost : public check::CheckHost {
  public:
    StopAtRowHost(check::Settings& settings, int stopRow)
        : settings_(settings),
          stopCaption_(text::Utf8ToCp1251("Проверка " + std::to_string(stopRow) + "/")) {}

    void ShowStatus(std::string_view) override {}
    void SetCaption(std::string_view text) override { stop_ = stop_ || text.starts_with(stopCaption_); }
    void SetApplicationTitle(std::string_view) override {}
    void ProcessEvents() override {}
    bool StopRequested() override { return stop_; }
    void ClearStopRequest() override { stop_ = false; }
    bool AskOkCancel(check::Question question, std::string_view, std::string_view) override {
        Questions += question == check::Question::Stop ? "stop;" : "other;";
        return true;
    }
    bool InputBox(std::string_view, std::string_view, std::string_view) override { return true; }
    void ShowMessageText(std::string_view) override {}
    void EnableMainControls(bool) override {}
    void CloseReportDocuments() override {}
    check::Settings& Settings() override { return settings_; }

    std::string Questions;

  private:
    check::Settings& settings_;
    std::string stopCaption_;
    bool stop_ = false;
};

class ResumeTest : public E2eTest {
  protected:
    // Checks the inventory with the engine and stops at `row`, as the Stop button does.
    check::CheckOutcome StopAt(const fs::path& inventory, int row) {
        settings::IniSettings settings(root_ / "data" / "Tabulex.ini");
        StopAtRowHost host(settings, row);
        check::CheckOptions options;
        options.ReportFolder = root_ / "report";
        fs::create_directories(options.ReportFolder);
        auto application = word::docx::CreateApplication();
        application->Documents().Open(inventory.string());
        check::CheckRun run(host, options);
        auto outcome = run.Run(*application);
        EXPECT_EQ(host.Questions, "stop;");
        return outcome;
    }
};

TEST_F(ResumeTest, ResumedCheckAppendsToTheStoppedReport) {
    const auto inventory = MakeInventory("every-row-kind.plan.txt", "opis.docx");
    const auto stopped = StopAt(inventory, 7);
    ASSERT_EQ(stopped.End, check::CheckEnd::Stopped);
    EXPECT_EQ(stopped.StoppedAtRow, 7);

    const auto result = Check(inventory, root_ / "report", {"--resume"});
    EXPECT_EQ(result.Status, 1) << result.Err;
    ExpectReport(root_ / "report", "every-row-kind-resumed.report.txt");

    // The resume point is gone: the next check starts again at row 1 with a new report.
    const auto again = Check(inventory, root_ / "report", {"--resume"});
    EXPECT_EQ(again.Status, 1) << again.Err;
    ExpectReport(root_ / "report", "every-row-kind.report.txt");
}

TEST_F(ResumeTest, WithoutResumeTheCheckStartsAgain) {
    const auto inventory = MakeInventory("every-row-kind.plan.txt", "opis.docx");
    ASSERT_EQ(StopAt(inventory, 7).End, check::CheckEnd::Stopped);
    const auto result = Check(inventory, root_ / "report");
    EXPECT_EQ(result.Status, 1) << result.Err;
    ExpectReport(root_ / "report", "every-row-kind.report.txt");
}

TEST_F(ResumeTest, AnotherDocumentStartsAtRowOneAndEndsTheResumePoint) {
    const auto stoppedOne = MakeInventory("every-row-kind.plan.txt", "opis.docx");
    const auto otherOne = MakeInventory("every-row-kind.plan.txt", "opis-copy.docx");
    ASSERT_EQ(StopAt(stoppedOne, 7).End, check::CheckEnd::Stopped);
    const auto other = Check(otherOne, root_ / "other", {"--resume"});
    EXPECT_EQ(other.Status, 1) << other.Err;
    ExpectReport(root_ / "other", "every-row-kind.report.txt");
    // That check ended normally, so the resume point is gone: the stopped document starts again.
    const auto again = Check(stoppedOne, root_ / "report", {"--resume"});
    EXPECT_EQ(again.Status, 1) << again.Err;
    ExpectReport(root_ / "report", "every-row-kind.report.txt");
}

}  // namespace
}  // namespace tabulex::e2e
