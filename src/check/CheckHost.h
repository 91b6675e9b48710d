#pragma once

// What the check run needs from its front end: status texts, the caption and the application
// title, event processing and the stop request at the progress points, the questions of the run
// and the settings it keeps. The GUI answers the questions with dialogs; the command line answers
// them without asking. Every text is Windows-1251; line breaks inside texts are single CRs.

#include "check/FrontEnd.h"
#include "check/Messages.h"

#include <filesystem>
#include <string>

#include <string_view>

namespace tabulex::check {

// Which question the run asks, so that a host without dialogs can answer each one by policy.
enum class Question {
    Resume,  // "Продолжить проверку?": OK resumes at the stored row, Cancel starts again
    Stop,  // "Прервать проверку?" after a stop request: OK stops and stores the resume point
    RowRead,  // a row could not be read: OK reads it again, Cancel ends the run
};

class CheckHost : public FrontEnd {
  public:
    // The run clears the Stop button's flag when it has taken the stop.
    virtual void ClearStopRequest() = 0;

    // An OK/Cancel question; true for OK.
    virtual bool AskOkCancel(Question question, std::string_view title, std::string_view text) = 0;
    // The input box of a failed data row, showing `text` for the user to copy; true for OK (go on).
    virtual bool InputBox(std::string_view title, std::string_view prompt, std::string_view text) = 0;
    // A longer message for the message window (and its log).
    virtual void ShowMessageText(std::string_view text) = 0;

    // What to tell the user when the report cannot be written at `report` (errorCode: errno). A
    // window advises closing the report or ticking the box that does; a terminal names the path
    // and the reason.
    virtual std::string ReportUnavailableText(const std::filesystem::path& /*report*/, int /*errorCode*/) {
        return std::string(msg::kReportLocked);
    }
};

}  // namespace tabulex::check
