// The desktop window: tabulex-gui [FILE | /run]

#include "app/AppFolders.h"
#include "app/MainWindow.h"
#include "settings/Folders.h"
#include "settings/IniSettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulex"));
    QApplication::setApplicationVersion(QStringLiteral(TABULEX_VERSION));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tabulex")));

    // Qt's own texts (file dialog, context menus) in Russian, like the rest of the window.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // --help and --version answer on the terminal; everything else is the window's own command line.
    QCommandLineParser commandLine;
    commandLine.setApplicationDescription(
        QStringLiteral("Окно Табулекса: проверка описей дел (.docx, .doc, .rtf, .odt) по правилам архивного "
                       "описания и исправление частых ошибок в документе."));
    commandLine.addHelpOption();
    commandLine.addVersionOption();
    commandLine.addPositionalArgument(
        QStringLiteral("файл"),
        QStringLiteral("Опись, выбранная как «Другой файл»; /run сразу проверяет открытый документ."),
        QStringLiteral("[ФАЙЛ | /run]"));
    commandLine.process(application);

    using namespace tabulex;
    app::AppServices services;
    services.Folders.Program = QCoreApplication::applicationDirPath().toStdString();
    services.Folders.Data = settings::DataFolder();
    std::error_code ignored;
    std::filesystem::create_directories(services.Folders.Data, ignored);
    settings::IniSettings settings(
        app::SettingsFileLocation(services.Folders.Program, services.Folders.Data));
    services.Settings = &settings;
    services.Folders.Report = app::ReportFolderFrom(settings, services.Folders.Data);
    services.Arguments = commandLine.positionalArguments();

    app::MainWindow window(std::move(services));
    window.show();
    return QApplication::exec();
}
