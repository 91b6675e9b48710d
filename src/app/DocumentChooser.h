#pragma once

// Makes the document a command works on the active one, from the file choice of the main window
// (the open document, the last checked file or another file), asking the user when there is
// nothing to work on.

#include "app/CommandServices.h"
#include "word/WordModel.h"

namespace tabulex::app {

class DocumentOpener;
class MainPage;

enum class ChooseMode {
    Check,  // the check run and the heading formatting: may fall back to the last file
    Edit,   // the editing commands
};

class DocumentChooser {
  public:
    DocumentChooser(const CommandServices& services, DocumentOpener& opener, MainPage& fileChoice);

    // True when a document is active and the command may go on.
    bool Choose(ChooseMode mode);
    // The last checked file as it was stored: its full path when known, else its bare name in the
    // program folder.
    QString LastFilePath() const;

  private:
    void PreferOpenDocument();
    bool OpenNamedFile();
    bool OpenLastFile();
    bool AskForDocument();
    QString ProgramFolderFile(const QString& name) const;

    CommandServices services_;
    DocumentOpener& opener_;
    MainPage& fileChoice_;
};

// The last checked file's full path beside its name (LastFile), so that "Последний файл" finds it
// wherever it lies.
void RememberLastFilePath(settings::Settings& settings, const word::Document& document);
QString StoredLastFilePath(const settings::Settings& settings);

}  // namespace tabulex::app
