#pragma once

// What happens around the start: the command line, the first activation of the main window (the
// saved position, "/run", the release-age reminder) and the timer of the first-time tips and the
// desktop warning.

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace tabulex::app {

class MainWindow;

class StartUp : public QObject {
    Q_OBJECT
  public:
    explicit StartUp(MainWindow& window);

    // The first argument: an existing file goes into the file name, "/run" checks at activation.
    void ApplyCommandLine(const QStringList& arguments);
    // Every time the main window becomes active.
    void OnActivated();
    // Timer1: the first-time tips, then the desktop warning.
    void TipsTick();

  private:
    void RemindOfNewerVersion();

    MainWindow& window_;
    QTimer tipsTimer_;
    bool justCreated_ = true;
    bool runAtActivation_ = false;
    bool positioned_ = false;
};

}  // namespace tabulex::app
