#pragma once

// The document tools: editing commands that repair an inventory in the open document, and the
// loading of its preface. Each command works on the document it is given (the front end has chosen
// it and made it active), asks its confirmation through the ToolHost unless Shift is held, shows its
// progress and result texts, and returns what it did. The commands never save: the front end does,
// after a command ended with ToolEnd::Completed.
//
//   MyHost host;                                   // implements tools::ToolHost
//   tools::ToolOutcome done = tools::RunTool(tools::Tool::DeleteEmptyRows, document, host, {});  //
//   ToolCatalog.h if (done.End == tools::ToolEnd::Completed) document.Save();

#include "check/CheckOptions.h"
#include "check/Clock.h"
#include "rules/DateRewrites.h"
#include "tools/ToolHost.h"

#include <string>
#include <string_view>
#include <vector>

namespace tabulex::word {
class Document;
}

namespace tabulex::tools {

struct ToolOptions {
    // The Shift key was down when the command was chosen: no confirmation is asked.
    bool ShiftHeld = false;
    // How the commands that read the main table's columns find them (the columns, the dates in one
    // column or two) and, for the date commands, the rule set whose dates they read.
    check::CheckOptions Table = {};
};

// What a repair says, carried by its row of the tool catalog (Windows-1251; `%1`, `%2` ... filled in
// by the command): the confirmation it asks unless Shift is held (none when the caption is empty),
// the status while it works and the status at its end.
struct CommandTexts {
    std::string_view ConfirmCaption;
    std::string_view ConfirmText;
    bool ConfirmHelp = false;  // the confirmation also offers the Help button
    std::string_view Progress;
    std::string_view Result;
};

struct HeadingOptions {
    // "Перед проверкой": close the report documents in the word processor first.
    bool CloseReportFile = false;
};

enum class ToolEnd {
    Completed,  // the command ran to its end and showed its result text
    Cancelled,  // the user said Cancel (to the confirmation or to the pause); nothing changed after it
    NoTables,   // the heading walk found no table; nothing changed
    Stopped,    // interrupted from outside (ToolHost::StopRequested); the document is partly changed
    Failed,     // the document host failed part-way; Message holds its text; the document is partly changed
};

// A literal case number ("5а") that case numbering replaced by a plain one.
struct NumberReplacement {
    std::string Old;  // Windows-1251, as the cell held it
    int New = 0;
};

// The floating drawing objects graphics removal deleted, by kind.
struct ShapeCounts {
    int Lines = 0;
    int Pictures = 0;
    int Others = 0;
};

// One dates cell a date command rewrote (Windows-1251 texts).
struct DateChange {
    int Row = 0;
    std::string Before;
    std::string After;
};

struct ToolOutcome {
    ToolEnd End = ToolEnd::Completed;
    // What the result text reports: rows deleted, case numbers written or emptied, tables handled,
    // drawing objects deleted; for the heading walk, the heading rows formatted.
    int Count = 0;
    // The main table the command worked on (1-based), 0 when none or when it works on every table.
    int MainTable = 0;
    // The host's message (Windows-1251) when the command failed.
    std::string Message;
    // Case numbering: the literal numbers replaced, top to bottom.
    std::vector<NumberReplacement> LiteralNumbers;
    // Graphics removal: what was deleted.
    ShapeCounts Shapes;
    // What a date command changed, in table order.
    std::vector<DateChange> DateChanges;
};

// What a front end shows after the result text (empty when nothing): on the terminal (UTF-8)
// "Литерные номера заменены: 5а → 6, 12б → 14", in the window (Windows-1251) "... 5а на 6, ...".
std::string ResultDetailsUtf8(const ToolOutcome& outcome);
std::string ResultDetails(const ToolOutcome& outcome);
// The result text of graphics removal: "Удалено линий: 1, рисунков: 1, других объектов: 0".
std::string ShapesDeletedText(const ShapeCounts& counts);

// Row clean-up: every empty row, or every numbering row ("1|2|3|4|5") below row 1, of the main table.
ToolOutcome DeleteEmptyRows(word::Document& document, ToolHost& host, const ToolOptions& options,
                            const CommandTexts& texts);
ToolOutcome DeleteNumberingRows(word::Document& document, ToolHost& host, const ToolOptions& options,
                                const CommandTexts& texts);

// Case numbering: the first cell of every case row gets 1, 2, 3 ... as text (list numbering
// removed); the header row keeps its text. Auto numbering empties those cells and numbers them by
// one decimal list of the word processor instead.
ToolOutcome NumberCases(word::Document& document, ToolHost& host, const ToolOptions& options,
                        const CommandTexts& texts);
ToolOutcome AutoNumberCases(word::Document& document, ToolHost& host, const ToolOptions& options,
                            const CommandTexts& texts);

// Table conversions over every table, the last first: tables into tab-separated text; list numbers
// of otherwise empty cells into text; rows forbidden to break across pages (never asks).
ToolOutcome TablesToText(word::Document& document, ToolHost& host, const ToolOptions& options,
                         const CommandTexts& texts);
ToolOutcome ListsToText(word::Document& document, ToolHost& host, const ToolOptions& options,
                        const CommandTexts& texts);
ToolOutcome ForbidRowBreaks(word::Document& document, ToolHost& host, const ToolOptions& options,
                            const CommandTexts& texts);

// Every floating drawing object of the document; pictures in line with the text stay.
ToolOutcome DeleteGraphics(word::Document& document, ToolHost& host, const ToolOptions& options,
                           const CommandTexts& texts);

// Heading rows without a list number made bold and kept with the next row, walked from the last row
// up with the check run's progress display; records the document as the last checked file.
ToolOutcome FormatHeadings(word::Document& document, ToolHost& host, const HeadingOptions& options,
                           const CommandTexts& texts, check::Clock& clock = check::SystemClock());

// Every table right after the main table that continues its case numbers, with only blank
// paragraphs between them, is joined to it (its rows move to the main table's end).
ToolOutcome JoinTables(word::Document& document, ToolHost& host, const ToolOptions& options,
                       const CommandTexts& texts);
// A date command (`tool` is the one the question is of): every dates cell of the main table's case
// rows that the rewrite reads is rewritten; the question names how many cells change (none: no
// question). Count is the cells changed.
ToolOutcome RewriteDates(Tool tool, rules::DateRewrite rewrite, word::Document& document, ToolHost& host,
                         const ToolOptions& options, const CommandTexts& texts);

struct PrefaceOutcome {
    ToolEnd End = ToolEnd::Completed;  // Completed or Failed
    // The text before the main table for the memo: cell marks as spaces, every paragraph end, table
    // row end and manual line break as CR LF, pictures left out (Windows-1251); empty when the main
    // table opens the document.
    std::string Text;
    std::string Message;  // the host's message when it failed
};

PrefaceOutcome LoadPreface(word::Document& document);

// The status text of the preface memo's key handler: the code (0..255, Windows-1251) of the
// character before the caret (`caret` counts characters from 0, the memo's SelStart); empty when
// no character precedes it.
std::string CharacterCodeStatus(std::string_view memoText, int caret);

}  // namespace tabulex::tools
