#pragma once

// The document tools' front end in the window. The tools run on the window's thread (they are
// quick, and the heading walk services the window's events at its progress points); their
// confirmations are the window's OK/Cancel questions.

#include "app/CommandServices.h"
#include "tools/ToolHost.h"

class QWidget;

namespace tabulex::app {

class QtToolHost : public tools::ToolHost {
  public:
    // `window` is what BringToFront raises.
    QtToolHost(const CommandServices& services, QWidget& window) : services_(services), window_(window) {}
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
    CommandServices services_;
    QWidget& window_;
    bool busy_ = false;
};

}  // namespace tabulex::app
