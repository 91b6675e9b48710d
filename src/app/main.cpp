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

namespace {

void NameTheApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Tabulex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TABULEX_VERSION));
}

// Qt's own texts (file dialogs, context menus, --help) in Russian whatever the system's language,
// like the rest of the window.
void LoadQtTranslations(QTranslator& translator) {
    if (translator.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);
}

// --help and --version answer on the terminal and end the program; they need no display, so they
// are answered before the window's application object, which does, exists. Returns the
// positional arguments otherwise.
QStringList ReadCommandLine(int argc, char** argv) {
    QCoreApplication console(argc, argv);
    NameTheApplication();
    QTranslator qtTexts;
    LoadQtTranslations(qtTexts);
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
    commandLine.process(console);
    return commandLine.positionalArguments();
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList arguments = ReadCommandLine(argc, argv);
    QApplication application(argc, argv);
    NameTheApplication();
    // The desktop theme's icon where there is one; on Windows the program's own icon resource.
    if (const QIcon icon = QIcon::fromTheme(QStringLiteral("tabulex")); !icon.isNull())
        QApplication::setWindowIcon(icon);
    QTranslator qtTexts;
    LoadQtTranslations(qtTexts);

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
    services.Arguments = arguments;

    app::MainWindow window(std::move(services));
    window.show();
    if (const std::string problem = settings.FileProblem(); !problem.empty()) window.ShowMessageText(problem);
    return QApplication::exec();
}
