#pragma once

// Runs one check of the active document on a worker thread: the check run, then the report
// document. The window starts it, presses Прервать through RequestStop and learns the end from
// Finished.

#include "check/CheckOptions.h"
#include "check/CheckOutcome.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <optional>

class QThread;

namespace tabulex::app {

class DocumentSession;
class QtCheckHost;

class CheckController : public QObject {
    Q_OBJECT
  public:
    CheckController(QtCheckHost& host, DocumentSession& documents, QObject* parent);
    ~CheckController() override;

    bool Running() const { return worker_ != nullptr; }
    // Starts checking the active document.
    void Start(const check::CheckOptions& options);
    void RequestStop();
    // Stops a running check without asking and waits for it (the window is closing).
    void StopAndWait();

    const std::optional<check::CheckOutcome>& LastOutcome() const { return outcome_; }
    // The report document of the last completed check; empty when none was written.
    const std::filesystem::path& ReportDocument() const { return reportDocument_; }
    // Why the report document could not be written (1251); empty when it was.
    const std::string& ReportDocumentError() const { return reportDocumentError_; }

  signals:
    void Finished();

  private:
    void Work(check::CheckOptions options);
    void OnWorkerFinished();

    QtCheckHost& host_;
    DocumentSession& documents_;
    QThread* worker_ = nullptr;
    std::optional<check::CheckOutcome> outcome_;
    std::filesystem::path reportDocument_;
    std::string reportDocumentError_;
};

}  // namespace tabulex::app
