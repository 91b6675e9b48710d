#pragma once

// The document tools of the Правка and Таблица menus: each item chooses the document, then runs
// its tool with the window as the tool's front end (confirmation unless Shift is held). The tools
// change the document only; Файл | Сохранить writes it.

#include "tools/ToolHost.h"

#include <QObject>

namespace tabulex::app {

class MainWindow;

class ToolCommands : public QObject {
    Q_OBJECT
  public:
    explicit ToolCommands(MainWindow& window);
    void Run(tools::Tool tool);

  private:
    MainWindow& window_;
};

}  // namespace tabulex::app
