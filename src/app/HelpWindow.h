#pragma once

// The help window: the topics bundled with the program, shown as HTML, with Назад, Вперёд and
// Содержание (the first topic) above them; Esc closes it.

#include "app/HelpTopics.h"

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace tabulex::app {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows `topic`; the first time the window opens centred on `over`, inside its screen.
    void ShowTopic(HelpTopic topic, const QWidget* over = nullptr);
    // Shows the place of a topic, scrolled to its anchor.
    void ShowPlace(const HelpPlace& place, const QWidget* over = nullptr);
    // Shows the place beside `window` rather than over it, so that a question the window asks
    // stays in sight while its help is read.
    void ShowPlaceBeside(const HelpPlace& place, const QWidget& window);

    QTextBrowser* Browser;
    QToolButton* BackButton;
    QToolButton* ForwardButton;
    QToolButton* ContentsButton;
};

}  // namespace tabulex::app
