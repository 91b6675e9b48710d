#include "check/TableParts.h"

#include "text/CharClasses.h"
#include "text/TextHelpers.h"
#include "word/WordModel.h"

#include <string>

namespace tabulex::check {
namespace {

ListNumberReader FirstCellListNumber(word::Table& table, int row) {
    return [&table, row] { return table.Cell(row, 1)->Range()->ListFormat()->ListString(); };
}

bool IsBlankParagraph(std::string_view paragraph) {
    for (char c : paragraph) {
        const int code = static_cast<unsigned char>(c);
        if (code > 32 && code != text::ch::kNbsp) return false;
    }
    return true;
}

// The whole number a case number begins with, and whether letters follow it; nullopt when it
// does not begin with a digit.
struct LeadingNumber {
    long long Value = 0;
    bool Lettered = false;
};

std::optional<LeadingNumber> ReadLeadingNumber(std::string_view number) {
    number = text::TrimView(number);
    LeadingNumber read;
    std::size_t at = 0;
    for (; at < number.size() && text::IsDigit(static_cast<unsigned char>(number[at])) && at < 12; ++at)
        read.Value = read.Value * 10 + (number[at] - '0');
    if (at == 0) return std::nullopt;
    read.Lettered = at < number.size() && number[at] != '.';
    return read;
}

// The number of row r when it is a case row as the check reads it.
std::optional<std::string> CaseNumberOfRow(word::Table& table, word::Rows& rows, int r,
                                           const ColumnLayout& layout, bool twoDateColumns) {
    const std::string text = RowTextFromRange(rows.Item(r)->Range()->Text());
    if (IsEmptyRow(text) || IsNumberingRow(text) || IsHeadingRow(text)) return std::nullopt;
    const RowCells cells = SplitRow(text, layout, twoDateColumns, FirstCellListNumber(table, r));
    if (r == 1 && IsHeaderRow(cells)) return std::nullopt;
    return std::string(text::TrimView(cells.Number));
}

std::string FirstCaseNumber(word::Table& table, const ColumnLayout& layout, bool twoDateColumns) {
    auto rows = table.Rows();
    const int count = rows->Count();
    for (int r = 1; r <= count; ++r)
        if (auto number = CaseNumberOfRow(table, *rows, r, layout, twoDateColumns)) return *number;
    return {};
}

}  // namespace

int CountHeaderRows(word::Table& table, const ColumnLayout& layout, bool twoDateColumns) {
    auto rows = table.Rows();
    const int count = rows->Count();
    if (count == 0) return 0;
    auto first = rows->Item(1);
    const std::string firstText = RowTextFromRange(first->Range()->Text());
    if (IsEmptyRow(firstText) || IsNumberingRow(firstText)) return 0;
    if (!IsHeaderRow(SplitRow(firstText, layout, twoDateColumns, FirstCellListNumber(table, 1)))) return 0;
    const bool firstRepeats = first->HeadingFormat() != word::kFalse;
    int header = 1;
    for (int r = 2; r <= count; ++r) {
        auto row = rows->Item(r);
        const bool belongs =
            row->FirstCellContinuesMerge() || (firstRepeats && row->HeadingFormat() != word::kFalse);
        if (!belongs) break;
        // A numbering row under the header stays a numbering row.
        const std::string text = RowTextFromRange(row->Range()->Text());
        if (IsEmptyRow(text) || IsNumberingRow(text)) break;
        header = r;
    }
    return header;
}

std::string LastCaseNumber(word::Table& table, const ColumnLayout& layout, bool twoDateColumns) {
    auto rows = table.Rows();
    for (int r = rows->Count(); r >= 1; --r)
        if (auto number = CaseNumberOfRow(table, *rows, r, layout, twoDateColumns)) return *number;
    return {};
}

ColumnLayout CheckedColumns(word::Table& table, const CheckOptions& options) {
    ColumnLayout layout = DetectColumns(table, options).Layout;
    if (options.TwoDateColumns) --layout.ColumnCount;
    return layout;
}

std::optional<ContinuingTable> FindContinuingTable(word::Document& document, int mainTable,
                                                   const ColumnLayout& layout, bool twoDateColumns,
                                                   std::string_view lastNumber) {
    auto tables = document.Tables();
    if (mainTable < 1 || mainTable >= tables->Count()) return std::nullopt;
    const std::optional<LeadingNumber> last = ReadLeadingNumber(lastNumber);
    if (!last) return std::nullopt;
    for (const std::string& paragraph : document.ParagraphsAfterTable(mainTable))
        if (!IsBlankParagraph(paragraph)) return std::nullopt;
    auto next = tables->Item(mainTable + 1);
    if (next->Columns()->Count() != tables->Item(mainTable)->Columns()->Count()) return std::nullopt;
    const std::optional<LeadingNumber> first =
        ReadLeadingNumber(FirstCaseNumber(*next, layout, twoDateColumns));
    if (!first) return std::nullopt;
    const bool continues =
        first->Value == last->Value + 1 || (first->Value == last->Value && first->Lettered);
    if (!continues) return std::nullopt;
    return ContinuingTable{mainTable + 1, next->Rows()->Count()};
}

}  // namespace tabulex::check
