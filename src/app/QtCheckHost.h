#pragma once

// The check run's front end in the window. The run works on a worker thread so that the window
// stays responsive; this host carries what the run shows to the window's thread (captions are
// coalesced: only the latest one is delivered) and asks its questions there, waiting for the
// answer. The stop request is an atomic flag set by the Прервать button.

#include "check/CheckHost.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>

namespace tabulex::app {

class DocumentSession;
class UserDialogs;

class QtCheckHost : public QObject, public check::CheckHost {
    Q_OBJECT
  public:
    QtCheckHost(settings::Settings& settings, UserDialogs& dialogs, DocumentSession& documents,
                QObject* parent);

    void ShowStatus(std::string_view text) override;
    void SetCaption(std::string_view text) override;
    void SetApplicationTitle(std::string_view text) override;
    // The window's thread services its own events.
    void ProcessEvents() override {}
    bool StopRequested() override { return stop_.load(); }
    void ClearStopRequest() override { stop_ = false; }
    bool AskOkCancel(check::Question question, std::string_view title, std::string_view text) override;
    bool InputBox(std::string_view title, std::string_view prompt, std::string_view text) override;
    void ShowMessageText(std::string_view text) override;
    void CloseReportDocuments() override;
    settings::Settings& Settings() override { return settings_; }
    // The folder and why it cannot be written: on this system no other program keeps a report
    // from being replaced, so closing it would not help.
    std::string ReportUnavailableText(const std::filesystem::path& report, int errorCode) override;

    void RequestStop() { stop_ = true; }
    // While the window closes: stop questions are answered OK without asking.
    void AnswerWithoutAsking() { unattended_ = true; }

  signals:
    void StatusShown(const QString& text);
    void CaptionSet(const QString& text);
    void ApplicationTitleSet(const QString& text);
    void MessageShown(const QByteArray& text1251);

  private:
    // Runs `call` on the window's thread and waits for it.
    void OnWindowThread(const std::function<void()>& call);

    settings::Settings& settings_;
    UserDialogs& dialogs_;
    DocumentSession& documents_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> unattended_{false};
    std::mutex captionMutex_;
    QString caption_;
    bool captionPending_ = false;
};

}  // namespace tabulex::app
