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

int CellCount(std::string_view rowRangeText) {
    int marks = 0;
    for (std::size_t i = 0; i + 1 < rowRangeText.size(); ++i)
        if (rowRangeText[i] == '\r' && rowRangeText[i + 1] == '\a') ++marks;
    // The row ends with one more mark than it has cells.
    return marks > 0 ? marks - 1 : 0;
}

std::string CountText(std::string_view prefix, int count) {
    std::string result(prefix);
    result += std::to_string(count);
    return result;
}

}  // namespace tabulex::tools::detail
