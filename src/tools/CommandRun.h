#pragma once

// The skeleton every editing command shares: the confirmation unless Shift is held, the busy
// cursor, the main table, the stop request, and the end of a command when the document host fails.

#include "text/Error.h"
#include "tools/Tools.h"

#include <string>
#include <string_view>

namespace tabulex::word {
class Document;
class Row;
}  // namespace tabulex::word

namespace tabulex::tools::detail {

// Thrown inside a command to end it early.
struct CommandEnd {
    ToolEnd End;
};

// The hourglass cursor for as long as the command works, also when it ends with an error.
class BusyCursor {
  public:
    explicit BusyCursor(ToolHost& host) : host_(host) { host_.SetBusy(true); }
    ~BusyCursor() { host_.SetBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    ToolHost& host_;
};

// True when the command may go on: Shift held, or the user said OK.
bool Confirmed(ToolHost& host, const ToolOptions& options, const Confirmation& confirmation);
// The confirmation of `tool` in its own words; `filledText` replaces the text when the command has
// filled in its blanks.
Confirmation ConfirmationOf(Tool tool, const CommandTexts& texts, std::string_view filledText = {});
// Ends the command with ToolEnd::Stopped when the front end asks for it.
void CheckStop(ToolHost& host);

// The main table (the most rows, the first of equals), 0 when the document has no table.
int MainTableOf(word::Document& document);
// How a command on the main table begins: its confirmation (a refusal ends it as cancelled), the
// main table into `outcome`, its progress text. The caller then holds the busy cursor.
void BeginOnMainTable(Tool tool, word::Document& document, ToolHost& host, const ToolOptions& options,
                      const CommandTexts& texts, ToolOutcome& outcome);
// The field text of a row: Range.Text trimmed, every end-of-cell mark a TAB.
std::string FieldText(word::Row& row);
// The result text with the count in its blank: "Удалено пустых строк: 12".
std::string CountText(const CommandTexts& texts, int count);

// Runs the body of a command: a failure of the document host ends it with ToolEnd::Failed and the
// host's message; CommandEnd ends it as it says. `outcome` keeps what was counted before.
template <class Body>
ToolOutcome Guarded(ToolOutcome& outcome, Body&& body) {
    try {
        body();
    } catch (const CommandEnd& end) {
        outcome.End = end.End;
    } catch (const text::Error& error) {
        outcome.End = ToolEnd::Failed;
        outcome.Message = error.Message();
    }
    return outcome;
}

}  // namespace tabulex::tools::detail
