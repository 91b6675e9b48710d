#pragma once

// What happens around the start: the command line, the first activation of the main window (the
// saved position, "/run", the release-age reminder) and the timer of the first-time tips and the
// desktop warning.

#include "app/CommandServices.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace tabulex::app {

class MainPage;

class StartUp : public QObject {
    Q_OBJECT
  public:
    // `window` is moved to the saved position; `startCheck` presses Начать; `now` is the clock.
    StartUp(const CommandServices& services, MainPage& fileChoice, QWidget& window,
            std::function<void()> startCheck, std::function<QDateTime()> now);

    // The first argument: an existing file goes into the file name, "/run" checks at activation.
    void ApplyCommandLine(const QStringList& arguments);
    // Every time the main window becomes active.
    void OnActivated();
    // Timer1: the first-time tips, then the desktop warning.
    void TipsTick();

  private:
    void RemindOfNewerVersion();

    CommandServices services_;
    MainPage& fileChoice_;
    QWidget& window_;
    std::function<void()> startCheck_;
    std::function<QDateTime()> now_;
    QTimer tipsTimer_;
    bool justCreated_ = true;
    bool runAtActivation_ = false;
    bool positioned_ = false;
};

}  // namespace tabulex::app
