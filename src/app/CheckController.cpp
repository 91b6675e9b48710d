#include "app/CheckController.h"

#include "app/DocumentSession.h"
#include "app/QtCheckHost.h"
#include "check/CheckRun.h"

#include <QThread>

namespace tabulex::app {

CheckController::CheckController(QtCheckHost& host, DocumentSession& documents, QObject* parent)
    : QObject(parent), host_(host), documents_(documents) {}

CheckController::~CheckController() {
    StopAndWait();
}

void CheckController::Start(const check::CheckOptions& options) {
    if (worker_) return;
    host_.ClearStopRequest();
    outcome_.reset();
    reportDocument_.clear();
    reportDocumentError_.clear();
    worker_ = QThread::create([this, options] { Work(options); });
    connect(worker_, &QThread::finished, this, &CheckController::OnWorkerFinished);
    worker_->start();
}

// On the worker thread. The window touches neither the documents nor the outcome until Finished.
void CheckController::Work(check::CheckOptions options) {
    check::CheckRun run(host_, options);
    check::CheckOutcome outcome = run.Run(documents_.Application());
    if (outcome.End == check::CheckEnd::Completed) {
        try {
            reportDocument_ = check::OpenReportInWord(documents_.Application().Documents(), outcome, options);
        } catch (const word::Error& error) {
            reportDocumentError_ = error.Message();
        }
    }
    outcome_ = std::move(outcome);
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
