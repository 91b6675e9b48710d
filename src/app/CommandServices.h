#pragma once

// What the command classes of the window work with, instead of the whole window: the open
// documents, the questions, the settings file, where status texts and messages go, the desktop,
// the options as the window shows them at this moment (one snapshot of both pages), and the help.

#include "app/AppFolders.h"
#include "app/HelpTopics.h"
#include "app/WindowOptions.h"

#include <QString>

#include <functional>
#include <string_view>

namespace tabulex::app {

class DesktopShell;
class DocumentSession;
class UserDialogs;

// Status texts in the caption and messages in the message window (1251, CR line breaks).
class StatusSink {
  public:
    virtual ~StatusSink() = default;
    virtual void ShowStatus(std::string_view text1251) = 0;
    virtual void ShowMessageText(std::string_view text1251) = 0;
    // The caption set without giving way to the program's name (progress, outcomes).
    virtual void SetCaption(const QString& text) = 0;
    virtual void SetApplicationTitle(const QString& text) = 0;
    // The program's name and the active document's, as the caption reads when nothing happens.
    virtual void ShowIdleCaption() = 0;
    virtual QString Caption() const = 0;
};

struct CommandServices {
    DocumentSession& Documents;
    UserDialogs& Dialogs;
    settings::Settings& Settings;
    StatusSink& Status;
    DesktopShell& Shell;
    const AppFolders& Folders;
    std::function<WindowOptions()> Options;
    // Opens the help at a place, over the main window.
    std::function<void(const HelpPlace&)> ShowHelp;
};

}  // namespace tabulex::app
