#include "app/CheckController.h"

#include "app/DocumentSession.h"
#include "app/QtCheckHost.h"
#include "check/Annotations.h"
#include "check/CheckRun.h"
#include "report/ReportFolder.h"

#include <QThread>

namespace tabulex::app {

CheckController::CheckController(QtCheckHost& host, DocumentSession& documents, QObject* parent)
    : QObject(parent), host_(host), documents_(documents) {}

CheckController::~CheckController() {
    StopAndWait();
}

void CheckController::Start(const check::CheckOptions& options, bool annotatedCopy,
                            std::unique_ptr<report::ReportFolderLock> folderLock) {
    if (worker_) return;
    folderLock_ = std::move(folderLock);
    host_.ClearStopRequest();
    outcome_.reset();
    reportDocument_.clear();
    reportDocumentError_.clear();
    annotatedCopy_.clear();
    annotatedCopyError_.clear();
    worker_ = QThread::create([this, options, annotatedCopy] { Work(options, annotatedCopy); });
    connect(worker_, &QThread::finished, this, &CheckController::OnWorkerFinished);
    worker_->start();
}

// On the worker thread. The window touches neither the documents nor the outcome until Finished.
void CheckController::Work(check::CheckOptions options, bool annotatedCopy) {
    const std::time_t checkedAt = std::time(nullptr);
    check::CheckRun run(host_, options);
    if (folderLock_ && folderLock_->Status() == report::ReportFolderLock::State::Held)
        run.HoldFolderLock(std::move(folderLock_));
    folderLock_.reset();
    check::CheckOutcome outcome = run.Run(documents_.Application());
    if (outcome.End == check::CheckEnd::Completed && annotatedCopy)
        WriteAnnotatedCopy(outcome, options, checkedAt);
    if (outcome.End == check::CheckEnd::Completed) {
        try {
            reportDocument_ = check::OpenReportInWord(documents_.Application().Documents(), outcome, options);
        } catch (const text::Error& error) {
            reportDocumentError_ = error.Message();
        }
    }
    outcome_ = std::move(outcome);
}

void CheckController::WriteAnnotatedCopy(const check::CheckOutcome& outcome,
                                         const check::CheckOptions& options, std::time_t checkedAt) {
    const std::filesystem::path path = check::AnnotatedCopyPath(options.ReportFolder, outcome.DocumentName);
    try {
        check::SaveAnnotatedCopy(documents_.Application().ActiveDocument(), outcome, options.TwoDateColumns,
                                 checkedAt, path);
        annotatedCopy_ = path;
    } catch (const text::Error& error) {
        annotatedCopyError_ = error.Message();
    }
}

void CheckController::OnWorkerFinished() {
    worker_->wait();
    worker_->deleteLater();
    worker_ = nullptr;
    emit Finished();
}

void CheckController::RequestStop() {
    host_.RequestStop();
}

void CheckController::StopAndWait() {
    if (!worker_) return;
    host_.AnswerWithoutAsking();
    host_.RequestStop();
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
}

}  // namespace tabulex::app
