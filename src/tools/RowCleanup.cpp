// Row clean-up: deleting the empty rows, or the column-numbering rows, of the main table.

#include "check/TableLayout.h"
#include "tools/CommandRun.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

namespace tabulex::tools {
namespace {

using RowTest = bool (*)(std::string_view fieldText);

// Visits the rows of the main table from the last down to `firstRow` and deletes those the test
// picks; going upwards, a deletion never moves a row still to be visited.
ToolOutcome DeleteRows(Tool tool, word::Document& document, ToolHost& host, const ToolOptions& options,
                       const CommandTexts& texts, RowTest test, int firstRow) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        detail::BeginOnMainTable(tool, document, host, options, texts, outcome);
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
        host.ShowStatus(detail::CountText(texts, outcome.Count));
    });
}

}  // namespace

ToolOutcome DeleteEmptyRows(word::Document& document, ToolHost& host, const ToolOptions& options,
                            const CommandTexts& texts) {
    return DeleteRows(Tool::DeleteEmptyRows, document, host, options, texts, check::IsEmptyRow, 1);
}

ToolOutcome DeleteNumberingRows(word::Document& document, ToolHost& host, const ToolOptions& options,
                                const CommandTexts& texts) {
    // Row 1 is never examined: it is the table's header.
    return DeleteRows(Tool::DeleteNumberingRows, document, host, options, texts, check::IsNumberingRow, 2);
}

}  // namespace tabulex::tools
