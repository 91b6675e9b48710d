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

    MainWindow& window_;
};

}  // namespace tabulex::app
