#pragma once

// The commands on files and documents: the Файл menu, the popup of "Обзор..." and the button
// "Word" with its popup.

#include <QObject>

namespace tabulex::app {

class MainWindow;

class FileCommands : public QObject {
    Q_OBJECT
  public:
    explicit FileCommands(MainWindow& window);

    void Open();         // mmOpen
    void Browse();       // btBrowse, N1
    void OpenLast();     // mmOpenLast, N7
    void OpenNamed();    // N3
    void OpenFolder();   // N2
    void Close();        // mmClose
    void Save();         // mmSave
    void SaveAs();       // mmSaveAs
    void CloseReport();  // N4, pmCloseRep
    void RunWord();      // btRunWord, pmWord: the document (or the report) in the desktop's editor
    void OpenReport();   // pmOpenRep: the report viewer

  private:
    void SaveDocument(bool asNewFile);
    // Runs a command that may fail in the document host, showing the host's message.
    template <typename Command>
    void Guarded(Command command);

    MainWindow& window_;
};

}  // namespace tabulex::app
