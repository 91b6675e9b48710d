#pragma once

// The commands on files and documents: the Файл menu, the popup of "Обзор..." and the button
// "Word" with its popup.

#include "app/CommandServices.h"

#include <QObject>

#include <functional>

class QPushButton;
class QWidget;

namespace tabulex::app {

class CheckController;
class DocumentOpener;
class MainPage;
class ReportViewer;
struct MainMenu;

class FileCommands : public QObject {
    Q_OBJECT
  public:
    FileCommands(const CommandServices& services, DocumentOpener& opener, MainPage& fileChoice,
                 const CheckController& checks, std::function<ReportViewer&()> viewer, QWidget* window);
    // Connects the menu items and the two buttons with their popups.
    void Connect(const MainMenu& menu, QPushButton* browse, QPushButton* editor);

    void Open();
    void Browse();
    void OpenLast();
    void OpenNamed();
    void OpenFolder();
    void Close();
    void Save();
    void SaveAs();
    void CloseReport();
    // The active document (or the last report) in the desktop's editor.
    void RunWord();
    // The report viewer.
    void OpenReport();

  private:
    void SaveDocument(bool asNewFile);
    // Runs a command that may fail in the document host, showing the host's message.
    template <typename Command>
    void Guarded(Command command);

    CommandServices services_;
    DocumentOpener& opener_;
    MainPage& fileChoice_;
    const CheckController& checks_;
    std::function<ReportViewer&()> viewer_;
    QWidget* window_;  // what the report viewer opens over
};

}  // namespace tabulex::app
