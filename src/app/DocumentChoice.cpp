#include "app/DocumentChoice.h"

#include "app/AppTexts.h"
#include "app/DocumentSession.h"
#include "app/MainPage.h"
#include "app/MainWindow.h"
#include "app/QtText.h"
#include "app/UserDialogs.h"
#include "app/WindowOptions.h"

#include <QDir>
#include <QFileInfo>

namespace tabulex::app {
namespace {

constexpr std::string_view kLastFilePathKey = "LastFilePath";

std::string NotFoundText(const QString& path) {
    return ToCp(path) + "\r\r" + std::string(msg::kFileNotFoundRetry);
}

QString ProgramFolderFile(const MainWindow& window, const QString& name) {
    return QDir(QString::fromStdString(window.Folders().Program.string())).filePath(name);
}

// The named file is the active document: work on it rather than open it again.
void PreferOpenDocument(MainWindow& window) {
    MainPage& page = *window.InventoryTab();
    word::Document* active = window.Documents().Active();
    if (page.Choice() != FileChoice::Named || !active || page.FileName().isEmpty()) return;
    const QFileInfo named(page.FileName());
    const QFileInfo open(QString::fromStdString(active->FullName()));
    if (named.exists() && named.canonicalFilePath() == open.canonicalFilePath())
        page.SetChoice(FileChoice::Opened);
}

// The other file: the path as typed, else the same name in the program folder.
bool OpenNamedFile(MainWindow& window) {
    const QString typed = window.InventoryTab()->FileName();
    if (!typed.isEmpty() && QFileInfo(typed).isFile()) return OpenDocument(window, typed);
    const QString beside = ProgramFolderFile(window, typed);
    if (!typed.isEmpty() && QFileInfo(beside).isFile()) return OpenDocument(window, beside);
    window.ShowMessageText(msg::kFileNotFoundRetry);
    return false;
}

// The last checked file: where it was checked, else (a bare name) in the program folder.
QString LastFilePath(MainWindow& window) {
    const std::string name = ReadLastFile(window.Settings());
    const QString stored =
        QString::fromStdString(window.Settings().ReadString(check::kMainSection, kLastFilePathKey, {}));
    if (!stored.isEmpty() && ToCp(QFileInfo(stored).fileName()) == name && QFileInfo(stored).isFile())
        return stored;
    const QString last = FromCp(name);
    return QFileInfo(last).fileName() == last ? ProgramFolderFile(window, last) : last;
}

bool OpenLastFile(MainWindow& window) {
    const QString path = LastFilePath(window);
    if (!QFileInfo(path).isFile()) {
        window.ShowMessageText(NotFoundText(path));
        return false;
    }
    window.ShowStatus(msg::kStartingWord);
    return OpenDocument(window, path);
}

// Nothing is open: choose a file, check the last one, or give up.
bool AskForDocument(MainWindow& window) {
    const std::string text =
        std::string(msg::kChooseCheck1) + ReadLastFile(window.Settings()) + std::string(msg::kChooseCheck2);
    switch (window.Dialogs().AskYesNoCancel(msg::kChooseTitle, text)) {
        case Answer::Yes: {
            const std::optional<QString> path = window.Dialogs().ChooseFileToOpen();
            if (!path) {
                window.ShowStatus(msg::kCheckCancelled);
                return false;
            }
            window.InventoryTab()->SetFileName(*path);
            if (!QFileInfo(*path).isFile()) {
                window.ShowMessageText(NotFoundText(*path));
                return false;
            }
            return true;
        }
        case Answer::No:
            window.InventoryTab()->SetChoice(FileChoice::Last);
            return true;
        case Answer::Cancel:
            break;
    }
    window.ShowStatus(msg::kCheckCancelled);
    return false;
}

}  // namespace

bool OpenDocument(MainWindow& window, const QString& path) {
    try {
        window.Documents().Open(path);
        return true;
    } catch (const word::Error& error) {
        window.ShowMessageText(error.Message());
        return false;
    }
}

void RememberLastFilePath(check::Settings& settings, const word::Document& document) {
    settings.WriteString(check::kMainSection, kLastFilePathKey, document.FullName());
}

bool ChooseDocument(MainWindow& window, ChooseMode mode) {
    MainPage& page = *window.InventoryTab();
    PreferOpenDocument(window);
    if (page.Choice() == FileChoice::Opened && window.Documents().Count() == 0) {
        if (mode == ChooseMode::Check) {
            if (!AskForDocument(window)) return false;
        } else {
            if (!window.Dialogs().AskOkCancel(msg::kChooseTitle, msg::kChooseEdit)) return false;
            const std::optional<QString> path = window.Dialogs().ChooseFileToOpen();
            if (!path || !OpenDocument(window, *path)) return false;
        }
    }
    if (page.Choice() == FileChoice::Named) return OpenNamedFile(window);
    if (page.Choice() == FileChoice::Last && mode == ChooseMode::Check) return OpenLastFile(window);
    if (window.Documents().Active()) return true;
    window.ShowStatus(msg::kNoDocument);
    return false;
}

}  // namespace tabulex::app
