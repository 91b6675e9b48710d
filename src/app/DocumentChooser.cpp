#include "app/DocumentChooser.h"
#include "app/PathText.h"

#include "app/AppTexts.h"
#include "app/DocumentOpener.h"
#include "app/DocumentSession.h"
#include "app/MainPage.h"
#include "app/QtText.h"
#include "app/UserDialogs.h"

#include <QDir>
#include <QFileInfo>

namespace tabulex::app {
namespace {

constexpr std::string_view kLastFilePathKey = "LastFilePath";

std::string NotFoundText(const QString& path) {
    return ToCp(QDir::toNativeSeparators(path)) + "\r\r" + std::string(msg::kFileNotFoundRetry);
}

}  // namespace

void RememberLastFilePath(settings::Settings& settings, const word::Document& document) {
    settings.WriteUtf8(settings::kMainSection, kLastFilePathKey, document.FullName());
}

QString StoredLastFilePath(const settings::Settings& settings) {
    return QString::fromStdString(settings.ReadUtf8(settings::kMainSection, kLastFilePathKey, {}));
}

DocumentChooser::DocumentChooser(const CommandServices& services, DocumentOpener& opener,
                                 MainPage& fileChoice)
    : services_(services), opener_(opener), fileChoice_(fileChoice) {}

QString DocumentChooser::ProgramFolderFile(const QString& name) const {
    return QDir(QStringOfPath(services_.Folders.Program)).filePath(name);
}

// The named file is the active document: work on it rather than open it again.
void DocumentChooser::PreferOpenDocument() {
    word::Document* active = services_.Documents.Active();
    if (fileChoice_.Choice() != FileChoice::Named || !active || fileChoice_.FileName().isEmpty()) return;
    const QFileInfo named(fileChoice_.FileName());
    const QFileInfo open(QString::fromStdString(active->FullName()));
    if (named.exists() && named.canonicalFilePath() == open.canonicalFilePath())
        fileChoice_.SetChoice(FileChoice::Opened);
}

// The other file: the path as typed, else the same name in the program folder.
bool DocumentChooser::OpenNamedFile() {
    const QString typed = fileChoice_.FileName();
    if (!typed.isEmpty() && QFileInfo(typed).isFile()) return opener_.Open(typed);
    const QString beside = ProgramFolderFile(typed);
    if (!typed.isEmpty() && QFileInfo(beside).isFile()) return opener_.Open(beside);
    services_.Status.ShowMessageText(msg::kFileNotFoundRetry);
    return false;
}

QString DocumentChooser::LastFilePath() const {
    const std::string name = ReadLastFile(services_.Settings);
    const QString stored = StoredLastFilePath(services_.Settings);
    const QString last = FromCp(name);
    const bool bare = QFileInfo(last).fileName() == last;
    // A bare name was checked where the stored path says; the program folder only stands in when
    // no path was stored or the file is there and not at the stored place.
    if (!stored.isEmpty() && ToCp(QFileInfo(stored).fileName()) == name) {
        if (QFileInfo(stored).isFile() || !bare || !QFileInfo(ProgramFolderFile(last)).isFile())
            return stored;
    }
    return bare ? ProgramFolderFile(last) : last;
}

bool DocumentChooser::OpenLastFile() {
    const QString path = LastFilePath();
    if (!QFileInfo(path).isFile()) {
        services_.Status.ShowMessageText(NotFoundText(path));
        return false;
    }
    return opener_.Open(path);
}

// Nothing is open: choose a file, check the last one, or give up.
bool DocumentChooser::AskForDocument() {
    const std::string text =
        std::string(msg::kChooseCheck1) + ReadLastFile(services_.Settings) + std::string(msg::kChooseCheck2);
    switch (services_.Dialogs.AskYesNoCancel(msg::kChooseTitle, text)) {
        case Answer::Yes: {
            const std::optional<QString> path = services_.Dialogs.ChooseFileToOpen();
            if (!path) {
                services_.Status.ShowStatus(msg::kCheckCancelled);
                return false;
            }
            fileChoice_.SetFileName(*path);
            if (!QFileInfo(*path).isFile()) {
                services_.Status.ShowMessageText(NotFoundText(*path));
                return false;
            }
            return true;
        }
        case Answer::No:
            fileChoice_.SetChoice(FileChoice::Last);
            return true;
        case Answer::Cancel:
            break;
    }
    services_.Status.ShowStatus(msg::kCheckCancelled);
    return false;
}

bool DocumentChooser::Choose(ChooseMode mode) {
    PreferOpenDocument();
    if (fileChoice_.Choice() == FileChoice::Opened && services_.Documents.Count() == 0) {
        if (mode == ChooseMode::Check) {
            if (!AskForDocument()) return false;
        } else {
            if (!services_.Dialogs.AskOkCancel(msg::kChooseTitle, msg::kChooseEdit)) return false;
            const std::optional<QString> path = services_.Dialogs.ChooseFileToOpen();
            if (!path || !opener_.Open(*path)) return false;
        }
    }
    if (fileChoice_.Choice() == FileChoice::Named) return OpenNamedFile();
    if (fileChoice_.Choice() == FileChoice::Last && mode == ChooseMode::Check) return OpenLastFile();
    if (services_.Documents.Active()) return true;
    services_.Status.ShowStatus(msg::kNoDocument);
    return false;
}

}  // namespace tabulex::app
