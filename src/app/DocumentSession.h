#pragma once

// The documents open in the window: the in-process document host plays the running word
// processor. Adds what the host leaves to a front end: asking to save a modified document before
// closing it, saving, and noticing a file that another program changed while it is open here.

#include "word/WordModel.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <atomic>

#include <map>
#include <memory>
#include <vector>

namespace tabulex::app {

class UserDialogs;

// What the window shows of one open document.
struct OpenDocumentEntry {
    QString Name;
    QString Path;
    bool Active = false;
    bool Modified = false;
};

class DocumentSession : public QObject {
    Q_OBJECT
  public:
    DocumentSession(std::unique_ptr<word::Application> application, UserDialogs& dialogs);

    word::Application& Application() { return *application_; }
    int Count() const;
    // The active document, or null when none is open.
    word::Document* Active();
    // Opens a file (or activates it when it is open); throws text::Error. `stop`, when set while
    // the file is read, ends the opening with an Error. May run on a worker thread.
    word::Document& Open(const QString& path, const std::atomic<bool>* stop = nullptr);
    // The open documents in the order they were opened.
    std::vector<OpenDocumentEntry> Entries();
    // Makes the document at `index` (0-based, as Entries lists it) the active one.
    void Activate(int index);
    // Closes the active document, asking first when it has unsaved changes; false when the user
    // kept it open or none was open.
    bool CloseActive();
    // Saves the active document; a document read from another format is saved as .docx under a
    // name the user chooses. False when nothing was saved.
    bool SaveActive();
    bool SaveActiveAs();
    // Closes every document named "Tabulex_Report.txt": without saving when `discard`, else asking.
    void CloseReportDocuments(bool discard);
    // Re-reads documents changed on disk: an unmodified one silently, a modified one only when the
    // user says so. Called before every command; false when the user cancelled the command.
    bool RefreshChangedOnDisk();

  signals:
    // A document was opened, closed, activated or saved under another name (from any thread).
    void Changed();

  private:
    QDateTime DiskTime(const word::Document& document) const;
    void Remember(const word::Document& document);
    bool SaveAs(word::Document& document);
    // Closes with the save question; false when the user cancelled.
    bool CloseAsking(word::Document& document);

    std::unique_ptr<word::Application> application_;
    UserDialogs& dialogs_;
    // The modification time of each document's file when it was read or saved here.
    std::map<const word::Document*, QDateTime> diskTimes_;
};

}  // namespace tabulex::app
