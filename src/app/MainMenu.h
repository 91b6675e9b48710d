#pragma once

// The main menu and the two button popups: every item as an action named by what it does; its
// object name is the item's historical name, which tests look it up by. The command classes
// connect them; this file only builds them.

#include "tools/ToolHost.h"

#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace tabulex::app {

struct MainMenu {
    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* DatesMenu = nullptr;
    QMenu* TableMenu = nullptr;
    QMenu* HelpMenu = nullptr;

    QAction* OpenAction = nullptr;
    QAction* OpenLastAction = nullptr;
    QAction* CloseAction = nullptr;
    QAction* SaveAction = nullptr;
    QAction* SaveAsAction = nullptr;
    QAction* OpenReportAction = nullptr;
    // The open documents are listed after this separator, the active one checked.
    QAction* DocumentListSeparator = nullptr;
    QAction* StartCheckAction = nullptr;
    QAction* ExitAction = nullptr;

    // The repairs of Правка, Даты and Таблица, one item per row of the tool catalog.
    struct ToolAction {
        QAction* Action = nullptr;
        tools::Tool Tool = tools::Tool::DeleteEmptyRows;
    };
    QList<ToolAction> ToolActions;

    QAction* AutoFormatAction = nullptr;
    QList<QAction*> BorderActions;  // Удалить границы, Серые границы, Черные границы

    QAction* HelpTopicAction = nullptr;
    QAction* WhatsNewAction = nullptr;
    QAction* MailAction = nullptr;
    QAction* WebSiteAction = nullptr;
    QAction* AboutAction = nullptr;

    // Popup of "Обзор...".
    QMenu* BrowseMenu = nullptr;
    QAction* BrowseAction = nullptr;             // Обзор...
    QAction* BrowseOpenLastAction = nullptr;     // Открыть последний файл
    QAction* OpenNamedAction = nullptr;          // Открыть файл
    QAction* OpenFolderAction = nullptr;         // Открыть папку
    QAction* BrowseCloseReportAction = nullptr;  // Закрыть отчёт

    // Popup of "Word".
    QMenu* EditorMenu = nullptr;
    QAction* OpenInEditorAction = nullptr;
    QAction* ViewReportAction = nullptr;
    QAction* CloseReportAction = nullptr;

    QList<QMenu*> TopMenus() const { return {FileMenu, EditMenu, DatesMenu, TableMenu, HelpMenu}; }
};

// Builds the menu bar of `window` and the popups (parented to `window`).
MainMenu BuildMainMenu(QMainWindow* window);

}  // namespace tabulex::app
