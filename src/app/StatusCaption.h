#pragma once

// ShowStatus: a short status text in the main window's caption that gives way to the program's
// name about seven seconds after the last call. The "application title" is the text the task bar
// shows for the program (the window's icon text).

#include <QObject>
#include <QTimer>

#include <string_view>

class QWidget;

namespace tabulex::app {

class StatusCaption : public QObject {
    Q_OBJECT
  public:
    explicit StatusCaption(QWidget* window);

    void ShowStatus(const QString& text);
    void ShowStatus(std::string_view text1251);
    // The caption set directly, without the countdown (the progress caption).
    void SetCaption(const QString& text);
    void SetApplicationTitle(const QString& text);
    QString ApplicationTitle() const;

    // The active document's name, shown after the program's name when the caption is idle.
    void SetDocumentName(const QString& name);
    // What the caption returns to: "Табулекс 2.32", and the active document's name.
    QString IdleCaption() const;

    // "Табулекс 2.32"
    static QString ShortTitle();
    // "Табулекс 2.32 [05.03.2008]"
    static QString FullTitle();

    // One tick of the caption timer (every second).
    void Tick();

  private:
    QWidget* window_;
    QTimer timer_;
    int countdown_ = 0;
    QString documentName_;
};

}  // namespace tabulex::app
