#pragma once

// The document tools' front end on a terminal: the command line names the commands to run, so
// every confirmation is answered OK; a row that cannot be read is tried once more; Ctrl+C stops the
// command at its next row. The heading walk's progress goes to the progress line on standard error.

#include "cli/ProgressDisplay.h"
#include "tools/ToolHost.h"

#include <atomic>
#include <string>

namespace tabulex::cli {

class ToolConsoleHost : public tools::ToolHost {
  public:
    ToolConsoleHost(settings::Settings& settings, const std::atomic<bool>& stop, ProgressDisplay& progress,
                    std::string documentLabel)
        : settings_(settings), stop_(stop), progress_(progress), label_(std::move(documentLabel)) {}

    void ShowStatus(std::string_view text) override;
    void SetCaption(std::string_view text) override;
    void SetApplicationTitle(std::string_view) override {}
    void SetBusy(bool) override {}
    void ProcessEvents() override {}
    bool StopRequested() override { return stop_.load(); }
    bool Confirm(const tools::Confirmation&) override { return true; }
    bool AskRowReadAgain(std::string_view, std::string_view) override { return true; }
    void BringToFront() override {}
    void CloseReportDocuments() override {}
    settings::Settings& Settings() override { return settings_; }

    // The last status text a command showed (1251); cleared before each command.
    const std::string& LastStatus() const { return lastStatus_; }
    void ClearStatus() { lastStatus_.clear(); }

  private:
    settings::Settings& settings_;
    const std::atomic<bool>& stop_;
    ProgressDisplay& progress_;
    std::string label_;
    std::string lastStatus_;
};

}  // namespace tabulex::cli
