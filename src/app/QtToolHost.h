#pragma once

// The document tools' front end in the window. The tools run on the window's thread (they are
// quick, and the heading walk services the window's events at its progress points); their
// confirmations are the window's OK/Cancel questions.

#include "tools/ToolHost.h"

namespace tabulex::app {

class MainWindow;

class QtToolHost : public tools::ToolHost {
  public:
    explicit QtToolHost(MainWindow& window) : window_(window) {}
    ~QtToolHost() override;

    void ShowStatus(std::string_view text) override;
    void SetCaption(std::string_view text) override;
    void SetApplicationTitle(std::string_view text) override;
    void SetBusy(bool busy) override;
    void ProcessEvents() override;
    // The window's commands are never interrupted from outside.
    bool StopRequested() override { return false; }
    bool Confirm(const tools::Confirmation& confirmation) override;
    bool AskRowReadAgain(std::string_view title, std::string_view text) override;
    void BringToFront() override;
    void CloseReportDocuments() override;
    settings::Settings& Settings() override;

  private:
    MainWindow& window_;
    bool busy_ = false;
};

}  // namespace tabulex::app
