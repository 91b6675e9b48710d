#include "docx/TableConvert.h"

#include "docx/ContentEdit.h"
#include "docx/InlineWalk.h"
#include "docx/Ooxml.h"
#include "docx/StoryText.h"

#include <string>
#include <vector>

namespace tabulex::word::docx {
namespace {

// The block paragraphs of a cell, looking through content controls (nested tables are converted
// before this is asked).
void CollectCellParagraphs(pugi::xml_node container, std::vector<pugi::xml_node>& out) {
    ForEachBlockNamed(container, "w:p", [&](pugi::xml_node paragraph) { out.push_back(paragraph); });
}

void ConvertNestedTables(pugi::xml_node container) {
    std::vector<pugi::xml_node> nested;
    for (pugi::xml_node child : container.children()) {
        if (Is(child, "w:tbl"))
            nested.push_back(child);
        else if (pugi::xml_node inner = WrapperContent(child))
            ConvertNestedTables(inner);
    }
    for (pugi::xml_node table : nested) ConvertTableToText(table);
}

// Moves the content of `source` (everything but its properties) to the end of `target`.
void MoveContent(pugi::xml_node source, pugi::xml_node target) {
    for (pugi::xml_node child = source.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (!Is(child, "w:pPr")) target.append_move(child);
        child = next;
    }
}

class RowFlattener {
  public:
    RowFlattener(pugi::xml_node parent, pugi::xml_node before) : parent_(parent), before_(before) {}

    void Row(pugi::xml_node row) {
        current_ = Start({});
        firstCell_ = true;
        for (pugi::xml_node child = row.first_child(); child;) {
            pugi::xml_node next = child.next_sibling();
            if (Is(child, "w:tc")) {
                Cell(child);
            } else if (pugi::xml_node inner = WrapperContent(child)) {
                ForEachCellIn(inner, [&](pugi::xml_node cell) { Cell(cell); });
            } else if (!Is(child, "w:trPr") && !Is(child, "w:tblPrEx")) {
                current_.append_move(child);  // bookmarks and the like stay with the row's text
            }
            child = next;
        }
    }

  private:
    void Cell(pugi::xml_node cell) {
        if (!firstCell_) current_.append_child("w:r").append_child("w:tab");
        bool first = firstCell_;
        firstCell_ = false;
        // Word shows a vertical merge by its first cell; what a continuation cell holds is hidden
        // and reads as empty, so it does not become text either.
        if (IsMergeContinuation(cell)) return;
        ConvertNestedTables(cell);
        std::vector<pugi::xml_node> paragraphs;
        CollectCellParagraphs(cell, paragraphs);
        for (std::size_t i = 0; i < paragraphs.size(); ++i) {
            if (i > 0)
                current_ = Start(paragraphs[i].child("w:pPr"));
            else if (first)
                CopyProperties(paragraphs[i]);
            MoveContent(paragraphs[i], current_);
        }
    }

    void CopyProperties(pugi::xml_node paragraph) {
        if (pugi::xml_node pPr = paragraph.child("w:pPr")) current_.prepend_copy(pPr);
    }

    pugi::xml_node Start(pugi::xml_node pPr) {
        pugi::xml_node paragraph = parent_.insert_child_before("w:p", before_);
        if (pPr) paragraph.append_copy(pPr);
        return paragraph;
    }

    pugi::xml_node parent_;
    pugi::xml_node before_;
    pugi::xml_node current_;
    bool firstCell_ = true;
};

}  // namespace

void ConvertTableToText(pugi::xml_node table) {
    RowFlattener flattener(table.parent(), table);
    std::vector<pugi::xml_node> rows;
    ForEachRowIn(table, [&](pugi::xml_node row) { rows.push_back(row); });
    for (pugi::xml_node row : rows) flattener.Row(row);
    table.parent().remove_child(table);
}

}  // namespace tabulex::word::docx
