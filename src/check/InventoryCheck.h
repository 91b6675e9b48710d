#pragma once

// A check of one inventory, as both front ends run it: the check run over the active document,
// then, when it completed, the annotated copy, the tables it left out, the advice on the date
// rules and the report document. The run itself keeps the resume point of a stopped check. What
// happened comes back as one result; what the front end prints or shows of it is its own affair.
//
//   check::InventoryCheckRequest request;
//   request.Options = options;                          // ReportFolder set
//   check::InventoryCheck done = check::RunInventoryCheck(host, application, std::move(request));
//   if (done.Verdict == check::CheckVerdict::NotChecked) ...

#include "check/CheckHost.h"
#include "check/CheckOptions.h"
#include "check/CheckOutcome.h"
#include "check/Clock.h"
#include "check/MainTable.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tabulex::report {
class ReportFolderLock;
}

namespace tabulex::word {
class Application;
}

namespace tabulex::check {

// Where a completed check writes the annotated copy of the inventory.
enum class AnnotatedCopyPlace {
    None,
    BesideReport,  // in the report folder, named after the inventory (AnnotatedCopyPath)
    At,            // at InventoryCheckRequest::AnnotatedCopyPath
};

struct InventoryCheckRequest {
    CheckOptions Options;  // ReportFolder names the report's folder; an empty DocumentIdentity is
                           // taken from the active document's file
    AnnotatedCopyPlace AnnotatedCopy = AnnotatedCopyPlace::None;
    std::filesystem::path AnnotatedCopyPath;  // AnnotatedCopyPlace::At
    bool ReportDocument = true;               // Tabulex_Report.docx beside the report
    // The report folder's lock, taken by the front end before it loaded the document so that no
    // other check starts there meanwhile; null (or not held): the run takes it itself.
    std::unique_ptr<report::ReportFolderLock> FolderLock;
};

// What the check means for its caller (the command line's exit status).
enum class CheckVerdict {
    Clean,        // checked, no errors
    ErrorsFound,  // checked, errors found
    NotChecked,   // stopped, failed, no table, or the annotated copy asked for could not be written
};

struct InventoryCheck {
    CheckOutcome Outcome;  // the run: counts, certification line, summary, report path, how it ended
    CheckVerdict Verdict = CheckVerdict::NotChecked;

    // Each of the following only after a completed run. Messages are 1251.
    std::filesystem::path AnnotatedCopy;  // empty: none asked for, or not written
    std::string AnnotatedCopyError;
    std::vector<LeftOutTable> LeftOutTables;  // tables that look like parts of the inventory
    std::string DateAdvice;                   // empty: no advice to give
    std::filesystem::path ReportDocument;     // empty: none asked for, or not written
    std::string ReportDocumentError;

    bool Completed() const { return Outcome.End == CheckEnd::Completed; }
    bool Stopped() const { return Outcome.End == CheckEnd::Stopped; }
};

// Checks the application's active document. Failures of the document host end up in the result,
// never as exceptions (but for those of the front end's own host).
InventoryCheck RunInventoryCheck(CheckHost& host, word::Application& application,
                                 InventoryCheckRequest request, Clock& clock = SystemClock());

// The warning about a left-out table (1251): the report stays as the check wrote it, only the front
// end tells what it did not read.
std::string LeftOutTableWarning(const LeftOutTable& table, int checkedTable);

}  // namespace tabulex::check
