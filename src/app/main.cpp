// The desktop window: tabulex-gui [FILE | /run]

#include "app/AppFolders.h"
#include "app/MainWindow.h"
#include "cli/Folders.h"
#include "cli/IniSettings.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulex"));
    QApplication::setApplicationVersion(QStringLiteral(TABULEX_VERSION));

    using namespace tabulex;
    app::AppServices services;
    services.Folders.Program = QCoreApplication::applicationDirPath().toStdString();
    services.Folders.Data = cli::DataFolder();
    std::error_code ignored;
    std::filesystem::create_directories(services.Folders.Data, ignored);
    cli::IniSettings settings(app::SettingsFileLocation(services.Folders.Program, services.Folders.Data));
    services.Settings = &settings;
    services.Folders.Report = app::ReportFolderFrom(settings, services.Folders.Data);
    services.Arguments = QApplication::arguments().mid(1);

    app::MainWindow window(std::move(services));
    window.show();
    return QApplication::exec();
}
