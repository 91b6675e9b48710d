#include "app/MainMenu.h"

#include "app/AppTexts.h"
#include "app/QtText.h"
#include "tools/ToolCatalog.h"

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

// The catalog's repairs that go into `which`, in their order, as items of `menu`.
void AddToolItems(MainMenu& m, QMenu* menu, tools::ToolMenu which) {
    for (const tools::ToolEntry& entry : tools::ToolCatalog()) {
        if (entry.Menu != which) continue;
        if (entry.SeparatorBefore) menu->addSeparator();
        QAction* action =
            menu->addAction(QString::fromUtf8(entry.MenuText.data(), qsizetype(entry.MenuText.size())));
        action->setObjectName(QString::fromLatin1(entry.MenuName.data(), qsizetype(entry.MenuName.size())));
        m.ToolActions.push_back({action, entry.Tool});
    }
}

}  // namespace

MainMenu BuildMainMenu(QMainWindow* window) {
    MainMenu m;
    QMenuBar* bar = window->menuBar();

    m.FileMenu = Menu(bar, "mFile", QStringLiteral("&Файл"));
    m.OpenAction =
        Item(m.FileMenu, "mmOpen", QStringLiteral("&Открыть..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    m.OpenLastAction = Item(m.FileMenu, "mmOpenLast", QStringLiteral("Открыть последний"));
    m.CloseAction =
        Item(m.FileMenu, "mmClose", QStringLiteral("&Закрыть"), QKeySequence(Qt::CTRL | Qt::Key_W));
    m.SaveAction =
        Item(m.FileMenu, "mmSave", QStringLiteral("&Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m.SaveAsAction = Item(m.FileMenu, "mmSaveAs", QStringLiteral("Сохранить &как..."));
    m.OpenReportAction = Item(m.FileMenu, "mmOpenReport", QStringLiteral("Открыть о&тчёт"),
                              QKeySequence(Qt::CTRL | Qt::Key_R));
    m.DocumentListSeparator = m.FileMenu->addSeparator();
    m.DocumentListSeparator->setObjectName(QStringLiteral("DocumentListSeparator"));
    m.FileMenu->addSeparator();
    m.StartCheckAction =
        Item(m.FileMenu, "mmStart", QStringLiteral("&Начать проверку"), QKeySequence(Qt::Key_F9));
    m.FileMenu->addSeparator();
    m.ExitAction = Item(m.FileMenu, "mmExit", QStringLiteral("В&ыход"), QKeySequence(Qt::Key_Escape));

    m.EditMenu = Menu(bar, "mEdit", QStringLiteral("&Правка"));
    AddToolItems(m, m.EditMenu, tools::ToolMenu::Edit);
    m.EditMenu->addSeparator();
    m.AutoFormatAction = Item(m.EditMenu, "N13", QStringLiteral("&Автоформат"));

    m.DatesMenu = Menu(bar, "mDates", QStringLiteral("&Даты"));
    AddToolItems(m, m.DatesMenu, tools::ToolMenu::Dates);

    m.TableMenu = Menu(bar, "mTable", QStringLiteral("&Таблица"));
    AddToolItems(m, m.TableMenu, tools::ToolMenu::Table);
    m.TableMenu->addSeparator();
    m.BorderActions << Item(m.TableMenu, "N8", QStringLiteral("У&далить границы"))
                    << Item(m.TableMenu, "N9", QStringLiteral("&Серые границы"))
                    << Item(m.TableMenu, "N15", QStringLiteral("&Черные границы"));

    m.HelpMenu = Menu(bar, "mHelp", QStringLiteral("&Справка"));
    m.HelpTopicAction =
        Item(m.HelpMenu, "mmTopic", QStringLiteral("Вызов &справки"), QKeySequence(Qt::Key_F1));
    m.WhatsNewAction = Item(m.HelpMenu, "mmWhatsNew", QStringLiteral("Что нового?"));
    m.HelpMenu->addSeparator();
    m.MailAction =
        Item(m.HelpMenu, "mmMail", QStringLiteral("Письмо &автору ") + FromCp(msg::kSupportAddress));
    m.WebSiteAction = Item(m.HelpMenu, "mmWeb", QStringLiteral("Са&йт программы ") + FromCp(msg::kWebHost));
    m.HelpMenu->addSeparator();
    m.AboutAction = Item(m.HelpMenu, "mmAbout", QStringLiteral("О &программе"));

    m.BrowseMenu = new QMenu(window);
    m.BrowseMenu->setObjectName(QStringLiteral("pmOpisBrowse"));
    m.BrowseAction = Item(m.BrowseMenu, "N1", QStringLiteral("Обзор..."));
    m.BrowseMenu->setDefaultAction(m.BrowseAction);
    m.BrowseOpenLastAction = Item(m.BrowseMenu, "N7", QStringLiteral("Открыть последний файл"));
    m.OpenNamedAction = Item(m.BrowseMenu, "N3", QStringLiteral("Открыть файл"));
    m.OpenFolderAction = Item(m.BrowseMenu, "N2", QStringLiteral("Открыть папку"));
    m.BrowseCloseReportAction = Item(m.BrowseMenu, "N4", QStringLiteral("Закрыть отчёт"));

    m.EditorMenu = new QMenu(window);
    m.EditorMenu->setObjectName(QStringLiteral("popWord"));
    m.OpenInEditorAction = Item(m.EditorMenu, "pmWord", QStringLiteral("Открыть в текстовом редакторе"));
    m.EditorMenu->setDefaultAction(m.OpenInEditorAction);
    m.ViewReportAction = Item(m.EditorMenu, "pmOpenRep", QStringLiteral("Открыть отчёт"));
    m.CloseReportAction = Item(m.EditorMenu, "pmCloseRep", QStringLiteral("Закрыть отчёт"));
    return m;
}

}  // namespace tabulex::app
