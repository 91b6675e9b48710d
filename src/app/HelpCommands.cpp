#include "app/HelpCommands.h"
#include "app/PathText.h"

#include "app/AppTexts.h"
#include "app/DesktopShell.h"
#include "app/HelpWindow.h"
#include "app/MainMenu.h"
#include "app/QtText.h"
#include "app/VersionInfo.h"

#include <QAction>
#include <QPushButton>

namespace tabulex::app {
namespace {

// A folder as the About text shows it: ending with the separator.
std::string FolderText(const std::filesystem::path& folder) {
    std::string text = ToCp(QStringOfPath(folder));
    if (!text.empty() && text.back() != '/' && text.back() != '\\') text += '/';
    return text;
}

}  // namespace

HelpCommands::HelpCommands(const CommandServices& services, std::function<HelpWindow&()> help,
                           QObject* parent)
    : QObject(parent), services_(services), help_(std::move(help)) {}

void HelpCommands::Connect(const MainMenu& m, QPushButton* helpButton) {
    // The help opens over the main window, the parent of this object.
    const auto topic = [this](HelpTopic which) {
        return [this, which] { help_().ShowTopic(which, qobject_cast<QWidget*>(parent())); };
    };
    connect(m.HelpTopicAction, &QAction::triggered, this, topic(HelpTopic::Contents));
    connect(helpButton, &QPushButton::clicked, this, topic(HelpTopic::Contents));
    connect(m.WhatsNewAction, &QAction::triggered, this, topic(HelpTopic::WhatsNew));
    connect(m.MailAction, &QAction::triggered, this, &HelpCommands::Mail);
    connect(m.WebSiteAction, &QAction::triggered, this, &HelpCommands::Web);
    connect(m.AboutAction, &QAction::triggered, this, &HelpCommands::About);

    QList<QAction*> placeholders = m.BorderActions;
    placeholders << m.AutoFormatAction;
    for (QAction* action : placeholders)
        connect(action, &QAction::triggered, this,
                [this] { services_.Status.ShowStatus(msg::kInDevelopment); });
}

void HelpCommands::Mail() {
    const QString link = QStringLiteral("mailto:") + FromCp(msg::kSupportAddress) +
                         QStringLiteral("?subject=") + FromCp(msg::kMailSubject) + QStringLiteral("&body=") +
                         FromCp(msg::kMailBody);
    if (services_.Shell.Open(QUrl(link, QUrl::TolerantMode))) return;
    services_.Status.ShowStatus(msg::kMailFailed);
    services_.Status.ShowMessageText(ToCp(services_.Status.Caption()));
}

void HelpCommands::Web() {
    if (services_.Shell.Open(QUrl(FromCp(msg::kWebAddress)))) return;
    services_.Status.ShowStatus(msg::kWebFailed);
    services_.Status.ShowMessageText(ToCp(services_.Status.Caption()));
}

void HelpCommands::About() {
    services_.Status.ShowMessageText(AboutText(FolderText(services_.Folders.Program),
                                               FolderText(services_.Folders.Data),
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
