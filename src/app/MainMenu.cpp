#include "app/MainMenu.h"

#include "app/AppTexts.h"
#include "app/QtText.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace tabulex::app {
namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

QMenu* Menu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

}  // namespace

MainMenu BuildMainMenu(QMainWindow* window) {
    MainMenu m;
    QMenuBar* bar = window->menuBar();

    m.mFile = Menu(bar, "mFile", QStringLiteral("&Файл"));
    m.mmOpen = Item(m.mFile, "mmOpen", QStringLiteral("&Открыть..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    m.mmOpenLast = Item(m.mFile, "mmOpenLast", QStringLiteral("Открыть последний"));
    m.mmClose = Item(m.mFile, "mmClose", QStringLiteral("&Закрыть"), QKeySequence(Qt::CTRL | Qt::Key_W));
    m.mmSave = Item(m.mFile, "mmSave", QStringLiteral("&Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m.mmSaveAs = Item(m.mFile, "mmSaveAs", QStringLiteral("Сохранить &как..."));
    m.mFile->addSeparator();
    m.mmStart = Item(m.mFile, "mmStart", QStringLiteral("&Начать проверку"), QKeySequence(Qt::Key_F9));
    m.mFile->addSeparator();
    m.mmExit = Item(m.mFile, "mmExit", QStringLiteral("В&ыход"), QKeySequence(Qt::Key_Escape));

    m.mEdit = Menu(bar, "mEdit", QStringLiteral("&Правка"));
    m.mmDelGraph = Item(m.mEdit, "mmDelGraph", QStringLiteral("У&далить графику"));
    m.mmNum = Item(m.mEdit, "mmNum", QStringLiteral("Ну&мерация дел"));
    m.mmNubAuto = Item(m.mEdit, "mmNubAuto", QStringLiteral("А&втонумерация дел"));
    m.mmListsToText = Item(m.mEdit, "mmListsToText", QStringLiteral("&Списки в текст"));
    m.mEdit->addSeparator();
    m.N13 = Item(m.mEdit, "N13", QStringLiteral("&Автоформат"));

    m.mDates = Menu(bar, "mDates", QStringLiteral("&Даты"));
    m.DateCommands << Item(m.mDates, "mmDates78To1978", QStringLiteral("10.11.78 >> 10.11.1978"))
                   << Item(m.mDates, "mmDates11ToNov", QStringLiteral("10.11.1978 >> 10 ноября 1978"))
                   << Item(m.mDates, "mmDatesNovTo11", QStringLiteral("10 ноября 1978 >> 10.11.1978"));
    m.mDates->addSeparator();
    m.DateCommands << Item(m.mDates, "mmDatesDelZero", QStringLiteral("Удалить ведущий 0"))
                   << Item(m.mDates, "mmDatesSetZero", QStringLiteral("Установить ведущий 0"));
    m.mDates->addSeparator();
    m.DateCommands << Item(m.mDates, "mmDatesDelG", QStringLiteral("Удалить \"г.\" после года"))
                   << Item(m.mDates, "mmDatesSetG", QStringLiteral("Установить \"г.\" после года"));
    m.mDates->addSeparator();
    m.DateCommands << Item(m.mDates, "mmDatesJoinRanges", QStringLiteral("Диапазоны дат без пробелов"));

    m.mTable = Menu(bar, "mTable", QStringLiteral("&Таблица"));
    m.mmDelEmpyStr = Item(m.mTable, "mmDelEmpyStr", QStringLiteral("&Удалить пустые строки"));
    m.mmDel12345Str = Item(m.mTable, "mmDel12345Str", QStringLiteral("У&далить строки \"1|2|3|4|5\""));
    m.N5 = Item(m.mTable, "N5", QStringLiteral("&Запретить перенос строк"));
    m.N12 = Item(m.mTable, "N12", QStringLiteral("О&формить заголовки"));
    m.mmTablesToText = Item(m.mTable, "mmTablesToText", QStringLiteral("&Преобразовать все таблицы в текст"));
    m.mTable->addSeparator();
    m.BorderCommands << Item(m.mTable, "N8", QStringLiteral("У&далить границы"))
                     << Item(m.mTable, "N9", QStringLiteral("&Серые границы"))
                     << Item(m.mTable, "N15", QStringLiteral("&Черные границы"));

    m.mHelp = Menu(bar, "mHelp", QStringLiteral("&Справка"));
    m.mmTopic = Item(m.mHelp, "mmTopic", QStringLiteral("Вызов &справки"), QKeySequence(Qt::Key_F1));
    m.mmWhatsNew = Item(m.mHelp, "mmWhatsNew", QStringLiteral("Что нового?"));
    m.mHelp->addSeparator();
    m.mmMail = Item(m.mHelp, "mmMail", QStringLiteral("Письмо &автору ") + FromCp(msg::kSupportAddress));
    m.mmWeb = Item(m.mHelp, "mmWeb", QStringLiteral("Са&йт программы ") + FromCp(msg::kWebHost));
    m.mHelp->addSeparator();
    m.mmAbout = Item(m.mHelp, "mmAbout", QStringLiteral("О &программе"));

    m.pmOpisBrowse = new QMenu(window);
    m.pmOpisBrowse->setObjectName(QStringLiteral("pmOpisBrowse"));
    m.N1 = Item(m.pmOpisBrowse, "N1", QStringLiteral("Обзор..."));
    m.pmOpisBrowse->setDefaultAction(m.N1);
    m.N7 = Item(m.pmOpisBrowse, "N7", QStringLiteral("Открыть последний файл"));
    m.N3 = Item(m.pmOpisBrowse, "N3", QStringLiteral("Открыть файл"));
    m.N2 = Item(m.pmOpisBrowse, "N2", QStringLiteral("Открыть папку"));
    m.N4 = Item(m.pmOpisBrowse, "N4", QStringLiteral("Закрыть отчёт"));

    m.popWord = new QMenu(window);
    m.popWord->setObjectName(QStringLiteral("popWord"));
    m.pmWord = Item(m.popWord, "pmWord", QStringLiteral("Открыть Word"));
    m.popWord->setDefaultAction(m.pmWord);
    m.pmOpenRep = Item(m.popWord, "pmOpenRep", QStringLiteral("Открыть отчёт"));
    m.pmCloseRep = Item(m.popWord, "pmCloseRep", QStringLiteral("Закрыть отчёт"));
    return m;
}

}  // namespace tabulex::app
