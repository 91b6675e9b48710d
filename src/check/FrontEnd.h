#pragma once

// What every long command (the check and the repairs) needs from the front end that runs it: the
// status text and the caption, the application title, event processing and the stop request at its
// progress points, letting go of old report documents, and the settings. The window answers with
// its widgets, the command line with the terminal. Every text is Windows-1251.

#include "settings/Settings.h"

#include <string_view>

namespace tabulex::check {

class FrontEnd {
  public:
    virtual ~FrontEnd() = default;

    // The short status text of the main window's caption (with its timer).
    virtual void ShowStatus(std::string_view text) = 0;
    // The main window's caption, set directly (per-table and progress captions).
    virtual void SetCaption(std::string_view text) = 0;
    virtual void SetApplicationTitle(std::string_view text) = 0;
    // Lets the front end service its events; called at the progress points only.
    virtual void ProcessEvents() = 0;
    // An interruption (the Stop button, Ctrl+C), read at the progress points.
    virtual bool StopRequested() = 0;
    // Asks the word processor to let go of an old report (when the options ask for it).
    virtual void CloseReportDocuments() = 0;

    virtual settings::Settings& Settings() = 0;
};

}  // namespace tabulex::check
