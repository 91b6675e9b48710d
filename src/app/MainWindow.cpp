#include "app/MainWindow.h"
#include "app/PathText.h"

#include "app/AppTexts.h"
#include "app/CheckController.h"
#include "app/CheckOutcomeText.h"
#include "app/DesktopShell.h"
#include "app/DocumentChooser.h"
#include "app/DocumentListMenu.h"
#include "app/DocumentOpener.h"
#include "app/DocumentSession.h"
#include "app/FileCommands.h"
#include "app/HelpCommands.h"
#include "app/HelpWindow.h"
#include "app/MainPage.h"
#include "app/MessageWindow.h"
#include "app/QtCheckHost.h"
#include "app/QtText.h"
#include "app/ReportViewer.h"
#include "app/SettingsPage.h"
#include "app/StartUp.h"
#include "app/StatusCaption.h"
#include "app/ToolCommands.h"
#include "app/UserDialogs.h"
#include "app/WindowOptions.h"
#include "app/WindowPlacement.h"
#include "check/InventoryCheck.h"
#include "docx/DocxApplication.h"
#include "report/ReportFolder.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

#include <QVBoxLayout>
#include <algorithm>

namespace tabulex::app {
namespace {

QPushButton* Button(const QString& name, const QString& caption, const QString& hint) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    if (!hint.isEmpty()) button->setToolTip(hint);
    button->setMinimumWidth(75);
    return button;
}

}  // namespace

