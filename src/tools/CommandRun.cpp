#include "tools/CommandRun.h"

#include "check/MainTable.h"
#include "check/TableLayout.h"
#include "text/TextHelpers.h"
#include "word/WordModel.h"

namespace tabulex::tools::detail {

bool Confirmed(ToolHost& host, const ToolOptions& options, const Confirmation& confirmation) {
    return options.ShiftHeld || host.Confirm(confirmation);
}

void CheckStop(ToolHost& host) {
    if (host.StopRequested()) throw CommandEnd{ToolEnd::Stopped};
}

int MainTableOf(word::Document& document) {
    return check::PickMainTable(*document.Tables());
}

void BeginOnMainTable(Tool tool, word::Document& document, ToolHost& host, const ToolOptions& options,
                      const CommandTexts& texts, ToolOutcome& outcome) {
    if (!Confirmed(host, options, ConfirmationOf(tool, texts))) throw CommandEnd{ToolEnd::Cancelled};
    outcome.MainTable = MainTableOf(document);
    host.ShowStatus(texts.Progress);
}

std::string FieldText(word::Row& row) {
    return text::Trim(check::RowTextFromRange(row.Range()->Text()));
}

Confirmation ConfirmationOf(Tool tool, const CommandTexts& texts, std::string_view filledText) {
    return {tool, texts.ConfirmCaption, filledText.empty() ? texts.ConfirmText : filledText,
            texts.ConfirmHelp};
}

std::string CountText(const CommandTexts& texts, int count) {
    return text::FillIn(texts.Result, {std::to_string(count)});
}

}  // namespace tabulex::tools::detail
