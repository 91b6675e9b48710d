#pragma once

// The Справка menu and the button "Справка", and the commands that are still placeholders.

#include "app/CommandServices.h"

#include <QObject>

#include <functional>

class QPushButton;

namespace tabulex::app {

class HelpWindow;
struct MainMenu;

class HelpCommands : public QObject {
    Q_OBJECT
  public:
    HelpCommands(const CommandServices& services, std::function<HelpWindow&()> help, QObject* parent);
    void Connect(const MainMenu& menu, QPushButton* helpButton);

    void Mail();
    void Web();
    void About();

  private:
    CommandServices services_;
    std::function<HelpWindow&()> help_;
};

// The About text (1251).
std::string AboutText(const std::string& programFolder, const std::string& dataFolder,
                      const std::string& fileVersion);

}  // namespace tabulex::app
