#pragma once

// The help window: the topics bundled with the program, shown as HTML, with Назад, Вперёд and
// Содержание (the first topic) above them; Esc closes it.

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace tabulex::app {

enum class HelpTopic { Contents = 10, WhatsNew = 40 };

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows `topic`; the first time the window opens centred on `over`, inside its screen.
    void ShowTopic(HelpTopic topic, const QWidget* over = nullptr);

    QTextBrowser* Browser;
    QToolButton* BackButton;
    QToolButton* ForwardButton;
    QToolButton* ContentsButton;
};

}  // namespace tabulex::app
