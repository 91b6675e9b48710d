// Case numbering: the first cell of every case row of the main table numbered 1, 2, 3 ... as text,
// or emptied and numbered by one list of the word processor.

#include "check/TableLayout.h"
#include "text/CharClasses.h"
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

bool IsCase(std::string_view numberingText) {
    return !check::IsHeadingRow(numberingText) && !check::IsEmptyRow(numberingText) &&
           !check::IsNumberingRow(numberingText);
}

// Row 1 is the table's header when the check run would skip it as the header: its number cell
// holds "№" and another cell names its column. It is not a case and keeps its text.
bool IsTableHeader(word::Table& table, std::string_view rowText) {
    const check::ColumnLayout layout = check::DetectColumns(table, check::CheckOptions{}).Layout;
    const check::ListNumberReader listNumber = [&] {
        return table.Cell(1, 1)->Range()->ListFormat()->ListString();
    };
    return check::IsHeaderRow(check::SplitRow(rowText, layout, false, listNumber));
}

// A row whose number cell continues a vertical merge belongs to the case above it (its number
// shows once, in the merge's first row): it gets no number of its own.
bool ContinuesCaseAbove(word::Table& table, int row) {
    return row > 1 && table.Cell(row, 1)->ContinuesVerticalMerge();
}

// "5а", "12АБ", "7-б": digits followed by letters.
bool IsLiteralNumber(std::string_view number) {
    std::size_t k = 0;
    while (k < number.size() && text::IsDigit(static_cast<unsigned char>(number[k]))) ++k;
    if (k == 0 || k == number.size()) return false;
    if (number[k] == '-' || number[k] == ' ') ++k;
    if (k == number.size()) return false;
    for (; k < number.size(); ++k) {
        const int c = static_cast<unsigned char>(number[k]);
        if (!text::IsCyrillicLetter(c) && !text::IsLatinLetter(c)) return false;
    }
    return true;
}

struct CaseRow {
    int Row = 0;
    std::string Number;  // the number cell's own text as it was, trimmed
    // The row's other cells are those of a column-numbering row and its number comes from a list:
    // whether it is a case depends on the number the list shows once the rows above lost theirs.
    bool ListDecides = false;
};

// The case rows of the main table, top to bottom. All rows are classified before the first edit:
// the list numbers are those the document shows when the command starts, so that no number has to
// be counted again over the whole document after every row (only ListDecides rows are asked again).
std::vector<CaseRow> CaseRows(word::Document& document, int mainTable, ToolHost& host) {
    std::vector<CaseRow> cases;
    auto table = document.Tables()->Item(mainTable);
    const int rowCount = table->Rows()->Count();
    for (int r = 1; r <= rowCount; ++r) {
        if (r % 1024 == 0) detail::CheckStop(host);
        const std::string rowText = check::RowTextFromRange(table->Rows()->Item(r)->Range()->Text());
        const std::string_view trimmed = text::TrimView(rowText);
        const std::string listNumber = table->Cell(r, 1)->Range()->ListFormat()->ListString();
        if (!IsCase(NumberingText(trimmed, listNumber))) continue;
        if (r == 1 && IsTableHeader(*table, rowText)) continue;
        if (ContinuesCaseAbove(*table, r)) continue;
        const bool listDecides = !listNumber.empty() && !trimmed.empty() && check::IsNumberingRow(trimmed);
        cases.push_back({r, text::Trim(rowText.substr(0, rowText.find('\t'))), listDecides});
    }
    return cases;
}

bool StillACase(word::Table& table, const CaseRow& row) {
    const std::string rowText = check::RowTextFromRange(table.Rows()->Item(row.Row)->Range()->Text());
    const std::string listNumber = table.Cell(row.Row, 1)->Range()->ListFormat()->ListString();
    return IsCase(NumberingText(text::TrimView(rowText), listNumber));
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
            for (const CaseRow& row : CaseRows(document, outcome.MainTable, host)) {
                detail::CheckStop(host);
                auto table = document.Tables()->Item(outcome.MainTable);
                if (row.ListDecides && !StillACase(*table, row)) continue;
                auto cell = table->Cell(row.Row, 1)->Range();
                ++outcome.Count;
                if (IsLiteralNumber(row.Number))
                    outcome.LiteralNumbers.push_back({row.Number, outcome.Count});
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
