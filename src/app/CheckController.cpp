#include "app/CheckController.h"

#include "app/DocumentSession.h"
#include "app/QtCheckHost.h"
#include "report/ReportFolder.h"

#include <algorithm>

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
    request_ = {};
    request_.Options = options;
    // The window runs one check at a time, beside a main thread that mostly waits.
    request_.Options.Threads = std::min(2, QThread::idealThreadCount());
    request_.AnnotatedCopy =
        annotatedCopy ? check::AnnotatedCopyPlace::BesideReport : check::AnnotatedCopyPlace::None;
    request_.FolderLock = std::move(folderLock);
    host_.ClearStopRequest();
    last_.reset();
    // The window touches neither the documents nor the result until Finished.
    worker_ = QThread::create(
        [this] { last_ = check::RunInventoryCheck(host_, documents_.Application(), std::move(request_)); });
    connect(worker_, &QThread::finished, this, &CheckController::OnWorkerFinished);
    worker_->start();
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
