#pragma once

// Runs one check of the active document on a worker thread (the check, the annotated copy, the
// report document: check::RunInventoryCheck). The window starts it, presses Прервать through
// RequestStop and learns the end from Finished.

#include "check/CheckOptions.h"
#include "check/InventoryCheck.h"

#include <QObject>

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

    // What the last check did; none before the first has ended.
    const std::optional<check::InventoryCheck>& LastCheck() const { return last_; }

  signals:
    void Finished();

  private:
    void OnWorkerFinished();

    QtCheckHost& host_;
    DocumentSession& documents_;
    QThread* worker_ = nullptr;
    check::InventoryCheckRequest request_;  // handed to the worker, with the folder's lock
    std::optional<check::InventoryCheck> last_;
};

}  // namespace tabulex::app
