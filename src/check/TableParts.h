#pragma once

// Where the inventory's table begins and ends: the rows at its top that form its header, and a
// table right after it that continues it (a stray paragraph split the table in two).

#include "check/TableLayout.h"

#include <optional>
#include <string>
#include <string_view>

namespace tabulex::word {
class Document;
class Table;
}  // namespace tabulex::word

namespace tabulex::check {

// The rows (1-based, from row 1 on) that form the table's header: 0 when row 1 does not read as
// the header; else row 1 and the rows right after it that belong to it, because their number cell
// continues a vertical merge started in row 1 or because they repeat as header rows, as row 1
// does. An empty or numbering row ends the header.
int CountHeaderRows(word::Table& table, const ColumnLayout& layout, bool twoDateColumns);

// The check's reading of a table's columns: the column set-up with two date columns as one.
ColumnLayout CheckedColumns(word::Table& table, const CheckOptions& options);

// The number of the last case row of a table, as the check reads it; empty when there is none.
std::string LastCaseNumber(word::Table& table, const ColumnLayout& layout, bool twoDateColumns);

struct ContinuingTable {
    int Table = 0;  // 1-based
    int Rows = 0;
};

// The table right after `mainTable` when only blank paragraphs stand between them, it has as many
// columns, and its first case number follows `lastNumber` (the main table's last): 5 then 6, or 5
// then 5а.
std::optional<ContinuingTable> FindContinuingTable(word::Document& document, int mainTable,
                                                   const ColumnLayout& layout, bool twoDateColumns,
                                                   std::string_view lastNumber);

}  // namespace tabulex::check
