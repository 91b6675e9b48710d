// Row clean-up: deleting the empty rows, or the column-numbering rows, of the main table.

#include "check/TableLayout.h"
#include "tools/CommandRun.h"
#include "tools/ToolTexts.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

namespace tabulex::tools {
namespace {

using RowTest = bool (*)(std::string_view fieldText);

// Visits the rows of the main table from the last down to `firstRow` and deletes those the test
// picks; going upwards, a deletion never moves a row still to be visited.
ToolOutcome DeleteRows(word::Document& document, ToolHost& host, const ToolOptions& options,
                       const Confirmation& confirmation, RowTest test, int firstRow,
                       std::string_view result) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        if (!detail::Confirmed(host, options, confirmation)) throw detail::CommandEnd{ToolEnd::Cancelled};
        outcome.MainTable = detail::MainTableOf(document);
        host.ShowStatus(msg::kDeletingRows);
        detail::BusyCursor busy(host);
        const int rowCount =
            outcome.MainTable == 0 ? 0 : document.Tables()->Item(outcome.MainTable)->Rows()->Count();
        for (int r = rowCount; r >= firstRow; --r) {
            detail::CheckStop(host);
            auto row = document.Tables()->Item(outcome.MainTable)->Rows()->Item(r);
            if (!test(detail::FieldText(*row))) continue;
            row->Delete();
            ++outcome.Count;
        }
        host.ShowStatus(detail::CountText(result, outcome.Count));
    });
}

}  // namespace

ToolOutcome DeleteEmptyRows(word::Document& document, ToolHost& host, const ToolOptions& options) {
    const Confirmation confirmation{Tool::DeleteEmptyRows, msg::kDeleteEmptyCaption, msg::kDeleteEmptyText,
                                    true};
    return DeleteRows(document, host, options, confirmation, check::IsEmptyRow, 1, msg::kRowsDeleted);
}

ToolOutcome DeleteNumberingRows(word::Document& document, ToolHost& host, const ToolOptions& options) {
    const Confirmation confirmation{Tool::DeleteNumberingRows, msg::kDeleteNumberingCaption,
                                    msg::kDeleteNumberingText, false};
    // Row 1 is never examined: it is the table's header.
    return DeleteRows(document, host, options, confirmation, check::IsNumberingRow, 2,
                      msg::kNumberingRowsDeleted);
}

}  // namespace tabulex::tools
