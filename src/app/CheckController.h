#pragma once

// Runs one check of the active document on a worker thread: the check run, then the report
// document. The window starts it, presses Прервать through RequestStop and learns the end from
// Finished.

#include "check/CheckOptions.h"
#include "check/CheckOutcome.h"

#include <QObject>
#include <QString>

#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>

class QThread;

namespace tabulex::report {
class ReportFolderLock;
}

namespace tabulex::app {

class DocumentSession;
class QtCheckHost;

class CheckController : public QObject {
    Q_OBJECT
  public:
    CheckController(QtCheckHost& host, DocumentSession& documents, QObject* parent);
    ~CheckController() override;

    bool Running() const { return worker_ != nullptr; }
    // Starts checking the active document; with `annotatedCopy`, a completed check also writes the
    // annotated copy of the inventory beside the report. `folderLock`, taken on the report folder
    // before the document was chosen, is held by the run to its end.
    void Start(const check::CheckOptions& options, bool annotatedCopy = false,
               std::unique_ptr<report::ReportFolderLock> folderLock = nullptr);
    void RequestStop();
    // Stops a running check without asking and waits for it (the window is closing).
    void StopAndWait();

    const std::optional<check::CheckOutcome>& LastOutcome() const { return outcome_; }
    // The report document of the last completed check; empty when none was written.
    const std::filesystem::path& ReportDocument() const { return reportDocument_; }
    // Why the report document could not be written (1251); empty when it was.
    const std::string& ReportDocumentError() const { return reportDocumentError_; }
    // The annotated copy of the last completed check; empty when none was asked for or written.
    const std::filesystem::path& AnnotatedCopy() const { return annotatedCopy_; }
    // Why the annotated copy could not be written (1251); empty when it was.
    const std::string& AnnotatedCopyError() const { return annotatedCopyError_; }

  signals:
    void Finished();

  private:
    void Work(check::CheckOptions options, bool annotatedCopy);
    void WriteAnnotatedCopy(const check::CheckOutcome& outcome, const check::CheckOptions& options,
                            std::time_t checkedAt);
    void OnWorkerFinished();

    QtCheckHost& host_;
    DocumentSession& documents_;
    QThread* worker_ = nullptr;
    std::unique_ptr<report::ReportFolderLock> folderLock_;  // handed to the run on the worker
    std::optional<check::CheckOutcome> outcome_;
    std::filesystem::path reportDocument_;
    std::string reportDocumentError_;
    std::filesystem::path annotatedCopy_;
    std::string annotatedCopyError_;
};

}  // namespace tabulex::app
