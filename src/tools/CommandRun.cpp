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

std::string FieldText(word::Row& row) {
    return text::Trim(check::RowTextFromRange(row.Range()->Text()));
}

std::string CountText(std::string_view prefix, int count) {
    std::string result(prefix);
    result += std::to_string(count);
    return result;
}

}  // namespace tabulex::tools::detail
