#pragma once

// The tables of the main story and their rows, indexed once and rebuilt lazily after a structural
// edit, so that reading row i of a long table costs no walk over the rows before it.

#include <pugixml.hpp>

#include <unordered_map>
#include <vector>

namespace tabulex::word::docx {

class TableIndex {
  public:
    void Reset(pugi::xml_node body);
    // Drops what was indexed; the next query walks the body again.
    void Invalidate();

    // The top-level tables of the body in document order, also those inside content controls.
    const std::vector<pugi::xml_node>& Tables();
    const std::vector<pugi::xml_node>& Rows(pugi::xml_node table);
    int RowCount(pugi::xml_node table);
    // Row `position` (0-based) of the table; the caller checks the bounds against RowCount.
    pugi::xml_node RowAt(pugi::xml_node table, std::size_t position);
    // Records that row `position` (0-based) of the table has been removed from the DOM. Rows
    // above it keep their places without any walk, so that deleting rows from the last to the
    // first costs nothing per row; the list is compacted once, when a later row is asked for.
    void RemoveRow(pugi::xml_node table, std::size_t position);
    bool IsTopLevelTable(pugi::xml_node table);

  private:
    struct RowList {
        std::vector<pugi::xml_node> rows;  // removed rows are empty nodes until compacted
        std::size_t removed = 0;
        std::size_t firstRemoved = 0;  // meaningful while removed > 0
    };
    RowList& ListOf(pugi::xml_node table);
    static void Compact(RowList& list);

    pugi::xml_node body_;
    bool tablesBuilt_ = false;
    std::vector<pugi::xml_node> tables_;
    std::unordered_map<const void*, RowList> rows_;
};

std::vector<pugi::xml_node> CellsOf(pugi::xml_node row);
// The row's cell `column` (1-based) as CellsOf would give it, or an empty node past the last.
pugi::xml_node CellAt(pugi::xml_node row, int column);
// The number of CellsOf(row).
int CellCount(pugi::xml_node row);
// The number of w:gridCol of the table grid.
int GridColumnCount(pugi::xml_node table);

}  // namespace tabulex::word::docx
