#pragma once

// The message window: longer messages beside the main window, stacked when they come within six
// seconds, logged to "Messages.log", with a history to page through, closing itself a few seconds
// after the last message unless the user reads in it or switched "Автозакрытие" off.

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QPlainTextEdit;

namespace tabulex::app {

class MessageWindow : public QWidget {
    Q_OBJECT
  public:
    // `mainWindow`: the window this one sits beside; the log lives in `dataFolder`.
    MessageWindow(QWidget* mainWindow, std::filesystem::path dataFolder);

    // Shows, logs and remembers one message (1251, CR line breaks).
    void ShowMessageText(std::string_view text);

    QString MemoText() const;
    const std::vector<std::string>& History() const { return history_; }
    int HistoryCursor() const { return cursor_; }
    int Countdown() const { return countdown_; }
    // Places the window against the main window's right edge.
    void PlaceBesideMainWindow();

    QLabel* PreviousLabel;
    QLabel* NextLabel;
    QPlainTextEdit* MessageText;
    QAction* AutoCloseAction;

  public slots:
    void ShowPrevious();
    void ShowNext();
    // One tick of the closing countdown (every second).
    void CloseTick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ShowEntry(int index);
    void Shrink();
    static void SetLinkLook(QLabel* label, bool active);

    QWidget* mainWindow_;
    std::filesystem::path logFile_;
    std::vector<std::string> history_;
    int cursor_ = -1;
    QElapsedTimer lastMessage_;
    QTimer closeTimer_;
    QTimer shrinkTimer_;
    int countdown_ = 0;
    int heightBeforeShrink_ = 0;
};

}  // namespace tabulex::app
