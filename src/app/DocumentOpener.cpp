#include "app/DocumentOpener.h"

#include "app/AppTexts.h"
#include "app/CommandServices.h"
#include "app/DocumentSession.h"
#include "app/QtText.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QThread>

#include <optional>

namespace tabulex::app {

QString OpeningStatus(const QString& path) {
    const bool native = QFileInfo(path).suffix().compare(QStringLiteral("docx"), Qt::CaseInsensitive) == 0;
    return FromCp(native ? msg::kOpeningDocument : msg::kConvertingDocument);
}

DocumentOpener::DocumentOpener(DocumentSession& documents, StatusSink& status,
                               std::function<void(bool)> setRunning)
    : documents_(documents), status_(status), setRunning_(std::move(setRunning)) {}

bool DocumentOpener::Open(const QString& path) {
    if (opening_) return false;
    opening_ = true;
    stop_ = false;
    status_.SetCaption(OpeningStatus(path));
    setRunning_(false);
    std::optional<text::Error> failure;
    QEventLoop loop;
    QThread* worker = QThread::create([this, &path, &failure] {
        try {
            documents_.Open(path, &stop_);
        } catch (const text::Error& error) {
            failure = error;
        } catch (const std::exception& error) {
            // Nothing may escape a thread; the user learns what failed as with any other opening.
            failure = text::Error(std::string(msg::kOpenFailed) + ToCp(QString::fromUtf8(error.what())));
        }
    });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    setRunning_(true);
    opening_ = false;
    status_.ShowIdleCaption();
    if (!failure) return true;
    // A stop the user asked for needs no message: the caption says it.
    if (stop_)
        status_.ShowStatus(msg::kOpeningStopped);
    else
        status_.ShowMessageText(failure->Message());
    return false;
}

}  // namespace tabulex::app
