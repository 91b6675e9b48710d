#include "docx/TableIndex.h"

#include "docx/Ooxml.h"

#include <algorithm>

namespace tabulex::word::docx {
namespace {

void CollectTables(pugi::xml_node container, std::vector<pugi::xml_node>& out) {
    ForEachBlockNamed(container, "w:tbl", [&](pugi::xml_node table) { out.push_back(table); });
}

}  // namespace

void TableIndex::Reset(pugi::xml_node body) {
    body_ = body;
    Invalidate();
}

void TableIndex::Invalidate() {
    tablesBuilt_ = false;
    tables_.clear();
    rows_.clear();
}

const std::vector<pugi::xml_node>& TableIndex::Tables() {
    if (!tablesBuilt_) {
        CollectTables(body_, tables_);
        tablesBuilt_ = true;
    }
    return tables_;
}

bool TableIndex::IsTopLevelTable(pugi::xml_node table) {
    for (pugi::xml_node t : Tables())
        if (t == table) return true;
    return false;
}

TableIndex::RowList& TableIndex::ListOf(pugi::xml_node table) {
    auto [it, inserted] = rows_.try_emplace(table.internal_object());
    // Named, because clang 14 does not let a lambda capture a structured binding.
    std::vector<pugi::xml_node>& rows = it->second.rows;
    if (inserted) ForEachRowIn(table, [&](pugi::xml_node row) { rows.push_back(row); });
    return it->second;
}

void TableIndex::Compact(RowList& list) {
    if (list.removed == 0) return;
    std::erase_if(list.rows, [](pugi::xml_node row) { return !row; });
    list.removed = 0;
}

const std::vector<pugi::xml_node>& TableIndex::Rows(pugi::xml_node table) {
    RowList& list = ListOf(table);
    Compact(list);
    return list.rows;
}

int TableIndex::RowCount(pugi::xml_node table) {
    const RowList& list = ListOf(table);
    return static_cast<int>(list.rows.size() - list.removed);
}

pugi::xml_node TableIndex::RowAt(pugi::xml_node table, std::size_t position) {
    RowList& list = ListOf(table);
    if (list.removed > 0 && position >= list.firstRemoved) Compact(list);
    return list.rows[position];
}

void TableIndex::RemoveRow(pugi::xml_node table, std::size_t position) {
    RowList& list = ListOf(table);
    if (list.removed > 0 && position >= list.firstRemoved) Compact(list);
    list.rows[position] = pugi::xml_node();
    list.firstRemoved = list.removed == 0 ? position : std::min(list.firstRemoved, position);
    ++list.removed;
}

std::vector<pugi::xml_node> CellsOf(pugi::xml_node row) {
    std::vector<pugi::xml_node> cells;
    ForEachCellIn(row, [&](pugi::xml_node cell) { cells.push_back(cell); });
    return cells;
}

pugi::xml_node CellAt(pugi::xml_node row, int column) {
    if (column < 1) return {};
    return NthBlockNamed(row, "w:tc", column);
}

int CellCount(pugi::xml_node row) {
    int count = 0;
    ForEachCellIn(row, [&](pugi::xml_node) { ++count; });
    return count;
}

int GridColumnCount(pugi::xml_node table) {
    int count = 0;
    for (pugi::xml_node col : table.child("w:tblGrid").children("w:gridCol")) {
        (void)col;
        ++count;
    }
    return count;
}

}  // namespace tabulex::word::docx
