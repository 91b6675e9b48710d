#pragma once

// The main window: the two pages, the buttons below them and the menu. It owns the parts and
// switches between the idle and the running state; the commands live in their own classes
// (FileCommands, HelpCommands, ToolCommands, StartUp) and the check in CheckController.

#include "app/AppFolders.h"
#include "app/MainMenu.h"

#include <QDateTime>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <string_view>

class QPushButton;
class QTabWidget;

namespace tabulex::app {

class CheckController;
class DesktopShell;
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
    check::Settings* Settings = nullptr;
    UserDialogs* Dialogs = nullptr;  // null: the real dialogs
    DesktopShell* Shell = nullptr;   // null: the desktop's default handlers
    std::function<QDateTime()> Now;  // null: the clock
    QStringList Arguments;           // the command line without the program
};

class MainWindow : public QMainWindow {
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
    UserDialogs& Dialogs() const { return *dialogs_; }
    DesktopShell& Shell() const { return *shell_; }
    check::Settings& Settings() const { return *services_.Settings; }
    const AppFolders& Folders() const { return services_.Folders; }
    QDateTime Now() const;
    FileCommands& Files() const { return *files_; }
    ToolCommands& Tools() const { return *tools_; }
    StartUp& Starting() const { return *startUp_; }

    void ShowStatus(std::string_view text1251);
    void ShowMessageText(std::string_view text1251);
    // Switches between the idle state and the running state, where only Прервать reacts.
    void EnableMainControls(bool idle);
    bool ShiftHeld() const { return shiftHeld_; }

    // btStartClick: chooses the document and starts a check of it.
    void StartCheck();
    // btStopClick.
    void StopCheck();
    bool CheckRunning() const;

    QTabWidget* Pages;
    QPushButton* StartButton;
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
    void ConnectCommands();
    void OnCheckFinished();
    void WriteSettingsAtExit();
    // Asks about every modified document; false when the user cancelled the exit.
    bool CloseDocumentsAtExit();

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
    std::unique_ptr<MessageWindow> messages_;
    std::unique_ptr<ReportViewer> viewer_;
    std::unique_ptr<HelpWindow> help_;
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
