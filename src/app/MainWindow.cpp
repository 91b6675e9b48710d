#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/CheckController.h"
#include "app/DesktopShell.h"
#include "app/DocumentChoice.h"
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
#include "check/DateRulesAdvice.h"
#include "text/Cp1251.h"
#include "word/docx/DocxApplication.h"

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
#include <QVBoxLayout>

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
    // A fixed window with a minimise box, as the layout decides its size.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (!services_.Dialogs) ownDialogs_ = std::make_unique<QtDialogs>(this);
    if (!services_.Shell) ownShell_ = std::make_unique<QtDesktopShell>();
    dialogs_ = services_.Dialogs ? services_.Dialogs : ownDialogs_.get();
    shell_ = services_.Shell ? services_.Shell : ownShell_.get();

    status_ = new StatusCaption(this);
    documents_ = std::make_unique<DocumentSession>(word::docx::CreateApplication(), *dialogs_);

    pgCtrl = new QTabWidget;
    pgCtrl->setObjectName(QStringLiteral("pgCtrl"));
    page_ = new MainPage;
    more_ = new SettingsPage;
    pgCtrl->addTab(page_, QStringLiteral("&Опись"));
    pgCtrl->addTab(more_, QStringLiteral("&Настройки"));
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(pgCtrl);
    layout->addWidget(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setCentralWidget(central);
    menu_ = BuildMainMenu(this);
    menu_.mmTopic->setShortcutContext(Qt::ApplicationShortcut);  // F1 in every window of the program

    status_->ShowStatus(StatusCaption::FullTitle());
    status_->SetApplicationTitle(windowTitle());

    messages_ = std::make_unique<MessageWindow>(this, services_.Folders.Data);
    checkHost_ = new QtCheckHost(Settings(), *dialogs_, *documents_, this);
    checks_ = new CheckController(*checkHost_, *documents_, this);
    files_ = new FileCommands(*this);
    helpCommands_ = new HelpCommands(*this);
    tools_ = new ToolCommands(*this);
    startUp_ = new StartUp(*this);

    const WindowOptions options = ReadWindowOptions(Settings());
    page_->Load(options);
    more_->Load(options);
    page_->SetLastFile(FromCp(ReadLastFile(Settings())));
    ConnectCommands();
    setAcceptDrops(true);
    qApp->installEventFilter(this);
    startUp_->ApplyCommandLine(services_.Arguments);
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

QDateTime MainWindow::Now() const {
    return services_.Now ? services_.Now() : QDateTime::currentDateTime();
}

QWidget* MainWindow::BuildButtons() {
    btStart =
        Button(QStringLiteral("btStart"), QStringLiteral("&Начать"), QStringLiteral("Начать проверку описи"));
    QFont bold = btStart->font();
    bold.setBold(true);
    btStart->setFont(bold);
    btExit = Button(QStringLiteral("btExit"), QStringLiteral("В&ыход"),
                    QStringLiteral("Выход из программы (Esc)"));
    btStop = Button(QStringLiteral("btStop"), QStringLiteral("Прервать"), {});
    btStop->hide();
    btRunWord = Button(
        QStringLiteral("btRunWord"), QStringLiteral("&Word"),
        QStringLiteral("Открыть документ в текстовом редакторе\nНажмите правую кнопку мыши для опций"));
    btHelp = Button(QStringLiteral("btHelp"), QStringLiteral("&Справка"),
                    QStringLiteral("Справка по программе (F1)"));
    auto* row = new QWidget;
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(btStart);
    buttons->addWidget(btExit);
    buttons->addWidget(btStop);
    buttons->addStretch();
    buttons->addWidget(btRunWord);
    buttons->addWidget(btHelp);
    return row;
}

void MainWindow::ConnectCommands() {
    connect(btStart, &QPushButton::clicked, this, &MainWindow::StartCheck);
    connect(menu_.mmStart, &QAction::triggered, this, &MainWindow::StartCheck);
    connect(page_, &MainPage::FileChoiceDoubleClicked, this, &MainWindow::StartCheck);
    connect(btStop, &QPushButton::clicked, this, &MainWindow::StopCheck);
    connect(btExit, &QPushButton::clicked, this, &QWidget::close);
    connect(menu_.mmExit, &QAction::triggered, this, &QWidget::close);
    connect(checks_, &CheckController::Finished, this, &MainWindow::OnCheckFinished);
    connect(checkHost_, &QtCheckHost::StatusShown, status_,
            qOverload<const QString&>(&StatusCaption::ShowStatus));
    connect(checkHost_, &QtCheckHost::CaptionSet, status_, &StatusCaption::SetCaption);
    connect(checkHost_, &QtCheckHost::ApplicationTitleSet, status_, &StatusCaption::SetApplicationTitle);
    connect(checkHost_, &QtCheckHost::MessageShown, this,
            [this](const QByteArray& text) { ShowMessageText(std::string_view(text.data(), text.size())); });
    connect(checkHost_, &QtCheckHost::RunningStateEntered, this, [this] { EnableMainControls(false); });
}

void MainWindow::ShowStatus(std::string_view text1251) {
    status_->ShowStatus(text1251);
}

void MainWindow::ShowMessageText(std::string_view text1251) {
    messages_->ShowMessageText(text1251);
}

void MainWindow::EnableMainControls(bool idle) {
    pgCtrl->setEnabled(idle);
    btStart->setEnabled(idle);
    btRunWord->setEnabled(idle);
    for (QMenu* menu : menu_.TopMenus()) {
        menu->menuAction()->setEnabled(idle);
        for (QAction* action : menu->actions()) action->setEnabled(idle);
    }
    btExit->setVisible(idle);
    btStop->setVisible(!idle);
    (idle ? btStart : btStop)->setFocus();
    status_->SetApplicationTitle(StatusCaption::FullTitle());
}

bool MainWindow::CheckRunning() const {
    return checks_->Running();
}

void MainWindow::StartCheck() {
    if (checks_->Running()) return;
    documents_->RefreshChangedOnDisk();
    if (!ChooseDocument(*this, ChooseMode::Check)) return;
    page_->CheckShowErrors();
    check::CheckOptions options;
    options.ShowWarnings = page_->ShowWarnings();
    options.ShowHints = page_->ShowHints();
    WindowOptions fields;
    page_->Store(fields);
    options.TwoDateColumns = fields.TwoDateColumns;
    options.DatesMayBeEmpty = fields.DatesMayBeEmpty;
    options.SheetsMayBeEmpty = fields.SheetsMayBeEmpty;
    more_->FillCheckOptions(options);
    options.ReportFolder = ReportFolderFrom(Settings(), services_.Folders.Data);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    EnableMainControls(false);
    WindowOptions more;
    more_->Store(more);
    checks_->Start(options, more.AnnotatedCopy);
}

void MainWindow::StopCheck() {
    checks_->RequestStop();
    ShowStatus(msg::kPaused);
}

void MainWindow::OnCheckFinished() {
    QApplication::restoreOverrideCursor();
    EnableMainControls(true);
    const auto& outcome = checks_->LastOutcome();
    if (!outcome) return;
    if (!outcome->DocumentName.empty() && outcome->End != check::CheckEnd::NoTables) {
        page_->SetLastFile(FromCp(outcome->DocumentName));
        if (word::Document* document = documents_->Active()) RememberLastFilePath(Settings(), *document);
    }
    if (outcome->End == check::CheckEnd::Completed) {
        status_->SetCaption(StatusCaption::FullTitle());
        if (viewer_) viewer_->ShowOutcome(*outcome);
        if (const std::string advice = check::DateRulesAdvice(outcome->DateAlternatives); !advice.empty())
            ShowMessageText(advice);
        if (!checks_->AnnotatedCopyError().empty()) ShowMessageText(checks_->AnnotatedCopyError());
        if (!checks_->AnnotatedCopy().empty())
            ShowMessageText(std::string(msg::kAnnotatedCopyWritten) +
                            text::Utf8ToCp1251(checks_->AnnotatedCopy().string()));
        if (!checks_->ReportDocumentError().empty())
            ShowMessageText(checks_->ReportDocumentError());
        else if (!checks_->ReportDocument().empty())
            shell_->Open(QUrl::fromLocalFile(QString::fromStdString(checks_->ReportDocument().string())));
    } else if (outcome->End == check::CheckEnd::Failed && !outcome->Message.empty()) {
        ShowMessageText(outcome->Message);
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool running = checks_->Running();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        (running ? btStop : btStart)->click();
        return;
    }
    if (event->key() == Qt::Key_Escape && running) {
        btStop->click();
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
        page_->SetFileName(QDir::toNativeSeparators(url.toLocalFile()));
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
    WindowOptions options;
    page_->Store(options);
    more_->Store(options);
    WriteWindowOptions(Settings(), options);
    WriteWindowPosition(Settings(), x(), y());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closed_) return QMainWindow::closeEvent(event);
    // Closing during a check stops it as Прервать would, keeping the row to resume at.
    checks_->StopAndWait();
    if (more_->cbCloseRepFileOnExit->isChecked())
        documents_->CloseReportDocuments(more_->cbCloseRepFile->isChecked());
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
