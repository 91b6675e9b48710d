#pragma once

#include <vector>

namespace tabulex::word {
class Tables;
}

namespace tabulex::check {

// The table with the most rows, the first among equally long ones (1-based); 0 when there is none.
int PickMainTable(word::Tables& tables);

// A table the check leaves out although it looks like a part of the inventory.
struct LeftOutTable {
    int Table = 0;     // 1-based
    int CaseRows = 0;  // rows that read as case rows
};

// The other tables with the main table's column count that hold case rows: an inventory whose
// table a stray paragraph split in two is checked only in its longer part.
std::vector<LeftOutTable> FindLeftOutTables(word::Tables& tables, int mainTable);

}  // namespace tabulex::check
