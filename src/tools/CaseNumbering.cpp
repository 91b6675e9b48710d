// Case numbering: the first cell of every case row of the main table numbered 1, 2, 3 ... as text,
// or emptied and numbered by one list of the word processor.

#include "check/TableLayout.h"
#include "check/TableParts.h"
#include "text/CharClasses.h"
#include "text/TextHelpers.h"
#include "tools/CommandRun.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

#include <algorithm>
#include <optional>
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

enum class NumberStyle { Text, List };

struct CaseRow {
    int Row = 0;
    std::string Number;  // the number cell's own text as it was, trimmed
    // The row's other cells hold nothing but whole numbers up to 9, as a column-numbering row does:
    // with a small number in front, the check reads the row as a numbering row.
    std::string NumberingLikeRest;
    // Such a row whose number comes from a list: whether it is a case depends on the number the
    // list shows once the rows above lost theirs.
    bool ListDecides = false;
};

// The number cell of a row and what the other cells hold, as texts of the row's own cells (a table
// nested in the number cell adds tabs of its own to the row text).
struct RowParts {
    std::string Number;  // trimmed
    std::string Rest;    // the other cells, tabs between them, trimmed
    // The number cell holds a tab or a table: the check reads what follows as the next cells (a
    // title, dates), which a number written there would delete.
    bool NumberHoldsMoreCells = false;
};

RowParts PartsOf(std::string_view rowRangeText, std::string_view numberRangeText) {
    RowParts parts;
    std::string_view number =
        numberRangeText.substr(0, numberRangeText.size() - std::min<std::size_t>(2, numberRangeText.size()));
    parts.NumberHoldsMoreCells = number.find_first_of("\t\a") != std::string_view::npos;
    parts.Number = text::Trim(number);
    if (rowRangeText.starts_with(numberRangeText))
        parts.Rest = text::Trim(check::RowTextFromRange(rowRangeText.substr(numberRangeText.size())));
    return parts;
}

// The row as a case to number, or nothing when it is none.
std::optional<CaseRow> CaseOf(word::Table& table, int r) {
    auto tableRow = table.Rows()->Item(r);
    // A row of one cell spans the table (a rubric, a line of text): its number cell is the whole
    // row, and a number written there would replace everything it says.
    if (tableRow->CellCount() == 1) return std::nullopt;
    const std::string rowRangeText = tableRow->Range()->Text();
    const std::string rowText = check::RowTextFromRange(rowRangeText);
    auto numberCell = table.Cell(r, 1)->Range();
    const std::string listNumber = numberCell->ListFormat()->ListString();
    if (!IsCase(NumberingText(text::TrimView(rowText), listNumber))) return std::nullopt;
    if (ContinuesCaseAbove(table, r)) return std::nullopt;
    RowParts parts = PartsOf(rowRangeText, numberCell->Text());
    // A row with nothing but its number cell (a heading numbered by a list), or whose number cell
    // holds more than a number's cell, has no case number to write: the number would replace text.
    if (parts.Rest.empty() || parts.NumberHoldsMoreCells) return std::nullopt;
    std::string numberingLike = check::IsNumberingRow(parts.Rest) ? std::move(parts.Rest) : std::string();
    const bool listDecides = !listNumber.empty() && !numberingLike.empty();
    return CaseRow{r, std::move(parts.Number), std::move(numberingLike), listDecides};
}

// The case rows of the main table, top to bottom. All rows are classified before the first edit:
// the list numbers are those the document shows when the command starts, so that no number has to
// be counted again over the whole document after every row (only ListDecides rows are asked again).
std::vector<CaseRow> CaseRows(word::Document& document, int mainTable, ToolHost& host,
                              const check::CheckOptions& tableOptions) {
    std::vector<CaseRow> cases;
    auto table = document.Tables()->Item(mainTable);
    const int rowCount = table->Rows()->Count();
    // The header (row 1 when the check skips it as the header, and the rows that belong to it) is
    // no case and keeps its text.
    const int headerRows = check::CountHeaderRows(*table, check::CheckedColumns(*table, tableOptions),
                                                  tableOptions.TwoDateColumns);
    for (int r = headerRows + 1; r <= rowCount; ++r) {
        if (r % 1024 == 0) detail::CheckStop(host);
        if (std::optional<CaseRow> row = CaseOf(*table, r)) cases.push_back(std::move(*row));
    }
    return cases;
}

// A row that would read as a column-numbering row once numbered is left as it is: the number a
// list shows is not read by the numbering-row test, and a small number written as text is read as
// the first column number.
bool NumberingWouldMakeANumberingRow(const CaseRow& row, NumberStyle style, int number) {
    if (row.NumberingLikeRest.empty()) return false;
    if (style == NumberStyle::List) return true;
    return check::IsNumberingRow(std::to_string(number) + '\t' + row.NumberingLikeRest);
}

bool StillACase(word::Table& table, const CaseRow& row) {
    const std::string rowText = check::RowTextFromRange(table.Rows()->Item(row.Row)->Range()->Text());
    const std::string listNumber = table.Cell(row.Row, 1)->Range()->ListFormat()->ListString();
    return IsCase(NumberingText(text::TrimView(rowText), listNumber));
}

ToolOutcome Number(Tool tool, word::Document& document, ToolHost& host, const ToolOptions& options,
                   const CommandTexts& texts, NumberStyle style) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        detail::BeginOnMainTable(tool, document, host, options, texts, outcome);
        detail::BusyCursor busy(host);
        if (outcome.MainTable != 0) {
            for (const CaseRow& row : CaseRows(document, outcome.MainTable, host, options.Table)) {
                detail::CheckStop(host);
                auto table = document.Tables()->Item(outcome.MainTable);
                if (row.ListDecides && !StillACase(*table, row)) continue;
                if (NumberingWouldMakeANumberingRow(row, style, outcome.Count + 1)) continue;
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
        host.ShowStatus(detail::CountText(texts, outcome.Count));
    });
}

}  // namespace

ToolOutcome NumberCases(word::Document& document, ToolHost& host, const ToolOptions& options,
                        const CommandTexts& texts) {
    return Number(Tool::NumberCases, document, host, options, texts, NumberStyle::Text);
}

ToolOutcome AutoNumberCases(word::Document& document, ToolHost& host, const ToolOptions& options,
                            const CommandTexts& texts) {
    return Number(Tool::AutoNumberCases, document, host, options, texts, NumberStyle::List);
}

}  // namespace tabulex::tools