MainWindow::MainWindow(AppServices services) : services_(std::move(services)) {
    setObjectName(QStringLiteral("fmMain"));
    // A fixed window with a minimise box, as the layout decides its size; without the customise
    // hint the window manager would add the maximise box anyway.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (!services_.Dialogs) ownDialogs_ = std::make_unique<QtDialogs>(this);
    if (!services_.Shell) ownShell_ = std::make_unique<QtDesktopShell>();
    dialogs_ = services_.Dialogs ? services_.Dialogs : ownDialogs_.get();
    shell_ = services_.Shell ? services_.Shell : ownShell_.get();

    status_ = new StatusCaption(this);
    documents_ = std::make_unique<DocumentSession>(word::docx::CreateApplication(), *dialogs_);

    Pages = new QTabWidget;
    Pages->setObjectName(QStringLiteral("pgCtrl"));
    page_ = new MainPage;
    more_ = new SettingsPage;
    Pages->addTab(page_, QStringLiteral("&Опись"));
    Pages->addTab(more_, QStringLiteral("&Настройки"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(Pages);
    layout->addWidget(BuildButtons());
    setCentralWidget(central);
    menu_ = BuildMainMenu(this);
    menu_.HelpTopicAction->setShortcutContext(Qt::ApplicationShortcut);  // F1 in every window of the program
    // The window's own layout, menu bar included, decides one size: nothing to maximise into.
    QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);

    status_->ShowStatus(StatusCaption::FullTitle());
    status_->SetApplicationTitle(windowTitle());

    messages_ = std::make_unique<MessageWindow>(this, services_.Folders.Data);
    BuildCommands();

    const WindowOptions options = ReadWindowOptions(Settings());
    page_->Load(options);
    more_->Load(options);
    page_->SetLastFile(FromCp(ReadLastFile(Settings())), StoredLastFilePath(Settings()));
    ConnectCommands();
    setAcceptDrops(true);
    qApp->installEventFilter(this);
    startUp_->ApplyCommandLine(services_.Arguments);
}

// Each command class gets the services it uses, not the window.
void MainWindow::BuildCommands() {
    commandServices_.emplace(CommandServices{
        *documents_, *dialogs_, Settings(), *this, *shell_, services_.Folders, [this] { return Options(); },
        [this](const HelpPlace& place) { Help().ShowPlaceBeside(place, *this); }});
    const CommandServices& services = *commandServices_;
    opener_ =
        std::make_unique<DocumentOpener>(*documents_, *this, [this](bool idle) { EnableMainControls(idle); });
    chooser_ = std::make_unique<DocumentChooser>(services, *opener_, *page_);
    documentList_ = new DocumentListMenu(*documents_, menu_.FileMenu, menu_.DocumentListSeparator, this);
    checkHost_ = new QtCheckHost(Settings(), *dialogs_, *documents_, this);
    checks_ = new CheckController(*checkHost_, *documents_, this);
    files_ = new FileCommands(
        services, *opener_, *page_, *checks_, [this]() -> ReportViewer& { return Viewer(); }, this);
    helpCommands_ = new HelpCommands(
        services, [this]() -> HelpWindow& { return Help(); }, this);
    tools_ = new ToolCommands(
        services, *chooser_, *page_, *this, [this] { return ShiftHeld(); }, this);
    startUp_ = new StartUp(
        services, *page_, *this, [this] { StartCheck(); },
        [this] { return services_.Now ? services_.Now() : QDateTime::currentDateTime(); });
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    checks_->StopAndWait();
}

ReportViewer& MainWindow::Viewer() {
    if (!viewer_) viewer_ = std::make_unique<ReportViewer>();
    return *viewer_;
}

HelpWindow& MainWindow::Help() {
    if (!help_) help_ = std::make_unique<HelpWindow>();
    return *help_;
}

WindowOptions MainWindow::Options() const {
    WindowOptions options;
    page_->Store(options);
    more_->Store(options);
    options.Check.ReportFolder = ReportFolderFrom(Settings(), services_.Folders.Data);
    return options;
}

QWidget* MainWindow::BuildButtons() {
    StartButton =
        Button(QStringLiteral("btStart"), QStringLiteral("&Начать"), QStringLiteral("Начать проверку описи"));
    QFont bold = StartButton->font();
    bold.setBold(true);
    StartButton->setFont(bold);
    ReportButton = Button(QStringLiteral("btReport"), QStringLiteral("&Отчёт"),
                          QStringLiteral("Показать отчёт последней проверки (Ctrl+R)"));
    ReportButton->hide();
    ExitButton = Button(QStringLiteral("btExit"), QStringLiteral("В&ыход"),
                        QStringLiteral("Выход из программы (Esc)"));
    StopButton = Button(QStringLiteral("btStop"), QStringLiteral("Прервать"), {});
    StopButton->hide();
    EditorButton = Button(
        QStringLiteral("btRunWord"), QStringLiteral("&Word"),
        QStringLiteral("Открыть документ в текстовом редакторе\nНажмите правую кнопку мыши для опций"));
    HelpButton = Button(QStringLiteral("btHelp"), QStringLiteral("&Справка"),
                        QStringLiteral("Справка по программе (F1)"));
    auto* row = new QWidget;
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(StartButton);
    buttons->addWidget(ExitButton);
    buttons->addWidget(StopButton);
    buttons->addWidget(ReportButton);
    buttons->addStretch();
    buttons->addWidget(EditorButton);
    buttons->addWidget(HelpButton);
    return row;
}

void MainWindow::ConnectCommands() {
    files_->Connect(menu_, page_->BrowseButton, EditorButton);
    helpCommands_->Connect(menu_, HelpButton);
    tools_->Connect(menu_);
    connect(StartButton, &QPushButton::clicked, this, &MainWindow::StartCheck);
    connect(menu_.StartCheckAction, &QAction::triggered, this, &MainWindow::StartCheck);
    connect(page_, &MainPage::FileChoiceDoubleClicked, this, &MainWindow::StartCheck);
    connect(ReportButton, &QPushButton::clicked, files_, &FileCommands::OpenReport);
    connect(StopButton, &QPushButton::clicked, this, &MainWindow::StopCheck);
    connect(ExitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(menu_.ExitAction, &QAction::triggered, this, &QWidget::close);
    connect(checks_, &CheckController::Finished, this, &MainWindow::OnCheckFinished);
    connect(documents_.get(), &DocumentSession::Changed, this, &MainWindow::OnDocumentsChanged);
    connect(checkHost_, &QtCheckHost::StatusShown, status_,
            qOverload<const QString&>(&StatusCaption::ShowStatus));
    connect(checkHost_, &QtCheckHost::CaptionSet, status_, &StatusCaption::SetCaption);
    connect(checkHost_, &QtCheckHost::ApplicationTitleSet, status_, &StatusCaption::SetApplicationTitle);
    connect(checkHost_, &QtCheckHost::MessageShown, this,
            [this](const QByteArray& text) { ShowMessageText(std::string_view(text.data(), text.size())); });
    OnDocumentsChanged();
}

void MainWindow::ShowStatus(std::string_view text1251) {
    status_->ShowStatus(text1251);
}

void MainWindow::ShowMessageText(std::string_view text1251) {
    messages_->ShowMessageText(text1251);
}

void MainWindow::SetCaption(const QString& text) {
    status_->SetCaption(text);
}

void MainWindow::SetApplicationTitle(const QString& text) {
    status_->SetApplicationTitle(text);
}

QString MainWindow::Caption() const {
    return windowTitle();
}

void MainWindow::ShowIdleCaption() {
    status_->SetCaption(status_->IdleCaption());
}

// The page, the caption and the Файл menu show which document the commands work on.
void MainWindow::OnDocumentsChanged() {
    const std::vector<OpenDocumentEntry> entries = documents_->Entries();
    const auto active = std::find_if(entries.begin(), entries.end(), [](const auto& e) { return e.Active; });
    const QString name = active == entries.end() ? QString() : active->Name;
    page_->ShowActiveDocument(name, active == entries.end() ? QString() : active->Path,
                              static_cast<int>(entries.size()));
    status_->SetDocumentName(name);
    documentList_->Refresh();
}

void MainWindow::EnableMainControls(bool idle) {
    Pages->setEnabled(idle);
    StartButton->setEnabled(idle);
    ReportButton->setEnabled(idle);
    EditorButton->setEnabled(idle);
    for (QMenu* menu : menu_.TopMenus()) {
        menu->menuAction()->setEnabled(idle);
        for (QAction* action : menu->actions()) action->setEnabled(idle);
    }
    ExitButton->setVisible(idle);
    StopButton->setVisible(!idle);
    (idle ? StartButton : StopButton)->setFocus();
    status_->SetApplicationTitle(StatusCaption::FullTitle());
}

bool MainWindow::CheckRunning() const {
    return checks_->Running() || opener_->Opening();
}

void MainWindow::StartCheck() {
    if (CheckRunning()) return;
    if (!documents_->RefreshChangedOnDisk()) {
        ShowStatus(msg::kCheckCancelled);
        return;
    }
    // The report folder is taken before a document is loaded, as on the command line: a check into
    // a folder in use is refused before it reads anything, and none can start there meanwhile.
    const std::filesystem::path folder = ReportFolderFrom(Settings(), services_.Folders.Data);
    auto folderLock = std::make_unique<report::ReportFolderLock>(folder);
    if (folderLock->Status() == report::ReportFolderLock::State::Busy) {
        ShowMessageText(report::FolderBusyText(folder));
        return;
    }
    if (!chooser_->Choose(ChooseMode::Check)) return;
    page_->CheckShowErrors();
    WindowOptions options = Options();
    options.Check.ReportFolder = folder;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    EnableMainControls(false);
    checks_->Start(options.Check, options.AnnotatedCopy, std::move(folderLock));
}

void MainWindow::StopCheck() {
    if (opener_->Opening()) {
        opener_->RequestStop();
    } else {
        checks_->RequestStop();
    }
    ShowStatus(msg::kPaused);
}

void MainWindow::OnCheckFinished() {
    QApplication::restoreOverrideCursor();
    EnableMainControls(true);
    OnDocumentsChanged();
    const auto& done = checks_->LastCheck();
    if (!done) return;
    const check::CheckOutcome& outcome = done->Outcome;
    if (!outcome.DocumentName.empty() && outcome.End != check::CheckEnd::NoTables) {
        if (word::Document* document = documents_->Active()) RememberLastFilePath(Settings(), *document);
        page_->SetLastFile(FromCp(outcome.DocumentName), StoredLastFilePath(Settings()));
    }
    ShowCheckOutcome(*done);
}

// Every check ends with its outcome in the caption and in the message window.
void MainWindow::ShowCheckOutcome(const check::InventoryCheck& done) {
    const check::CheckOutcome& outcome = done.Outcome;
    status_->SetCaption(FromCp(OutcomeCaption(outcome)));
    const bool completed = done.Completed();
    ReportButton->setVisible(ReportButton->isVisible() || completed);
    if (completed && viewer_) viewer_->ShowOutcome(outcome);
    // Failures the run has told already (a busy or unwritable report folder) are not told twice.
    if (outcome.End != check::CheckEnd::ReportLocked &&
        !(outcome.End == check::CheckEnd::Failed && outcome.Message.empty()))
        ShowMessageText(OutcomeMessage(outcome));
    if (!completed) return;
    for (const check::LeftOutTable& table : done.LeftOutTables)
        ShowMessageText(check::LeftOutTableWarning(table, outcome.CheckedTable));
    if (!done.DateAdvice.empty()) ShowMessageText(done.DateAdvice);
    if (!done.AnnotatedCopyError.empty()) ShowMessageText(done.AnnotatedCopyError);
    if (!done.AnnotatedCopy.empty())
        ShowMessageText(std::string(msg::kAnnotatedCopyWritten) + ShownPath(done.AnnotatedCopy));
    if (!done.ReportDocumentError.empty()) {
        ShowMessageText(done.ReportDocumentError);
        return;
    }
    if (done.ReportDocument.empty()) return;
    const QString document = QStringOfPath(done.ReportDocument);
    if (!shell_->Open(QUrl::fromLocalFile(document)))
        ShowMessageText(text::FillIn(msg::kCannotOpenReport, {ShownPath(done.ReportDocument)}));
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool running = checks_->Running();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        (running ? StopButton : StartButton)->click();
        return;
    }
    if (event->key() == Qt::Key_Escape && running) {
        StopButton->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// Sees every key of the program first, for the Shift state that lets the editing commands skip
// their confirmation.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress && (key->modifiers() & Qt::ShiftModifier)) shiftHeld_ = true;
        if (event->type() == QEvent::KeyRelease && !(key->modifiers() & Qt::ShiftModifier))
            shiftHeld_ = false;
        // The release of Shift itself still carries the modifier on some platforms.
        if (event->type() == QEvent::KeyRelease && key->key() == Qt::Key_Shift) shiftHeld_ = false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) startUp_->OnActivated();
    QMainWindow::changeEvent(event);
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (snapping_ || !screen() || !isVisible()) return;
    const QRect frame = frameGeometry();
    const QRect snapped = SnapToWorkArea(frame, screen()->availableGeometry());
    if (snapped.topLeft() == frame.topLeft()) return;
    snapping_ = true;
    move(snapped.topLeft());
    snapping_ = false;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    // The first dropped file only.
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        page_->SetFileName(url.toLocalFile());
        raise();
        activateWindow();
        event->acceptProposedAction();
        return;
    }
}

