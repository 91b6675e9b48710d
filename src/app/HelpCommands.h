#pragma once

// The Справка menu and the button "Справка", and the commands that are still placeholders.

#include <QObject>

namespace tabulex::app {

class MainWindow;

class HelpCommands : public QObject {
    Q_OBJECT
  public:
    explicit HelpCommands(MainWindow& window);

    void Mail();   // MailAction
    void Web();    // WebSiteAction
    void About();  // AboutAction

  private:
    MainWindow& window_;
};

// The About text (1251).
std::string AboutText(const std::string& programFolder, const std::string& dataFolder,
                      const std::string& fileVersion);

}  // namespace tabulex::app
