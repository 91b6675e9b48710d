#include "app/FileCommands.h"

#include "app/AppTexts.h"
#include "app/CheckController.h"
#include "app/DesktopShell.h"
#include "app/DocumentChoice.h"
#include "app/DocumentSession.h"
#include "app/MainPage.h"
#include "app/MainWindow.h"
#include "app/QtText.h"
#include "app/ReportViewer.h"
#include "app/SettingsPage.h"
#include "app/StatusCaption.h"
#include "app/UserDialogs.h"
#include "app/WindowOptions.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

namespace tabulex::app {

FileCommands::FileCommands(MainWindow& window) : QObject(&window), window_(window) {
    const MainMenu& m = window.Menu();
    connect(m.OpenAction, &QAction::triggered, this, &FileCommands::Open);
    connect(m.OpenLastAction, &QAction::triggered, this, &FileCommands::OpenLast);
    connect(m.CloseAction, &QAction::triggered, this, &FileCommands::Close);
    connect(m.SaveAction, &QAction::triggered, this, &FileCommands::Save);
    connect(m.SaveAsAction, &QAction::triggered, this, &FileCommands::SaveAs);
    connect(m.BrowseAction, &QAction::triggered, this, &FileCommands::Browse);
    connect(m.BrowseOpenLastAction, &QAction::triggered, this, &FileCommands::OpenLast);
    connect(m.OpenNamedAction, &QAction::triggered, this, &FileCommands::OpenNamed);
    connect(m.OpenFolderAction, &QAction::triggered, this, &FileCommands::OpenFolder);
    connect(m.BrowseCloseReportAction, &QAction::triggered, this, &FileCommands::CloseReport);
    connect(m.OpenInEditorAction, &QAction::triggered, this, &FileCommands::RunWord);
    connect(m.ViewReportAction, &QAction::triggered, this, &FileCommands::OpenReport);
    connect(m.CloseReportAction, &QAction::triggered, this, &FileCommands::CloseReport);

    QPushButton* browse = window.InventoryTab()->BrowseButton;
    connect(browse, &QPushButton::clicked, this, &FileCommands::Browse);
    browse->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(browse, &QWidget::customContextMenuRequested, this,
            [browse, menu = m.BrowseMenu](const QPoint& at) { menu->popup(browse->mapToGlobal(at)); });
    QPushButton* word = window.EditorButton;
    connect(word, &QPushButton::clicked, this, &FileCommands::RunWord);
    word->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(word, &QWidget::customContextMenuRequested, this,
            [word, menu = m.EditorMenu](const QPoint& at) { menu->popup(word->mapToGlobal(at)); });
}

template <typename Command>
void FileCommands::Guarded(Command command) {
    try {
        window_.Documents().RefreshChangedOnDisk();
        command();
    } catch (const word::Error& error) {
        window_.ShowMessageText(error.Message());
    }
}

void FileCommands::Open() {
    const std::optional<QString> path = window_.Dialogs().ChooseFileToOpen();
    if (!path) return;
    if (OpenDocument(window_, *path)) window_.InventoryTab()->SetChoice(FileChoice::Opened);
}

void FileCommands::Browse() {
    const std::optional<QString> path = window_.Dialogs().ChooseFileToOpen();
    if (!path) return;
    window_.InventoryTab()->SetFileName(*path);
    window_.ShowMessageText(msg::kDragHint);
}

void FileCommands::OpenLast() {
    const std::string last = ReadLastFile(window_.Settings());
    if (last.empty()) {
        window_.ShowStatus(msg::kNoFileCheckedYet);
        return;
    }
    const QString stored =
        QString::fromStdString(window_.Settings().ReadString(check::kMainSection, "LastFilePath", {}));
    const QString path = QFileInfo(stored).isFile() ? stored : FromCp(last);
    if (QFileInfo(path).isFile()) {
        OpenDocument(window_, path);
        return;
    }
    window_.ShowStatus(msg::kFileNotFound);
    window_.ShowMessageText(std::string(msg::kFileQuote1) + last + std::string(msg::kFileQuote2));
}

void FileCommands::OpenNamed() {
    const QString path = window_.InventoryTab()->FileName();
    if (path.isEmpty()) {
        window_.ShowStatus(msg::kGiveFile);
    } else if (QFileInfo(path).isFile()) {
        if (OpenDocument(window_, path)) window_.InventoryTab()->SetChoice(FileChoice::Opened);
    } else {
        window_.ShowStatus(msg::kFileNotFound);
    }
}

void FileCommands::OpenFolder() {
    const QString folder = QFileInfo(window_.InventoryTab()->FileName()).absolutePath();
    if (!window_.Shell().Open(QUrl::fromLocalFile(folder))) window_.ShowMessageText(msg::kFolderFailed);
}

void FileCommands::Close() {
    Guarded([this] { window_.Documents().CloseActive(); });
}

void FileCommands::Save() {
    SaveDocument(false);
}

void FileCommands::SaveAs() {
    SaveDocument(true);
}

void FileCommands::SaveDocument(bool asNewFile) {
    Guarded([this, asNewFile] {
        DocumentSession& documents = window_.Documents();
        if (!documents.Active())
            window_.ShowStatus(msg::kNoDocument);
        else if (asNewFile ? documents.SaveActiveAs() : documents.SaveActive())
            window_.ShowStatus(msg::kSaved);
    });
}

void FileCommands::CloseReport() {
    Guarded([this] {
        window_.Documents().CloseReportDocuments(
            window_.SettingsTab()->CloseReportBeforeCheckBox->isChecked());
    });
}

// The word processor's place is taken by the desktop's editor for the file: the active document,
// else the last report.
void FileCommands::RunWord() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    window_.ShowStatus(msg::kStartingWord);
    QString file;
    if (word::Document* document = window_.Documents().Active())
        file = QString::fromStdString(document->FullName());
    else if (!window_.Checks().ReportDocument().empty())
        file = QString::fromStdString(window_.Checks().ReportDocument().string());
    const bool opened = !file.isEmpty() && window_.Shell().Open(QUrl::fromLocalFile(file));
    window_.ShowStatus(opened ? msg::kDone : (file.isEmpty() ? msg::kNoDocument : msg::kWordFailed));
    QApplication::restoreOverrideCursor();
}

void FileCommands::OpenReport() {
    const auto& outcome = window_.Checks().LastOutcome();
    if (!outcome || outcome->End != check::CheckEnd::Completed) {
        window_.ShowStatus(msg::kNoReport);
        return;
    }
    ReportViewer& viewer = window_.Viewer();
    viewer.ShowOutcome(*outcome);
    viewer.show();
    viewer.raise();
    viewer.activateWindow();
}

}  // namespace tabulex::app
