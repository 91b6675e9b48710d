// The date commands of the Даты menu: each rewrites the dates of the main table's dates column (or
// both date columns) that it can read, and leaves every other text alone.

#include "check/TableLayout.h"
#include "text/TextHelpers.h"
#include "tools/CommandRun.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

#include <vector>

namespace tabulex::tools {
namespace {

struct PlannedChange {
    DateChange Change;
    int Cell = 0;
};

// A cell's text without its end-of-cell mark.
std::string CellText(word::Table& table, int row, int cell) {
    std::string text = table.Cell(row, cell)->Range()->Text();
    if (text.ends_with("\r\a")) text.resize(text.size() - 2);
    return text;
}

bool IsCaseRow(word::Table& table, int row, const check::ColumnLayout& layout, const ToolOptions& options) {
    const std::string rowText = check::RowTextFromRange(table.Rows()->Item(row)->Range()->Text());
    if (check::IsHeadingRow(rowText) || check::IsEmptyRow(rowText) || check::IsNumberingRow(rowText))
        return false;
    if (row != 1) return true;
    const check::ListNumberReader listNumber = [&] {
        return table.Cell(1, 1)->Range()->ListFormat()->ListString();
    };
    return !check::IsHeaderRow(check::SplitRow(rowText, layout, options.Table.TwoDateColumns, listNumber));
}

// Every change the command would make, read before the first edit, so that the question can say
// how many dates it changes.
std::vector<PlannedChange> PlanChanges(rules::DateRewrite rewrite, word::Table& table, ToolHost& host,
                                       const ToolOptions& options) {
    const check::ColumnLayout layout = check::DetectColumns(table, options.Table).Layout;
    const int first = check::CellOfRole(layout, options.Table.TwoDateColumns, check::CellRole::Dates);
    const int last = options.Table.TwoDateColumns ? first + 1 : first;
    std::vector<PlannedChange> changes;
    const int rowCount = table.Rows()->Count();
    for (int r = 1; r <= rowCount; ++r) {
        if (r % 1024 == 0) detail::CheckStop(host);
        if (!IsCaseRow(table, r, layout, options)) continue;
        const int cellCount = table.Rows()->Item(r)->CellCount();
        for (int c = first; c <= last && c <= cellCount; ++c) {
            std::string before = CellText(table, r, c);
            auto after = rules::RewriteDates(rewrite, before, options.Table.Rules);
            if (after) changes.push_back({{r, std::move(before), std::move(*after)}, c});
        }
    }
    return changes;
}

std::string ProgressText(const CommandTexts& texts, int row, int rowCount) {
    return text::FillIn(texts.Progress, {std::to_string(row), std::to_string(rowCount)});
}

}  // namespace

ToolOutcome RewriteDates(Tool tool, rules::DateRewrite rewrite, word::Document& document, ToolHost& host,
                         const ToolOptions& options, const CommandTexts& texts) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        outcome.MainTable = detail::MainTableOf(document);
        std::vector<PlannedChange> changes;
        int rowCount = 0;
        if (outcome.MainTable != 0) {
            auto table = document.Tables()->Item(outcome.MainTable);
            rowCount = table->Rows()->Count();
            changes = PlanChanges(rewrite, *table, host, options);
        }
        if (!changes.empty()) {
            const std::string question = text::FillIn(texts.ConfirmText, {std::to_string(changes.size())});
            if (!detail::Confirmed(host, options, detail::ConfirmationOf(tool, texts, question)))
                throw detail::CommandEnd{ToolEnd::Cancelled};
        }
        detail::BusyCursor busy(host);
        host.ShowStatus(ProgressText(texts, 1, rowCount));
        for (PlannedChange& planned : changes) {
            detail::CheckStop(host);
            host.SetCaption(ProgressText(texts, planned.Change.Row, rowCount));
            document.Tables()
                ->Item(outcome.MainTable)
                ->Cell(planned.Change.Row, planned.Cell)
                ->Range()
                ->SetText(planned.Change.After);
            ++outcome.Count;
            outcome.DateChanges.push_back(std::move(planned.Change));
        }
        host.ShowStatus(detail::CountText(texts, outcome.Count));
    });
}

}  // namespace tabulex::tools
