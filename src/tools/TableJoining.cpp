// Joining the inventory's table that a stray paragraph split: every table right after the main
// table that continues its case numbers (the check's split-table error) becomes part of it.

#include "check/TableParts.h"
#include "tools/CommandRun.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

namespace tabulex::tools {

ToolOutcome JoinTables(word::Document& document, ToolHost& host, const ToolOptions& options,
                       const CommandTexts& texts) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        detail::BeginOnMainTable(Tool::JoinTables, document, host, options, texts, outcome);
        detail::BusyCursor busy(host);
        const bool twoDateColumns = options.Table.TwoDateColumns;
        // A table split more than once continues part after part.
        while (outcome.MainTable != 0) {
            detail::CheckStop(host);
            auto table = document.Tables()->Item(outcome.MainTable);
            const check::ColumnLayout layout = check::CheckedColumns(*table, options.Table);
            const std::string last = check::LastCaseNumber(*table, layout, twoDateColumns);
            if (!check::FindContinuingTable(document, outcome.MainTable, layout, twoDateColumns, last)) break;
            document.JoinTableWithNext(outcome.MainTable);
            ++outcome.Count;
        }
        host.ShowStatus(detail::CountText(texts, outcome.Count));
    });
}

}  // namespace tabulex::tools
