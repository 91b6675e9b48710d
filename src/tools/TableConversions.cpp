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

struct Conversion {
    Tool Which;
    std::string_view QuestionStatus;  // empty: the command never asks
    std::string_view QuestionText1;
    std::string_view QuestionText2;
    std::string_view Progress;
};

std::string TablesCaption(int index, int count) {
    std::string caption(msg::kTablesProgress);
    caption += std::to_string(index) + " / " + std::to_string(count);
    return caption;
}

// Counts the tables, asks (the box's caption is the status text shown just before), then handles
// table N down to table 1, setting the caption after each.
ToolOutcome ConvertTables(word::Document& document, ToolHost& host, const ToolOptions& options,
                          const Conversion& conversion, const std::function<void(word::Table&)>& handle) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        const int count = document.Tables()->Count();
        if (!conversion.QuestionStatus.empty() && !options.ShiftHeld) {
            host.ShowStatus(conversion.QuestionStatus);
            std::string text(conversion.QuestionText1);
            text += std::to_string(count);
            text += conversion.QuestionText2;
            if (!host.Confirm({conversion.Which, conversion.QuestionStatus, text, true}))
                throw detail::CommandEnd{ToolEnd::Cancelled};
        }
        host.ShowStatus(conversion.Progress);
        detail::BusyCursor busy(host);
        for (int i = count; i >= 1; --i) {
            detail::CheckStop(host);
            handle(*document.Tables()->Item(i));
            host.SetCaption(TablesCaption(i, count));
        }
        outcome.Count = count;
        host.ShowStatus(detail::CountText(msg::kTablesConverted, count));
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
            if (!text::TrimView(range->Text()).empty()) continue;
            auto list = range->ListFormat();
            if (text::TrimView(list->ListString()).empty()) continue;
            list->ConvertNumbersToText();
        }
    }
}

}  // namespace

ToolOutcome TablesToText(word::Document& document, ToolHost& host, const ToolOptions& options) {
    const Conversion conversion{Tool::TablesToText, msg::kConvertTablesStatus, msg::kConvertTablesText1,
                                msg::kConvertTablesText2, msg::kConvertingTables};
    return ConvertTables(document, host, options, conversion,
                         [](word::Table& table) { table.ConvertToText(); });
}

ToolOutcome ListsToText(word::Document& document, ToolHost& host, const ToolOptions& options) {
    const Conversion conversion{Tool::ListsToText, msg::kConvertListsStatus, msg::kConvertListsText1,
                                msg::kConvertListsText2, msg::kConvertingLists};
    return ConvertTables(document, host, options, conversion, ListsOfTableToText);
}

ToolOutcome ForbidRowBreaks(word::Document& document, ToolHost& host, const ToolOptions& options) {
    const Conversion conversion{Tool::ForbidRowBreaks, {}, {}, {}, msg::kForbiddingBreaks};
    return ConvertTables(document, host, options, conversion,
                         [](word::Table& table) { table.Rows()->SetAllowBreakAcrossPages(word::kFalse); });
}

}  // namespace tabulex::tools
