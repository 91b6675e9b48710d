#pragma once

// ChooseDocument: makes the document a command works on the active one, from the file choice of
// the main window (the open document, the last checked file or another file), asking the user
// when there is nothing to work on.

#include "settings/Settings.h"
#include "word/WordModel.h"

#include <QString>

namespace tabulex::app {

class MainWindow;

enum class ChooseMode {
    Check,  // the check run and the heading formatting: may fall back to the last file
    Edit,   // the editing commands
};

// True when a document is active and the command may go on.
bool ChooseDocument(MainWindow& window, ChooseMode mode);

// Opens `path` (1251 or UTF-8 as the file system names it) and makes it active; shows the host's
// message and returns false when it cannot be opened.
bool OpenDocument(MainWindow& window, const QString& path);

// The last checked file's full path beside its name (LastFile), so that "Последний файл" finds it
// wherever it lies.
void RememberLastFilePath(settings::Settings& settings, const word::Document& document);

}  // namespace tabulex::app
