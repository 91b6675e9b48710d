#pragma once

// How a table row becomes a row record: the column model (which logical columns take the five
// roles), the splitting of a row text into its cells, and the tests that tell the row kinds
// apart. A row text is Range.Text of the row with every end-of-cell mark (CR BEL) made a TAB.

#include "check/CheckOptions.h"

#include <bitset>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::word {
class Table;
}

namespace tabulex::check {

// The five texts of a data row by role, untrimmed, as the cells hold them.
struct RowCells {
    std::string Number;
    std::string Title;
    std::string Dates;
    std::string Quantity;
    std::string Notes;
};

enum class RowKind { Empty, Numbering, Heading, Header, Data };

// The cell of a data row a finding concerns; Row for the whole row (and for other row kinds).
enum class CellRole { Row, Number, Title, Dates, Quantity, Notes };

struct ColumnLayout {
    // Logical columns walked in each row; two date columns count as one.
    int ColumnCount = 0;
    // Logical column numbers 1..255 read past without a role.
    std::bitset<256> SkipColumns;

    bool Skips(int column) const { return column >= 1 && column < 256 && SkipColumns.test(column); }
    std::vector<int> SkippedColumns() const;
};

struct ColumnSetup {
    ColumnLayout Layout;
    // Skip mode found no column to skip: the front end switches the option to automatic.
    bool SwitchedToAuto = false;
};

// Range.Text of a row -> row text: every CR BEL pair becomes one TAB.
std::string RowTextFromRange(std::string_view rangeText);

// The column set-up before the first row; reads Table.Columns and, in automatic mode, rows from
// row 3 on (never past the last row).
ColumnSetup DetectColumns(word::Table& table, const CheckOptions& options);

// The automatic list number Word shows in the row's first cell; read only when the number cell
// is empty.
using ListNumberReader = std::function<std::string()>;

RowCells SplitRow(std::string_view rowText, const ColumnLayout& layout, bool twoDateColumns,
                  const ListNumberReader& listNumber);

// The 1-based cell of a row, counted as the row text counts them, that SplitRow takes a role from
// (the start date's cell when the dates stand in two columns); 1 for CellRole::Row.
int CellOfRole(const ColumnLayout& layout, bool twoDateColumns, CellRole role);

bool IsEmptyRow(std::string_view rowText);
bool IsNumberingRow(std::string_view rowText);
bool IsHeadingRow(std::string_view rowText);
// Row 1 is the table's header when its cells read like the column names.
bool IsHeaderRow(const RowCells& cells);

// Line breaks and paragraph marks become the pilcrow, so that a cell stays on one report line.
std::string ReportCellText(std::string_view text);

}  // namespace tabulex::check
