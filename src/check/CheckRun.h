#pragma once

// The check run: walks the main table of an open document row by row, applies the row rules,
// writes the report file and returns the outcome. It knows nothing of widgets; everything it
// shows or asks goes through CheckHost. Front ends call RunInventoryCheck (InventoryCheck.h),
// which runs it and does what follows a completed run.
//
//   MyHost host;                         // implements check::CheckHost
//   check::CheckRun run(host, options);
//   check::CheckOutcome outcome = run.Run(application);   // the active document
//   if (outcome.End == check::CheckEnd::Completed) check::OpenReportInWord(documents, outcome, options);

#include "check/CheckHost.h"
#include "check/CheckOptions.h"
#include "check/CheckOutcome.h"
#include "check/Clock.h"

#include "report/ReportFolder.h"

#include <filesystem>
#include <memory>
#include <string>

namespace tabulex::word {
class Application;
class Document;
class Documents;
class Options;
}  // namespace tabulex::word

namespace tabulex::check {

class CheckRun {
  public:
    CheckRun(CheckHost& host, const CheckOptions& options, Clock& clock = SystemClock());

    // Checks the application's active document; the Word settings advice reads its Options.
    CheckOutcome Run(word::Application& application);
    // Checks a document; `wordOptions` may be null (no advice lines).
    CheckOutcome Run(word::Document& document, const word::Options* wordOptions);

    // The report folder's lock, taken by the front end before it loaded the document, so that no
    // other check starts in the folder meanwhile; the run keeps it to its end. Without one (or
    // one not held) the run takes the lock itself.
    void HoldFolderLock(std::unique_ptr<report::ReportFolderLock> lock) { heldLock_ = std::move(lock); }

  private:
    CheckHost& host_;
    CheckOptions options_;
    Clock& clock_;
    std::unique_ptr<report::ReportFolderLock> heldLock_;
};

// The report document of a completed run (Tabulex_Report.docx beside the report file), made under
// the report folder's lock; returns its path. Throws text::Error when the host fails or another
// check holds the folder.
std::filesystem::path OpenReportInWord(word::Documents& documents, const CheckOutcome& outcome,
                                       const CheckOptions& options);

// "1:02:03", "01:15", or "..." for a negative time.
std::string RemainingTimeText(double milliseconds);

}  // namespace tabulex::check
