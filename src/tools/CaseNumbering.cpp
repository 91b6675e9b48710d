// Case numbering: the first cell of every case row of the main table numbered 1, 2, 3 ... as text,
// or emptied and numbered by one list of the word processor.

#include "check/TableLayout.h"
#include "check/TableParts.h"
#include "text/TextHelpers.h"
#include "tools/CommandRun.h"
#include "tools/ToolTexts.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

#include <vector>

namespace tabulex::tools {
namespace {

// The row text with the list number of the first cell in front, as the case test reads it.
std::string NumberingText(std::string_view trimmedRowText, const std::string& listNumber) {
    if (listNumber.empty()) return std::string(trimmedRowText);
    return listNumber + '\t' + std::string(trimmedRowText);
}

// The case rows (1-based) of the main table, top to bottom. All rows are classified before the
// first edit: the list numbers are those the document shows when the command starts, so that no
// number has to be counted again over the whole document after every row.
std::vector<int> CaseRows(word::Document& document, int mainTable, ToolHost& host,
                          const check::CheckOptions& tableOptions) {
    std::vector<int> cases;
    auto table = document.Tables()->Item(mainTable);
    const int rowCount = table->Rows()->Count();
    // The header (row 1 when the check skips it as the header, and the rows that belong to it) is
    // no case and keeps its text.
    const int headerRows = check::CountHeaderRows(*table, check::CheckedColumns(*table, tableOptions),
                                                  tableOptions.TwoDateColumns);
    for (int r = headerRows + 1; r <= rowCount; ++r) {
        if (r % 1024 == 0) detail::CheckStop(host);
        const std::string rowText = check::RowTextFromRange(table->Rows()->Item(r)->Range()->Text());
        const std::string text =
            NumberingText(text::TrimView(rowText), table->Cell(r, 1)->Range()->ListFormat()->ListString());
        if (check::IsHeadingRow(text) || check::IsEmptyRow(text) || check::IsNumberingRow(text)) continue;
        cases.push_back(r);
    }
    return cases;
}

enum class NumberStyle { Text, List };

ToolOutcome Number(word::Document& document, ToolHost& host, const ToolOptions& options,
                   const Confirmation& confirmation, NumberStyle style) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        if (!detail::Confirmed(host, options, confirmation)) throw detail::CommandEnd{ToolEnd::Cancelled};
        outcome.MainTable = detail::MainTableOf(document);
        host.ShowStatus(msg::kNumbering);
        detail::BusyCursor busy(host);
        if (outcome.MainTable != 0) {
            for (int r : CaseRows(document, outcome.MainTable, host, options.Table)) {
                detail::CheckStop(host);
                auto cell = document.Tables()->Item(outcome.MainTable)->Cell(r, 1)->Range();
                ++outcome.Count;
                cell->ListFormat()->RemoveNumbers();
                if (style == NumberStyle::Text) {
                    cell->SetText(std::to_string(outcome.Count));
                } else {
                    cell->SetText({});
                    // One list over all the cases: the numbers show again, now counted by the
                    // word processor.
                    cell->ListFormat()->ApplyNumberedList(outcome.Count > 1);
                }
            }
        }
        host.ShowStatus(detail::CountText(msg::kNumbersSet, outcome.Count));
    });
}

}  // namespace

ToolOutcome NumberCases(word::Document& document, ToolHost& host, const ToolOptions& options) {
    const Confirmation confirmation{Tool::NumberCases, msg::kNumberCaption, msg::kNumberText, true};
    return Number(document, host, options, confirmation, NumberStyle::Text);
}

ToolOutcome AutoNumberCases(word::Document& document, ToolHost& host, const ToolOptions& options) {
    const Confirmation confirmation{Tool::AutoNumberCases, msg::kNumberCaption, msg::kAutoNumberText, true};
    return Number(document, host, options, confirmation, NumberStyle::List);
}

}  // namespace tabulex::tools
