#pragma once

// The main menu and the two button popups: every item as an action, named as the handlers that
// run it. The window connects them; this file only builds them.

#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace tabulex::app {

struct MainMenu {
    QMenu* mFile = nullptr;
    QMenu* mEdit = nullptr;
    QMenu* mDates = nullptr;
    QMenu* mTable = nullptr;
    QMenu* mHelp = nullptr;

    QAction* mmOpen = nullptr;
    QAction* mmOpenLast = nullptr;
    QAction* mmClose = nullptr;
    QAction* mmSave = nullptr;
    QAction* mmSaveAs = nullptr;
    QAction* mmStart = nullptr;
    QAction* mmExit = nullptr;

    QAction* mmDelGraph = nullptr;
    QAction* mmNum = nullptr;
    QAction* mmNubAuto = nullptr;
    QAction* mmListsToText = nullptr;
    QAction* N13 = nullptr;  // Автоформат

    QList<QAction*> DateCommands;  // every item of Даты

    QAction* mmDelEmpyStr = nullptr;
    QAction* mmDel12345Str = nullptr;
    QAction* N5 = nullptr;   // Запретить перенос строк
    QAction* N12 = nullptr;  // Оформить заголовки
    QAction* mmTablesToText = nullptr;
    QAction* mmJoinTables = nullptr;
    QList<QAction*> BorderCommands;  // Удалить границы, Серые границы, Черные границы

    QAction* mmTopic = nullptr;
    QAction* mmWhatsNew = nullptr;
    QAction* mmMail = nullptr;
    QAction* mmWeb = nullptr;
    QAction* mmAbout = nullptr;

    // Popup of "Обзор...".
    QMenu* pmOpisBrowse = nullptr;
    QAction* N1 = nullptr;  // Обзор...
    QAction* N7 = nullptr;  // Открыть последний файл
    QAction* N3 = nullptr;  // Открыть файл
    QAction* N2 = nullptr;  // Открыть папку
    QAction* N4 = nullptr;  // Закрыть отчёт

    // Popup of "Word".
    QMenu* popWord = nullptr;
    QAction* pmWord = nullptr;
    QAction* pmOpenRep = nullptr;
    QAction* pmCloseRep = nullptr;

    QList<QMenu*> TopMenus() const { return {mFile, mEdit, mDates, mTable, mHelp}; }
};

// Builds the menu bar of `window` and the popups (parented to `window`).
MainMenu BuildMainMenu(QMainWindow* window);

}  // namespace tabulex::app
