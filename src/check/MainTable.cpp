#include "check/MainTable.h"

#include "check/TableLayout.h"
#include "word/WordModel.h"

namespace tabulex::check {

int PickMainTable(word::Tables& tables) {
    int best = 0;
    int bestRows = -1;
    const int count = tables.Count();
    for (int k = 1; k <= count; ++k) {
        const int rows = tables.Item(k)->Rows()->Count();
        if (rows > bestRows) {
            best = k;
            bestRows = rows;
        }
    }
    return best;
}

namespace {

// A row that is no empty, numbering, heading or header row.
bool IsCaseRow(std::string_view rowText, const ColumnLayout& layout) {
    if (IsEmptyRow(rowText) || IsNumberingRow(rowText) || IsHeadingRow(rowText)) return false;
    return !IsHeaderRow(SplitRow(rowText, layout, false, [] { return std::string(); }));
}

}  // namespace

std::vector<LeftOutTable> FindLeftOutTables(word::Tables& tables, int mainTable) {
    std::vector<LeftOutTable> leftOut;
    if (mainTable < 1) return leftOut;
    const int columns = tables.Item(mainTable)->Columns()->Count();
    ColumnLayout layout;
    layout.ColumnCount = columns;
    const int count = tables.Count();
    for (int k = 1; k <= count; ++k) {
        if (k == mainTable) continue;
        auto table = tables.Item(k);
        if (table->Columns()->Count() != columns) continue;
        auto rows = table->Rows();
        LeftOutTable found{k, 0};
        for (int r = 1; r <= rows->Count(); ++r)
            if (IsCaseRow(RowTextFromRange(rows->Item(r)->Range()->Text()), layout)) ++found.CaseRows;
        if (found.CaseRows > 0) leftOut.push_back(found);
    }
    return leftOut;
}

}  // namespace tabulex::check
