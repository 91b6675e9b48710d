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

std::vector<pugi::xml_node> ChildrenOf(pugi::xml_node node) {
    std::vector<pugi::xml_node> children;
    for (pugi::xml_node child : node.children()) children.push_back(child);
    return children;
}

// An element can take another element's place when the parser kept no text in it.
bool Reusable(pugi::xml_node element) {
    return *element.value() == '\0';
}

// Makes `element` a bare element named `name`: no attributes, and no children but `keep`.
void Strip(pugi::xml_node element, const char* name, pugi::xml_node keep = {}) {
    element.remove_attributes();
    for (pugi::xml_node child = element.first_child(); child;) {
        pugi::xml_node next = child.next_sibling();
        if (child != keep) element.remove_child(child);
        child = next;
    }
    element.set_name(name);
}

// Each row becomes its paragraph where the nodes already are: the row element itself turns into the
// paragraph, a cell after the first into the tab run before its text, and the cells' content moves
// up into the row. A shorter name is written over the longer one in place. Building new paragraphs
// and runs instead would link every moved node to a node placed far from it, and the compact tree
// keeps such links in a table of their own, larger than the nodes themselves.
class RowFlattener {
  public:
    RowFlattener(pugi::xml_node parent, pugi::xml_node before) : parent_(parent), before_(before) {}

    void Row(pugi::xml_node row) {
        const std::vector<pugi::xml_node> children = ChildrenOf(row);
        const pugi::xml_node rowStart = current_ = Start(row);
        firstCell_ = true;
        for (pugi::xml_node child : children) {
            if (Is(child, "w:tc")) {
                Cell(child);
            } else if (pugi::xml_node inner = WrapperContent(child)) {
                std::vector<pugi::xml_node> cells;
                ForEachCellIn(inner, [&](pugi::xml_node cell) { cells.push_back(cell); });
                for (pugi::xml_node cell : cells) Cell(cell);
                child.parent().remove_child(child);
            } else if (Is(child, "w:trPr") || Is(child, "w:tblPrEx")) {
                child.parent().remove_child(child);
            } else {
                current_.append_move(child);  // bookmarks and the like stay with the row's text
            }
        }
        before_ = rowStart;
    }

  private:
    void Cell(pugi::xml_node cell) {
        const bool first = firstCell_;
        firstCell_ = false;
        std::vector<pugi::xml_node> paragraphs;
        // Word shows a vertical merge by its first cell; what a continuation cell holds is hidden
        // and reads as empty, so it does not become text either.
        if (!IsMergeContinuation(cell)) {
            ConvertNestedTables(cell);
            CollectCellParagraphs(cell, paragraphs);
        }
        if (!first) AppendTab(cell);
        for (std::size_t i = 0; i < paragraphs.size(); ++i) {
            if (i > 0)
                current_ = Start(paragraphs[i]);
            else if (first)
                if (pugi::xml_node pPr = paragraphs[i].child("w:pPr")) current_.prepend_move(pPr);
            if (current_ != paragraphs[i]) MoveContent(paragraphs[i], current_);
        }
        if (first || !Reusable(cell)) {
            cell.parent().remove_child(cell);
            return;
        }
        pugi::xml_node tab = TabElementOf(cell, paragraphs);
        if (!tab) tab = cell.append_child("w:tab");
        if (tab.parent() != cell) cell.prepend_move(tab);
        Strip(tab, "w:tab");
        Strip(cell, "w:r", tab);
    }

    // What the emptied cell holds that can become its tab: the cell's or its first paragraph's
    // properties, whose names are long enough to take "w:tab" in place, else the paragraph itself.
    static pugi::xml_node TabElementOf(pugi::xml_node cell, const std::vector<pugi::xml_node>& paragraphs) {
        std::vector<pugi::xml_node> candidates{cell.child("w:tcPr")};
        if (!paragraphs.empty()) {
            candidates.push_back(paragraphs.front().child("w:pPr"));
            candidates.push_back(paragraphs.front());
        }
        for (pugi::xml_node candidate : candidates)
            if (candidate && Reusable(candidate)) return candidate;
        return {};
    }

    // The tab run before a cell's text: the cell itself once its content has moved out (Cell), or a
    // new run when the cell cannot take its place.
    void AppendTab(pugi::xml_node cell) {
        if (Reusable(cell))
            current_.append_move(cell);
        else
            current_.append_child("w:r").append_child("w:tab");
    }

    // The paragraph `element` (a row or a cell's paragraph) becomes, before the table, with the
    // properties of the paragraph it was, first.
    pugi::xml_node Start(pugi::xml_node element) {
        if (!Reusable(element)) {
            pugi::xml_node paragraph = parent_.insert_child_before("w:p", before_);
            if (pugi::xml_node pPr = element.child("w:pPr"); pPr && Is(element, "w:p"))
                paragraph.append_copy(pPr);
            return paragraph;
        }
        parent_.insert_move_before(element, before_);
        element.remove_attributes();
        element.set_name("w:p");
        if (pugi::xml_node pPr = element.child("w:pPr")) element.prepend_move(pPr);
        return element;
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
    // From the last row up, each row's paragraphs going before those of the row after it: a row
    // then always lands next to the one it stood beside, and the links the tree changes stay short.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) flattener.Row(*row);
    table.parent().remove_child(table);
}

}  // namespace tabulex::word::docx
