#pragma once

// The document tools of the Правка and Таблица menus: each item chooses the document, then runs
// its tool with the window as the tool's front end (confirmation unless Shift is held). The tools
// change the document only; Файл | Сохранить writes it.

#include "app/CommandServices.h"
#include "tools/ToolHost.h"

#include <QObject>

#include <functional>

class QWidget;

namespace tabulex::app {

class DocumentChooser;
class MainPage;
struct MainMenu;

class ToolCommands : public QObject {
    Q_OBJECT
  public:
    // `window` is brought to the front by tools that ask for it; `shiftHeld` tells whether Shift is
    // down now.
    ToolCommands(const CommandServices& services, DocumentChooser& chooser, MainPage& fileChoice,
                 QWidget& window, std::function<bool()> shiftHeld, QObject* parent);
    void Connect(const MainMenu& menu);
    void Run(tools::Tool tool);

  private:
    CommandServices services_;
    DocumentChooser& chooser_;
    MainPage& fileChoice_;
    QWidget& window_;
    std::function<bool()> shiftHeld_;
};

}  // namespace tabulex::app
