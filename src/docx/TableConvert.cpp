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

constexpr int kTextWidthTwips = 9638;  // A4 with 2 cm margins

void AddTableProperties(pugi::xml_node table, int columns, bool fitToContents) {
    pugi::xml_node tblPr = table.append_child("w:tblPr");
    pugi::xml_node width = tblPr.append_child("w:tblW");
    width.append_attribute("w:w") = fitToContents ? 0 : kTextWidthTwips / columns * columns;
    width.append_attribute("w:type") = fitToContents ? "auto" : "dxa";
    pugi::xml_node borders = tblPr.append_child("w:tblBorders");
    for (const char* side : {"w:top", "w:left", "w:bottom", "w:right", "w:insideH", "w:insideV"}) {
        pugi::xml_node border = borders.append_child(side);
        border.append_attribute("w:val") = "single";
        border.append_attribute("w:sz") = 4;
        border.append_attribute("w:space") = 0;
        border.append_attribute("w:color") = "auto";
    }
    if (!fitToContents) tblPr.append_child("w:tblLayout").append_attribute("w:type") = "fixed";
    pugi::xml_node look = tblPr.append_child("w:tblLook");
    look.append_attribute("w:val") = "04A0";
    pugi::xml_node grid = table.append_child("w:tblGrid");
    for (int c = 0; c < columns; ++c)
        grid.append_child("w:gridCol").append_attribute("w:w") = kTextWidthTwips / columns;
}

std::vector<std::string> SplitFields(const std::string& line, int columns) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (static_cast<int>(fields.size()) + 1 < columns) {
        std::size_t tab = line.find('\t', start);
        if (tab == std::string::npos) break;
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    fields.resize(columns);
    return fields;
}

void AddRow(pugi::xml_node table, pugi::xml_node source, int columns, bool fitToContents) {
    std::string line;
    FieldState fields;
    AppendParagraphText(source, fields, line);
    pugi::xml_node pPr = source.child("w:pPr");
    pugi::xml_node rPr = FirstRunOf(source).child("w:rPr");
    pugi::xml_node row = table.append_child("w:tr");
    for (const std::string& field : SplitFields(line, columns)) {
        pugi::xml_node cell = row.append_child("w:tc");
        pugi::xml_node width = cell.append_child("w:tcPr").append_child("w:tcW");
        width.append_attribute("w:w") = fitToContents ? 0 : kTextWidthTwips / columns;
        width.append_attribute("w:type") = fitToContents ? "auto" : "dxa";
        pugi::xml_node paragraph = InsertParagraph(cell, {}, pPr, rPr, field);
        paragraph.child("w:pPr").remove_child("w:sectPr");
    }
}

}  // namespace

bool ConvertParagraphsToTable(pugi::xml_node body, int lines, int columns, bool fitToContents) {
    std::vector<pugi::xml_node> paragraphs;
    for (pugi::xml_node child : body.children()) {
        if (static_cast<int>(paragraphs.size()) == lines || !Is(child, "w:p")) break;
        paragraphs.push_back(child);
    }
    if (paragraphs.empty()) return false;
    pugi::xml_node table = body.insert_child_before("w:tbl", paragraphs.front());
    AddTableProperties(table, columns, fitToContents);
    for (pugi::xml_node paragraph : paragraphs) AddRow(table, paragraph, columns, fitToContents);
    for (pugi::xml_node paragraph : paragraphs) body.remove_child(paragraph);
    // Word keeps a paragraph after every table.
    if (!Is(table.next_sibling(), "w:p")) body.insert_child_after("w:p", table);
    return true;
}

void ConvertTableToText(pugi::xml_node table) {
    RowFlattener flattener(table.parent(), table);
    std::vector<pugi::xml_node> rows;
    ForEachRowIn(table, [&](pugi::xml_node row) { rows.push_back(row); });
    for (pugi::xml_node row : rows) flattener.Row(row);
    table.parent().remove_child(table);
}

}  // namespace tabulex::word::docx
