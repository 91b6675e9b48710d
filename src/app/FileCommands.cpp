#include "app/FileCommands.h"
#include "app/PathText.h"

#include "app/AppTexts.h"
#include "app/CheckController.h"
#include "app/DesktopShell.h"
#include "app/DocumentChooser.h"
#include "app/DocumentOpener.h"
#include "app/DocumentSession.h"
#include "app/MainMenu.h"
#include "app/MainPage.h"
#include "app/QtText.h"
#include "app/ReportViewer.h"
#include "app/UserDialogs.h"
#include "app/WindowOptions.h"
#include "text/TextHelpers.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

namespace tabulex::app {
namespace {

// Right mouse button on `button` shows `menu`.
void AttachPopup(QPushButton* button, QMenu* menu, QObject* context) {
    button->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(button, &QWidget::customContextMenuRequested, context,
                     [button, menu](const QPoint& at) { menu->popup(button->mapToGlobal(at)); });
}

}  // namespace

FileCommands::FileCommands(const CommandServices& services, DocumentOpener& opener, MainPage& fileChoice,
                           const CheckController& checks, std::function<ReportViewer&()> viewer,
                           QWidget* window)
    : QObject(window),
      services_(services),
      opener_(opener),
      fileChoice_(fileChoice),
      checks_(checks),
      viewer_(std::move(viewer)),
      window_(window) {}

void FileCommands::Connect(const MainMenu& m, QPushButton* browse, QPushButton* editor) {
    connect(m.OpenAction, &QAction::triggered, this, &FileCommands::Open);
    connect(m.OpenLastAction, &QAction::triggered, this, &FileCommands::OpenLast);
    connect(m.CloseAction, &QAction::triggered, this, &FileCommands::Close);
    connect(m.SaveAction, &QAction::triggered, this, &FileCommands::Save);
    connect(m.SaveAsAction, &QAction::triggered, this, &FileCommands::SaveAs);
    connect(m.OpenReportAction, &QAction::triggered, this, &FileCommands::OpenReport);
    connect(m.BrowseAction, &QAction::triggered, this, &FileCommands::Browse);
    connect(m.BrowseOpenLastAction, &QAction::triggered, this, &FileCommands::OpenLast);
    connect(m.OpenNamedAction, &QAction::triggered, this, &FileCommands::OpenNamed);
    connect(m.OpenFolderAction, &QAction::triggered, this, &FileCommands::OpenFolder);
    connect(m.BrowseCloseReportAction, &QAction::triggered, this, &FileCommands::CloseReport);
    connect(m.OpenInEditorAction, &QAction::triggered, this, &FileCommands::RunWord);
    connect(m.ViewReportAction, &QAction::triggered, this, &FileCommands::OpenReport);
    connect(m.CloseReportAction, &QAction::triggered, this, &FileCommands::CloseReport);
    connect(browse, &QPushButton::clicked, this, &FileCommands::Browse);
    AttachPopup(browse, m.BrowseMenu, this);
    connect(editor, &QPushButton::clicked, this, &FileCommands::RunWord);
    AttachPopup(editor, m.EditorMenu, this);
}

template <typename Command>
void FileCommands::Guarded(Command command) {
    try {
        if (!services_.Documents.RefreshChangedOnDisk()) return;
        command();
    } catch (const text::Error& error) {
        services_.Status.ShowMessageText(error.Message());
    }
}

void FileCommands::Open() {
    const std::optional<QString> path = services_.Dialogs.ChooseFileToOpen();
    if (!path) return;
    if (opener_.Open(*path)) fileChoice_.SetChoice(FileChoice::Opened);
}

void FileCommands::Browse() {
    const std::optional<QString> path = services_.Dialogs.ChooseFileToOpen();
    if (!path) return;
    fileChoice_.SetFileName(*path);
    services_.Status.ShowMessageText(msg::kDragHint);
}

void FileCommands::OpenLast() {
    const std::string last = ReadLastFile(services_.Settings);
    if (last.empty()) {
        services_.Status.ShowStatus(msg::kNoFileCheckedYet);
        return;
    }
    const QString stored = StoredLastFilePath(services_.Settings);
    const QString path = QFileInfo(stored).isFile() ? stored : FromCp(last);
    if (QFileInfo(path).isFile()) {
        opener_.Open(path);
        return;
    }
    services_.Status.ShowStatus(msg::kFileNotFound);
    // The path it looked for, so that the user knows where the file was.
    const std::string shown = stored.isEmpty() ? last : ToCp(QDir::toNativeSeparators(stored));
    services_.Status.ShowMessageText(std::string(msg::kFileQuote1) + shown + std::string(msg::kFileQuote2));
}

void FileCommands::OpenNamed() {
    const QString path = fileChoice_.FileName();
    if (path.isEmpty()) {
        services_.Status.ShowStatus(msg::kGiveFile);
    } else if (QFileInfo(path).isFile()) {
        if (opener_.Open(path)) fileChoice_.SetChoice(FileChoice::Opened);
    } else {
        services_.Status.ShowStatus(msg::kFileNotFound);
    }
}

void FileCommands::OpenFolder() {
    const QString folder = QFileInfo(fileChoice_.FileName()).absolutePath();
    if (!services_.Shell.Open(QUrl::fromLocalFile(folder)))
        services_.Status.ShowMessageText(msg::kFolderFailed);
}

void FileCommands::Close() {
    Guarded([this] { services_.Documents.CloseActive(); });
}

void FileCommands::Save() {
    SaveDocument(false);
}

void FileCommands::SaveAs() {
    SaveDocument(true);
}

void FileCommands::SaveDocument(bool asNewFile) {
    Guarded([this, asNewFile] {
        DocumentSession& documents = services_.Documents;
        if (!documents.Active())
            services_.Status.ShowStatus(msg::kNoDocument);
        else if (asNewFile ? documents.SaveActiveAs() : documents.SaveActive())
            services_.Status.ShowStatus(msg::kSaved);
    });
}

void FileCommands::CloseReport() {
    Guarded([this] { services_.Documents.CloseReportDocuments(services_.Options().Check.CloseReportFile); });
}

// The word processor's place is taken by the desktop's editor for the file: the active document,
// else the last report.
void FileCommands::RunWord() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    services_.Status.ShowStatus(msg::kOpeningInEditor);
    QString file;
    if (word::Document* document = services_.Documents.Active())
        file = QString::fromStdString(document->FullName());
    else if (checks_.LastCheck() && !checks_.LastCheck()->ReportDocument.empty())
        file = QStringOfPath(checks_.LastCheck()->ReportDocument);
    const bool opened = !file.isEmpty() && services_.Shell.Open(QUrl::fromLocalFile(file));
    QApplication::restoreOverrideCursor();
    if (opened) {
        services_.Status.ShowStatus(msg::kDone);
    } else if (file.isEmpty()) {
        services_.Status.ShowStatus(msg::kNoDocument);
    } else {
        services_.Status.ShowStatus(msg::kEditorFailed);
        services_.Status.ShowMessageText(
            text::FillIn(msg::kCannotOpenFile, {ToCp(QDir::toNativeSeparators(file))}));
    }
}

void FileCommands::OpenReport() {
    const auto& done = checks_.LastCheck();
    if (!done || !done->Completed()) {
        services_.Status.ShowStatus(msg::kNoReport);
        return;
    }
    ReportViewer& viewer = viewer_();
    viewer.ShowOutcome(done->Outcome);
    viewer.ShowOnScreen(window_);
}

}  // namespace tabulex::app
