// A check stopped at a row and resumed later by `tabulex check --resume`: the resumed run starts
// at the stored row with the run state of the stop and continues the old report, which then is the
// report of an uninterrupted check. Only the very file that was stopped, into the same report
// folder, is resumed.

#include "check/CheckRun.h"
#include "check/DocumentIdentity.h"
#include "docx/DocxApplication.h"
#include "e2e/E2eTest.h"
#include "settings/IniSettings.h"
#include "text/Cp1251.h"

#include <string>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

// Presses Stop when the progress caption reaches a given row and answers OK to every question.
class StopAtRowHost : public check::CheckHost {
  public:
    StopAtRowHost(settings::Settings& settings, int stopRow)
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
    void CloseReportDocuments() override {}
    settings::Settings& Settings() override { return settings_; }

    std::string Questions;

  private:
    settings::Settings& settings_;
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
        options.DocumentIdentity = check::DocumentIdentity(inventory);
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
    ExpectReport(root_ / "report", "every-row-kind.report.txt");

    // The resume point is gone: the next check starts again at row 1 with a new report.
    const auto again = Check(inventory, root_ / "report", {"--resume"});
    EXPECT_EQ(again.Status, 1) << again.Err;
    ExpectReport(root_ / "report", "every-row-kind.report.txt");
}

// The certification line is compared with the counts of every row, those before the stop included.
TEST_F(ResumeTest, AResumedCheckComparesTheCertificationLineAsAWholeOneDoes) {
    reconcileCertification_ = true;
    const auto inventory = MakeInventory("certified.plan.txt", "opis.docx");
    const auto certification = [&] {
        const std::string report = text::Cp1251ToUtf8(ReadFile(root_ / "report" / "Tabulex_Report.txt"));
        const std::size_t at = report.find("Сверка заверительной надписи:");
        return at == std::string::npos ? std::string() : report.substr(at, report.find("\r\n\r\n", at) - at);
    };
    ASSERT_EQ(Check(inventory, root_ / "report").Status, 1);
    const std::string whole = certification();
    EXPECT_NE(whole.find("последний номер № 5, а в описи № 6"), std::string::npos) << whole;

    ASSERT_EQ(StopAt(inventory, 6).End, check::CheckEnd::Stopped);
    ASSERT_EQ(Check(inventory, root_ / "report", {"--resume"}).Status, 1);
    EXPECT_EQ(certification(), whole);
}

TEST_F(ResumeTest, AnotherFileOfTheSameNameOrAChangedFileStartsAgainWithANotice) {
    const auto inventory = MakeInventory("every-row-kind.plan.txt", "opis.docx");
    const std::string notice =
        "opis.docx: Прерванная проверка в этой папке отчёта относится к другому файлу (opis.docx) или файл "
        "изменился; проверка начата с первой строки.\n";
    // The same name in another folder.
    ASSERT_EQ(StopAt(inventory, 7).End, check::CheckEnd::Stopped);
    fs::create_directories(root_ / "copy");
    fs::copy_file(inventory, root_ / "copy" / "opis.docx");
    auto result = Check(root_ / "copy" / "opis.docx", root_ / "report", {"--resume"});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err, notice);
    ExpectReport(root_ / "report", "every-row-kind.report.txt");

    // The same path, the file renamed away and another one renamed into its place.
    ASSERT_EQ(StopAt(inventory, 7).End, check::CheckEnd::Stopped);
    fs::rename(inventory, root_ / "old.docx");
    MakeInventory("clean.plan.txt", "opis.docx");
    result = Check(inventory, root_ / "report", {"--resume"});
    EXPECT_EQ(result.Status, 0);
    EXPECT_EQ(result.Err, notice);
    ExpectReport(root_ / "report", "clean.report.txt");
}

TEST_F(ResumeTest, ResumeIntoAnotherReportFolderStartsAgainWithANotice) {
    const auto inventory = MakeInventory("every-row-kind.plan.txt", "opis.docx");
    ASSERT_EQ(StopAt(inventory, 7).End, check::CheckEnd::Stopped);
    const auto result = Check(inventory, root_ / "other", {"--resume"});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err, "opis.docx: Проверка этого документа была прервана с отчётом в папке " +
                              (root_ / "report").string() +
                              "; продолжить её можно только с той же папкой отчёта. Проверка начата с первой "
                              "строки.\n");
    ExpectReport(root_ / "other", "every-row-kind.report.txt");
    // The resume point stays with its report.
    const auto resumed = Check(inventory, root_ / "report", {"--resume"});
    EXPECT_EQ(resumed.Status, 1) << resumed.Err;
    ExpectReport(root_ / "report", "every-row-kind.report.txt");
}

TEST_F(ResumeTest, ResumeWithoutTheStoppedReportChecksTheWholeInventoryWithANotice) {
    const auto inventory = MakeInventory("every-row-kind.plan.txt", "opis.docx");
    ASSERT_EQ(StopAt(inventory, 7).End, check::CheckEnd::Stopped);
    fs::remove(root_ / "report" / "Tabulex_Report.txt");
    const auto result = Check(inventory, root_ / "report", {"--resume"});
    EXPECT_EQ(result.Status, 1);
    EXPECT_EQ(result.Err, "opis.docx: Отчёт " + (root_ / "report" / "Tabulex_Report.txt").string() +
                              ", который продолжает прерванная проверка, отсутствует или изменён; проверка "
                              "начата с первой строки.\n");
    ExpectReport(root_ / "report", "every-row-kind.report.txt");
}

TEST_F(ResumeTest, WithoutResumeTheCheckStartsAgain) {
    const auto inventory = MakeInventory("every-row-kind.plan.txt", "opis.docx");
    ASSERT_EQ(StopAt(inventory, 7).End, check::CheckEnd::Stopped);
    const auto result = Check(inventory, root_ / "report");
    EXPECT_EQ(result.Status, 1) << result.Err;
    ExpectReport(root_ / "report", "every-row-kind.report.txt");
}

TEST_F(ResumeTest, EveryInventoryKeepsItsOwnResumePoint) {
    const auto stoppedOne = MakeInventory("every-row-kind.plan.txt", "opis.docx");
    const auto otherOne = MakeInventory("every-row-kind.plan.txt", "opis-copy.docx");
    ASSERT_EQ(StopAt(stoppedOne, 7).End, check::CheckEnd::Stopped);
    const auto other = Check(otherOne, root_ / "other", {"--resume"});
    EXPECT_EQ(other.Status, 1) << other.Err;
    EXPECT_EQ(other.Err, "");
    ExpectReport(root_ / "other", "every-row-kind.report.txt");
    // Another inventory checked to its end into its own folder leaves this one's resume point.
    const auto resumed = Check(stoppedOne, root_ / "report", {"--resume"});
    EXPECT_EQ(resumed.Status, 1) << resumed.Err;
    ExpectReport(root_ / "report", "every-row-kind.report.txt");
}

}  // namespace
}  // namespace tabulex::e2e
