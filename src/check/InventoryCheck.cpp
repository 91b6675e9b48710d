#include "check/InventoryCheck.h"

#include "check/Annotations.h"
#include "check/CheckRun.h"
#include "check/DateRulesAdvice.h"
#include "check/DocumentIdentity.h"
#include "check/Messages.h"
#include "report/ReportFolder.h"
#include "text/Cp1251.h"
#include "text/Error.h"
#include "text/TextHelpers.h"
#include "text/Utf8Paths.h"
#include "word/WordModel.h"

#include <ctime>
#include <new>

namespace tabulex::check {
namespace {

// Runs one step after the check; returns why it failed (1251), empty when it did not. A step that
// fails leaves the report and the other steps as they are.
template <typename Step>
std::string FailureOf(Step step) {
    try {
        step();
    } catch (const text::Error& error) {
        return error.Message();
    } catch (const std::bad_alloc&) {
        return std::string(msg::kOutOfMemory);
    } catch (const std::exception& error) {
        return std::string(msg::kInternalError) + text::Utf8ToCp1251(error.what());
    }
    return {};
}

// The file of the active document; a stopped check is resumed only on the same version of it.
std::string ActiveDocumentIdentity(word::Application& application) {
    try {
        return DocumentIdentity(text::PathFromUtf8(application.ActiveDocument().FullName()));
    } catch (const text::Error&) {
        return {};  // no document: the run says so
    }
}

CheckVerdict VerdictOf(const CheckOutcome& outcome) {
    if (outcome.End != CheckEnd::Completed) return CheckVerdict::NotChecked;
    return outcome.Counts.ErrorCount > 0 ? CheckVerdict::ErrorsFound : CheckVerdict::Clean;
}

std::filesystem::path AnnotatedCopyTarget(const InventoryCheckRequest& request, const CheckOutcome& outcome) {
    if (request.AnnotatedCopy == AnnotatedCopyPlace::At) return request.AnnotatedCopyPath;
    return AnnotatedCopyPath(request.Options.ReportFolder, outcome.DocumentName);
}

void WriteAnnotatedCopy(word::Application& application, const InventoryCheckRequest& request,
                        std::time_t checkedAt, InventoryCheck& done) {
    const std::filesystem::path path = AnnotatedCopyTarget(request, done.Outcome);
    done.AnnotatedCopyError = FailureOf([&] {
        application.ActiveDocument().SaveCopyWithComments(
            text::Utf8OfPath(path),
            AnnotationComments(done.Outcome, request.Options.TwoDateColumns, CommentDateTime(checkedAt)));
    });
    if (done.AnnotatedCopyError.empty())
        done.AnnotatedCopy = path;
    else
        done.Verdict = CheckVerdict::NotChecked;  // the copy asked for is missing
}

// A completed run's steps after the report file, in the order their messages are told.
void AfterTheRun(word::Application& application, const InventoryCheckRequest& request, std::time_t checkedAt,
                 InventoryCheck& done) {
    if (request.AnnotatedCopy != AnnotatedCopyPlace::None)
        WriteAnnotatedCopy(application, request, checkedAt, done);
    // Only a warning: a table that cannot be read now leaves the check as it was.
    FailureOf([&] {
        done.LeftOutTables =
            FindLeftOutTables(*application.ActiveDocument().Tables(), done.Outcome.CheckedTable);
    });
    done.DateAdvice = DateRulesAdvice(done.Outcome.DateAlternatives);
    if (request.ReportDocument)
        done.ReportDocumentError = FailureOf([&] {
            done.ReportDocument = OpenReportInWord(application.Documents(), done.Outcome, request.Options);
        });
}

}  // namespace

InventoryCheck RunInventoryCheck(CheckHost& host, word::Application& application,
                                 InventoryCheckRequest request, Clock& clock) {
    if (request.Options.DocumentIdentity.empty())
        request.Options.DocumentIdentity = ActiveDocumentIdentity(application);
    const std::time_t checkedAt = std::time(nullptr);
    CheckRun run(host, request.Options, clock);
    if (request.FolderLock && request.FolderLock->Status() == report::ReportFolderLock::State::Held)
        run.HoldFolderLock(std::move(request.FolderLock));
    request.FolderLock.reset();

    InventoryCheck done;
    done.Outcome = run.Run(application);
    done.Verdict = VerdictOf(done.Outcome);
    if (done.Completed()) AfterTheRun(application, request, checkedAt, done);
    return done;
}

std::string LeftOutTableWarning(const LeftOutTable& table, int checkedTable) {
    return text::FillIn(msg::kLeftOutTable, {std::to_string(table.Table), std::to_string(table.CaseRows),
                                             std::to_string(checkedTable)});
}

}  // namespace tabulex::check
