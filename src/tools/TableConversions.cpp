// Table conversions over every table of the document, the last table first: tables into text,
// list numbers of empty cells into text, rows forbidden to break across pages.

#include "check/TableLayout.h"
#include "text/TextHelpers.h"
#include "tools/CommandRun.h"
#include "tools/ToolTexts.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

#include <functional>

namespace tabulex::tools {
namespace {

std::string TablesCaption(int index, int count) {
    std::string caption(msg::kTablesProgress);
    caption += std::to_string(index) + " / " + std::to_string(count);
    return caption;
}

// Counts the tables, asks (the box's caption is the status text shown just before), then handles
// table N down to table 1, setting the caption after each.
// A command without a confirmation caption never asks.
ToolOutcome ConvertTables(Tool tool, word::Document& document, ToolHost& host, const ToolOptions& options,
                          const CommandTexts& texts, const std::function<void(word::Table&)>& handle) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        const int count = document.Tables()->Count();
        if (!texts.ConfirmCaption.empty() && !options.ShiftHeld) {
            host.ShowStatus(texts.ConfirmCaption);
            const std::string text = text::FillIn(texts.ConfirmText, {std::to_string(count)});
            if (!host.Confirm(detail::ConfirmationOf(tool, texts, text)))
                throw detail::CommandEnd{ToolEnd::Cancelled};
        }
        host.ShowStatus(texts.Progress);
        detail::BusyCursor busy(host);
        for (int i = count; i >= 1; --i) {
            detail::CheckStop(host);
            handle(*document.Tables()->Item(i));
            host.SetCaption(TablesCaption(i, count));
        }
        outcome.Count = count;
        host.ShowStatus(detail::CountText(texts, count));
    });
}

// Every cell of the table, column by column from the last, each from the bottom up. Only cells
// that hold no text have their list number turned into text; a row with fewer cells than the table
// has columns (merged cells) is read only as far as its cells go. A column-numbering row keeps its
// list numbers: the check reads its empty cells as such, and a number made text there ("1.") would
// make it a case row.
void ListsOfTableToText(word::Table& table) {
    const int rowCount = table.Rows()->Count();
    const int columnCount = table.Columns()->Count();
    std::vector<int> cellsInRow(static_cast<std::size_t>(rowCount) + 1);
    for (int r = 1; r <= rowCount; ++r) {
        auto row = table.Rows()->Item(r);
        cellsInRow[static_cast<std::size_t>(r)] =
            check::IsNumberingRow(detail::FieldText(*row)) ? 0 : row->CellCount();
    }
    for (int c = columnCount; c >= 1; --c) {
        for (int r = rowCount; r >= 1; --r) {
            if (c > cellsInRow[static_cast<std::size_t>(r)]) continue;
            auto range = table.Cell(r, c)->Range();
            // The list number first: most cells have none, and it is found without reading the
            // cell's text.
            auto list = range->ListFormat();
            if (text::TrimView(list->ListString()).empty()) continue;
            if (!text::TrimView(range->Text()).empty()) continue;
            list->ConvertNumbersToText();
        }
    }
}

}  // namespace

ToolOutcome TablesToText(word::Document& document, ToolHost& host, const ToolOptions& options,
                         const CommandTexts& texts) {
    return ConvertTables(Tool::TablesToText, document, host, options, texts,
                         [](word::Table& table) { table.ConvertToText(); });
}

ToolOutcome ListsToText(word::Document& document, ToolHost& host, const ToolOptions& options,
                        const CommandTexts& texts) {
    return ConvertTables(Tool::ListsToText, document, host, options, texts, ListsOfTableToText);
}

ToolOutcome ForbidRowBreaks(word::Document& document, ToolHost& host, const ToolOptions& options,
                            const CommandTexts& texts) {
    return ConvertTables(Tool::ForbidRowBreaks, document, host, options, texts,
                         [](word::Table& table) { table.Rows()->SetAllowBreakAcrossPages(word::kFalse); });
}

}  // namespace tabulex::tools
