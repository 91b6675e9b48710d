#pragma once

// What the document tools need from their front end: the status text and the caption, the busy
// cursor, event processing, the confirmations of the commands, the pause question of the heading
// walk and the settings they keep (the last-file memory). The GUI answers with dialogs; the command
// line answers by policy. Every text is Windows-1251; line breaks inside texts are single CRs.

#include "check/FrontEnd.h"

#include <string_view>

namespace tabulex::tools {

// The document tools, in menu order.
enum class Tool {
    DeleteEmptyRows,
    DeleteNumberingRows,
    NumberCases,
    AutoNumberCases,
    TablesToText,
    ListsToText,
    ForbidRowBreaks,
    DeleteGraphics,
    FormatHeadings,
    JoinTables,
    DatesFullYear,
    DatesMonthWords,
    DatesMonthNumbers,
    DatesDropZero,
    DatesAddZero,
    DatesDropYearMark,
    DatesAddYearMark,
    DatesJoinRanges,
};

// The question a command asks before it changes the document (OK goes on, Cancel ends it).
struct Confirmation {
    tools::Tool Tool = tools::Tool::DeleteEmptyRows;
    std::string_view Caption;
    std::string_view Text;
    bool HasHelp = false;  // the box also offers the Help button
};

// StopRequested: an interruption from outside (Ctrl+C on the command line); the commands end at
// their next row or table and report ToolEnd::Stopped. The window's commands never set it.
class ToolHost : public check::FrontEnd {
  public:
    // The hourglass cursor while a command works.
    virtual void SetBusy(bool busy) = 0;

    // The confirmation of a command; true for OK.
    virtual bool Confirm(const Confirmation& confirmation) = 0;
    // The pause of the heading walk when a row cannot be read: true for OK (read the row again).
    virtual bool AskRowReadAgain(std::string_view title, std::string_view text) = 0;

    // The heading walk brings the main window to the front after recording the last file.
    virtual void BringToFront() = 0;
};

}  // namespace tabulex::tools
