#pragma once

// The help window: the topics bundled with the program, shown as HTML.

#include <QWidget>

class QTextBrowser;

namespace tabulex::app {

enum class HelpTopic { Contents = 10, WhatsNew = 40 };

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    void ShowTopic(HelpTopic topic);

    QTextBrowser* Browser;
};

}  // namespace tabulex::app
