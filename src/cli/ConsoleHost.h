#pragma once

// The check run's front end on a terminal: it never asks. A stored resume point is used only with
// --resume; a stop request (Ctrl+C) stops at the next progress point and stores the resume point;
// a failed data row is reported on standard error and the run goes on.

#include "check/CheckHost.h"
#include "cli/ProgressDisplay.h"

#include <atomic>
#include <iosfwd>
#include <string>

namespace tabulex::cli {

struct ConsolePolicy {
    bool Resume = false;
    // Rows that cannot be read are read again this often in one check, then the check ends: a
    // document that keeps failing must not hold the command forever.
    int RowReadRetries = 2;
};

class ConsoleHost : public check::CheckHost {
  public:
    ConsoleHost(settings::Settings& settings, const std::atomic<bool>& stop, ProgressDisplay& progress,
                std::ostream& err, std::string documentLabel, ConsolePolicy policy);

    void ShowStatus(std::string_view text) override;
    void SetCaption(std::string_view text) override;
    void SetApplicationTitle(std::string_view) override {}
    void ProcessEvents() override {}
    bool StopRequested() override { return stop_.load(); }
    // A stop request ends every check of the command, so the shared flag stays set.
    void ClearStopRequest() override {}
    bool AskOkCancel(check::Question question, std::string_view title, std::string_view text) override;
    bool InputBox(std::string_view title, std::string_view prompt, std::string_view text) override;
    void ShowMessageText(std::string_view text) override;
    void CloseReportDocuments() override {}
    settings::Settings& Settings() override { return settings_; }
    std::string ReportUnavailableText(const std::filesystem::path& report, int errorCode) override;

    const std::string& LastStatus() const { return lastStatus_; }
    // The last text shown through ShowMessageText (1251), so that it is not printed twice.
    const std::string& LastMessage() const { return lastMessage_; }

  private:
    void PrintMessage(std::string_view text1251);

    settings::Settings& settings_;
    const std::atomic<bool>& stop_;
    ProgressDisplay& progress_;
    std::ostream& err_;
    std::string label_;
    ConsolePolicy policy_;
    int rowReadFailures_ = 0;
    std::string lastStatus_;
    std::string lastMessage_;
};

// Turns the run's CR line breaks into the terminal's, and 1251 into UTF-8.
std::string ToTerminalText(std::string_view text1251);

}  // namespace tabulex::cli
