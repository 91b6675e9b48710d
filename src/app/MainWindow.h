#pragma once

// The main window: the two pages, the buttons below them and the menu. It owns the parts, gives
// each command class the few services it uses (CommandServices), and switches between the idle
// and the running state; the commands live in their own classes (FileCommands, HelpCommands,
// ToolCommands, StartUp) and the check in CheckController.

#include "app/AppFolders.h"
#include "app/CommandServices.h"
#include "app/MainMenu.h"

#include <QDateTime>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QPushButton;
class QTabWidget;

namespace tabulex::check {
struct InventoryCheck;
}

namespace tabulex::app {

class CheckController;
class DesktopShell;
class DocumentChooser;
class DocumentListMenu;
class DocumentOpener;
class DocumentSession;
class FileCommands;
class HelpCommands;
class HelpWindow;
class MainPage;
class MessageWindow;
class QtCheckHost;
class ReportViewer;
class SettingsPage;
class StartUp;
class StatusCaption;
class ToolCommands;
class UserDialogs;

// What the program (or a test) gives the window.
struct AppServices {
    AppFolders Folders;
    settings::Settings* Settings = nullptr;
    UserDialogs* Dialogs = nullptr;  // null: the real dialogs
    DesktopShell* Shell = nullptr;   // null: the desktop's default handlers
    std::function<QDateTime()> Now;  // null: the clock
    QStringList Arguments;           // the command line without the program
};

class MainWindow : public QMainWindow, public StatusSink {
    Q_OBJECT
  public:
    explicit MainWindow(AppServices services);
    ~MainWindow() override;

    MainPage* InventoryTab() const { return page_; }
    SettingsPage* SettingsTab() const { return more_; }
    const MainMenu& Menu() const { return menu_; }
    StatusCaption& Status() const { return *status_; }
    MessageWindow& Messages() const { return *messages_; }
    DocumentSession& Documents() const { return *documents_; }
    CheckController& Checks() const { return *checks_; }
    ReportViewer& Viewer();
    HelpWindow& Help();
    settings::Settings& Settings() const { return *services_.Settings; }
    StartUp& Starting() const { return *startUp_; }
    DocumentListMenu& DocumentList() const { return *documentList_; }
    // Every option of both pages as they are now.
    WindowOptions Options() const;

    void ShowStatus(std::string_view text1251) override;
    void ShowMessageText(std::string_view text1251) override;
    void SetCaption(const QString& text) override;
    void SetApplicationTitle(const QString& text) override;
    QString Caption() const override;
    void ShowIdleCaption() override;

    // Switches between the idle state and the running state, where only Прервать reacts.
    void EnableMainControls(bool idle);
    bool ShiftHeld() const { return shiftHeld_; }

    // Начать: chooses the document and starts a check of it.
    void StartCheck();
    // Прервать: stops the check, or the opening of a document.
    void StopCheck();
    bool CheckRunning() const;

    QTabWidget* Pages;
    QPushButton* StartButton;
    QPushButton* ReportButton;  // shown once a report exists
    QPushButton* ExitButton;
    QPushButton* StopButton;
    QPushButton* EditorButton;
    QPushButton* HelpButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QWidget* BuildButtons();
    void BuildCommands();
    void ConnectCommands();
    void OnCheckFinished();
    void ShowCheckOutcome(const check::InventoryCheck& done);
    void OnDocumentsChanged();
    void WriteSettingsAtExit();
    // Asks about every modified document; false when the user cancelled the exit.
    bool CloseDocumentsAtExit();
    // A check or an opening runs: asks whether to stop it; false when the user keeps it running.
    bool AgreeToStopForExit();

    AppServices services_;
    std::unique_ptr<UserDialogs> ownDialogs_;
    std::unique_ptr<DesktopShell> ownShell_;
    UserDialogs* dialogs_;
    DesktopShell* shell_;
    MainPage* page_;
    SettingsPage* more_;
    MainMenu menu_;
    StatusCaption* status_;
    std::unique_ptr<DocumentSession> documents_;
    std::optional<CommandServices> commandServices_;
    std::unique_ptr<MessageWindow> messages_;
    std::unique_ptr<ReportViewer> viewer_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<DocumentOpener> opener_;
    std::unique_ptr<DocumentChooser> chooser_;
    DocumentListMenu* documentList_;
    QtCheckHost* checkHost_;
    CheckController* checks_;
    FileCommands* files_;
    HelpCommands* helpCommands_;
    ToolCommands* tools_;
    StartUp* startUp_;
    bool shiftHeld_ = false;
    bool snapping_ = false;
    bool closed_ = false;
};

}  // namespace tabulex::app
