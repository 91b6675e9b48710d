#include "app/QtCheckHost.h"

#include "app/AppTexts.h"
#include "app/DocumentSession.h"
#include "app/QtText.h"
#include "app/UserDialogs.h"
#include "report/ReportFolder.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"
#include "text/Utf8Paths.h"

#include <QThread>

namespace tabulex::app {

QtCheckHost::QtCheckHost(settings::Settings& settings, UserDialogs& dialogs, DocumentSession& documents,
                         QObject* parent)
    : QObject(parent), settings_(settings), dialogs_(dialogs), documents_(documents) {}

void QtCheckHost::OnWindowThread(const std::function<void()>& call) {
    if (QThread::currentThread() == thread())
        call();
    else
        QMetaObject::invokeMethod(this, call, Qt::BlockingQueuedConnection);
}

void QtCheckHost::ShowStatus(std::string_view text) {
    emit StatusShown(FromCp(text));
}

void QtCheckHost::SetCaption(std::string_view text) {
    std::lock_guard guard(captionMutex_);
    caption_ = FromCp(text);
    if (captionPending_) return;
    captionPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            QString latest;
            {
                std::lock_guard lock(captionMutex_);
                latest = caption_;
                captionPending_ = false;
            }
            emit CaptionSet(latest);
        },
        Qt::QueuedConnection);
}

void QtCheckHost::SetApplicationTitle(std::string_view text) {
    emit ApplicationTitleSet(FromCp(text));
}

bool QtCheckHost::AskOkCancel(check::Question question, std::string_view title, std::string_view text) {
    if (unattended_) return question == check::Question::Stop;
    bool answer = false;
    OnWindowThread([&] { answer = dialogs_.AskOkCancel(title, text); });
    return answer;
}

bool QtCheckHost::InputBox(std::string_view title, std::string_view prompt, std::string_view text) {
    if (unattended_) return true;  // go on to the next progress point, where the stop is taken
    bool answer = false;
    OnWindowThread([&] { answer = dialogs_.InputBox(title, prompt, text); });
    return answer;
}

void QtCheckHost::ShowMessageText(std::string_view text) {
    emit MessageShown(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

void QtCheckHost::CloseReportDocuments() {
    // The window's other commands are disabled while a check runs, so the documents are the
    // run's alone here.
    documents_.CloseReportDocuments(true);
}

std::string QtCheckHost::ReportUnavailableText(const std::filesystem::path& report, int errorCode) {
    const std::string folder = text::Utf8ToCp1251(text::Utf8OfPath(report.parent_path()));
    return text::FillIn(msg::kReportFolderNotWritable, {folder, report::ReasonText(errorCode)});
}

}  // namespace tabulex::app
