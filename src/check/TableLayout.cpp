#include "check/TableLayout.h"

#include "check/Messages.h"
#include "text/CharClasses.h"
#include "text/IntegerText.h"
#include "text/TextHelpers.h"
#include "word/WordModel.h"

#include <algorithm>

namespace tabulex::check {
namespace {

constexpr char kTab = '\t';
constexpr char kPilcrow = '\xB6';

std::string ReadRowText(word::Rows& rows, int index) {
    return RowTextFromRange(rows.Item(index)->Range()->Text());
}

// The character of a row text at 0-based index as a code (never negative).
int Code(std::string_view text, std::size_t index) {
    return static_cast<unsigned char>(text[index]);
}

ColumnLayout AutomaticColumns(word::Table& table, int columnCount) {
    ColumnLayout layout;
    layout.ColumnCount = columnCount;
    auto rows = table.Rows();
    const int lastRow = rows->Count();
    // The first row below the header that is neither a heading nor a numbering row; a table
    // without one keeps the standard layout.
    int row = 3;
    std::string rowText;
    for (;; ++row) {
        if (row > lastRow) return layout;
        rowText = ReadRowText(*rows, row);
        if (!IsHeadingRow(rowText) && !IsNumberingRow(rowText)) break;
    }
    const int cells = static_cast<int>(std::count(rowText.begin(), rowText.end(), kTab)) - 1;
    if (cells < layout.ColumnCount) layout.ColumnCount = cells;
    if (layout.ColumnCount == 6) layout.SkipColumns.set(2);
    if (layout.ColumnCount == 7) {
        layout.SkipColumns.set(2);
        layout.SkipColumns.set(3);
    }
    return layout;
}

// "2,3", "2 3" and "23" all name columns 2 and 3; only single digits 1..9 count.
std::bitset<256> ListedColumns(std::string_view listed) {
    std::bitset<256> columns;
    for (char c : listed)
        if (c >= '1' && c <= '9') columns.set(static_cast<std::size_t>(c - '0'));
    return columns;
}

}  // namespace

std::vector<int> ColumnLayout::SkippedColumns() const {
    std::vector<int> columns;
    for (int c = 1; c < 256; ++c)
        if (SkipColumns.test(static_cast<std::size_t>(c))) columns.push_back(c);
    return columns;
}

std::string RowTextFromRange(std::string_view rangeText) {
    std::string text;
    text.reserve(rangeText.size());
    // Copied a cell at a time: a row is read for every row of the table.
    std::size_t from = 0;
    for (std::size_t at = rangeText.find('\r'); at != std::string_view::npos;
         at = rangeText.find('\r', at + 1)) {
        if (at + 1 >= rangeText.size() || rangeText[at + 1] != '\a') continue;
        text.append(rangeText.substr(from, at - from));
        text += kTab;
        from = at + 2;
        ++at;
    }
    text.append(rangeText.substr(from));
    return text;
}

ColumnSetup DetectColumns(word::Table& table, const CheckOptions& options) {
    ColumnSetup setup;
    setup.Layout.ColumnCount = table.Columns()->Count();
    switch (options.Columns) {
        case ColumnMode::Auto:
            setup.Layout = AutomaticColumns(table, setup.Layout.ColumnCount);
            break;
        case ColumnMode::Skip:
            setup.Layout.SkipColumns = ListedColumns(options.SkipColumnsText);
            setup.SwitchedToAuto = setup.Layout.SkipColumns.none();
            break;
        case ColumnMode::Standard:
            break;
    }
    return setup;
}

RowCells SplitRow(std::string_view rowText, const ColumnLayout& layout, bool twoDateColumns,
                  const ListNumberReader& listNumber) {
    constexpr std::size_t kNone = std::string_view::npos;
    RowCells cells;
    std::string_view rest = rowText;
    // The cell before the TAB at `tab`; a cell without a TAB after it is empty.
    auto cellBefore = [&rest](std::size_t tab) {
        return tab == kNone ? std::string_view{} : rest.substr(0, tab);
    };
    auto consume = [&rest](std::size_t tab) {
        if (tab != kNone) rest.remove_prefix(tab + 1);
    };
    // The roles the columns that are not skipped take, in order.
    enum Role { kNumber = 1, kTitle, kDates, kQuantity, kNotes };
    int role = 0;
    for (int column = 1; column <= layout.ColumnCount; ++column) {
        std::size_t tab = rest.find(kTab);
        bool lastRole = false;
        if (!layout.Skips(column) && ++role <= kNotes) {
            switch (static_cast<Role>(role)) {
                case kNumber:
                    cells.Number = cellBefore(tab);
                    if (text::TrimView(cells.Number).empty()) cells.Number = listNumber();
                    break;
                case kTitle:
                    cells.Title = cellBefore(tab);
                    break;
                case kDates:
                    cells.Dates = cellBefore(tab);
                    if (twoDateColumns) {
                        consume(tab);
                        tab = rest.find(kTab);
                        cells.Dates += '-';
                        cells.Dates += cellBefore(tab);
                    }
                    break;
                case kQuantity:
                    cells.Quantity = cellBefore(tab);
                    break;
                case kNotes:
                    // The notes take the rest of the row when no TAB follows.
                    cells.Notes = rest.substr(0, tab);
                    lastRole = tab == kNone;
                    break;
            }
        }
        if (lastRole)
            rest = {};
        else
            consume(tab);
    }
    return cells;
}

int CellOfRole(const ColumnLayout& layout, bool twoDateColumns, CellRole role) {
    const int wanted = static_cast<int>(role);
    if (wanted == 0) return 1;
    int cell = 1;
    int taken = 0;
    for (int column = 1; column <= layout.ColumnCount; ++column, ++cell) {
        if (layout.Skips(column) || ++taken > 5) continue;
        if (taken == wanted) return cell;
        if (taken == 3 && twoDateColumns) ++cell;
    }
    return 1;
}

bool IsEmptyRow(std::string_view rowText) {
    return text::TrimView(rowText).empty();
}

bool IsNumberingRow(std::string_view rowText) {
    std::string_view rest = text::TrimView(rowText);
    if (rest.empty()) return false;
    for (;;) {
        const std::size_t tab = rest.find(kTab);
        const std::string_view cell = text::TrimView(rest.substr(0, tab));
        const std::optional<int> value = cell.empty() ? std::optional<int>(0) : text::ParseInteger(cell);
        if (!value || *value == -1 || *value > 9) return false;
        if (tab == std::string_view::npos) return true;
        rest.remove_prefix(tab + 1);
    }
}

bool IsHeadingRow(std::string_view rowText) {
    const std::string_view trimmed = text::TrimView(rowText);
    const std::size_t tab = trimmed.find(kTab);
    if (tab == std::string_view::npos) return true;
    const std::string_view first = text::TrimView(trimmed.substr(0, tab));
    const std::string_view rest = text::TrimView(trimmed.substr(tab));
    if (rest.find(kTab) != std::string_view::npos) return false;
    if (first.size() == 1 && text::IsLatinCapital(Code(first, 0))) return true;
    std::string squeezed;
    for (std::size_t i = 0; i < first.size(); ++i) {
        const int c = Code(first, i);
        if (c > 32 && c != text::ch::kNbsp && c != text::ch::kNumeroSign) squeezed += first[i];
    }
    if (squeezed.size() < 3) return false;
    const int c1 = Code(squeezed, 0);
    const int c2 = Code(squeezed, 1);
    const int c3 = Code(squeezed, 2);
    const bool fonds = c1 == text::ch::kCapitalEf || c1 == text::ch::kSmallEf;
    return fonds && (c2 == '.' || (c2 >= '1' && c2 <= '9')) && text::IsDigit(c3);
}

bool IsHeaderRow(const RowCells& cells) {
    return text::Contains(cells.Number, msg::kNumeroSign) &&
           (text::Contains(cells.Title, msg::kTitleHeading) ||
            text::Contains(cells.Dates, msg::kDatesHeading) ||
            text::Contains(cells.Quantity, msg::kSheetsHeading));
}

std::string ReportCellText(std::string_view cellText) {
    std::string shown(cellText);
    for (char& c : shown)
        if (c == '\v' || c == '\r') c = kPilcrow;
    return shown;
}

}  // namespace tabulex::check
