#include "app/HelpCommands.h"

#include "app/AppTexts.h"
#include "app/DesktopShell.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/QtText.h"
#include "app/VersionInfo.h"

#include <QAction>
#include <QPushButton>

namespace tabulex::app {
namespace {

// A folder as the About text shows it: ending with the separator.
std::string FolderText(const std::filesystem::path& folder) {
    std::string text = ToCp(QString::fromStdString(folder.string()));
    if (!text.empty() && text.back() != '/' && text.back() != '\\') text += '/';
    return text;
}

}  // namespace

HelpCommands::HelpCommands(MainWindow& window) : QObject(&window), window_(window) {
    const MainMenu& m = window.Menu();
    const auto topic = [&window](HelpTopic which) {
        return [&window, which] { window.Help().ShowTopic(which); };
    };
    connect(m.mmTopic, &QAction::triggered, this, topic(HelpTopic::Contents));
    connect(window.btHelp, &QPushButton::clicked, this, topic(HelpTopic::Contents));
    connect(m.mmWhatsNew, &QAction::triggered, this, topic(HelpTopic::WhatsNew));
    connect(m.mmMail, &QAction::triggered, this, &HelpCommands::Mail);
    connect(m.mmWeb, &QAction::triggered, this, &HelpCommands::Web);
    connect(m.mmAbout, &QAction::triggered, this, &HelpCommands::About);

    QList<QAction*> placeholders = m.BorderCommands;
    placeholders << m.N13;
    for (QAction* action : placeholders)
        connect(action, &QAction::triggered, this, [&window] { window.ShowStatus(msg::kInDevelopment); });
}

void HelpCommands::Mail() {
    const QString link = QStringLiteral("mailto:") + FromCp(msg::kSupportAddress) +
                         QStringLiteral("?subject=") + FromCp(msg::kMailSubject) + QStringLiteral("&body=") +
                         FromCp(msg::kMailBody);
    if (window_.Shell().Open(QUrl(link, QUrl::TolerantMode))) return;
    window_.ShowStatus(msg::kMailFailed);
    window_.ShowMessageText(ToCp(window_.windowTitle()));
}

void HelpCommands::Web() {
    if (window_.Shell().Open(QUrl(FromCp(msg::kWebAddress)))) return;
    window_.ShowStatus(msg::kWebFailed);
    window_.ShowMessageText(ToCp(window_.windowTitle()));
}

void HelpCommands::About() {
    window_.ShowMessageText(AboutText(FolderText(window_.Folders().Program),
                                      FolderText(window_.Folders().Data),
                                      ToCp(ProgramVersionInfo().FileVersion)));
}

std::string AboutText(const std::string& programFolder, const std::string& dataFolder,
                      const std::string& fileVersion) {
    std::string text(msg::kAbout1);
    text += "\r\r";
    text += msg::kAbout2;
    text += msg::kAbout3;
    text += msg::kAbout4;
    text += msg::kAboutProgramFolder;
    text += programFolder + "\r";
    text += msg::kAboutDataFolder;
    text += dataFolder + "\r";
    text += msg::kAboutFileVersion;
    text += fileVersion;
    return text;
}

}  // namespace tabulex::app
