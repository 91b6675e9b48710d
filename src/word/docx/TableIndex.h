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
    bool IsTopLevelTable(pugi::xml_node table);

  private:
    pugi::xml_node body_;
    bool tablesBuilt_ = false;
    std::vector<pugi::xml_node> tables_;
    std::unordered_map<const void*, std::vector<pugi::xml_node>> rows_;
};

std::vector<pugi::xml_node> CellsOf(pugi::xml_node row);
// The number of w:gridCol of the table grid.
int GridColumnCount(pugi::xml_node table);

}  // namespace tabulex::word::docx