bool MainWindow::CloseDocumentsAtExit() {
    while (documents_->Active())
        if (!documents_->CloseActive()) return false;
    return true;
}

void MainWindow::WriteSettingsAtExit() {
    WriteWindowOptions(Settings(), Options());
    WriteWindowPosition(Settings(), x(), y());
}

bool MainWindow::AgreeToStopForExit() {
    if (!CheckRunning()) return true;
    if (!dialogs_->AskOkCancel(msg::kExitDuringCheckTitle, msg::kExitDuringCheck)) return false;
    if (opener_->Opening()) {
        // The opening ends within about a second; the window closes when it has.
        opener_->RequestStop();
        QTimer::singleShot(100, this, &QWidget::close);
        return false;
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closed_) return QMainWindow::closeEvent(event);
    if (!AgreeToStopForExit()) {
        event->ignore();
        return;
    }
    // Stops the check as Прервать would, keeping the row to resume at.
    checks_->StopAndWait();
    const WindowOptions options = Options();
    if (options.CloseReportFileOnExit) documents_->CloseReportDocuments(options.Check.CloseReportFile);
    if (!CloseDocumentsAtExit()) {
        event->ignore();
        return;
    }
    WriteSettingsAtExit();
    closed_ = true;
    messages_->hide();
    if (viewer_) viewer_->close();
    if (help_) help_->close();
    QMainWindow::closeEvent(event);
}

}  // namespace tabulex::app
