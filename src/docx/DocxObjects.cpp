#include "docx/DocxObjects.h"

#include "docx/DocxDocument.h"
#include "docx/DocxRange.h"
#include "docx/HostMessages.h"
#include "docx/Ooxml.h"
#include "docx/PropertyEdit.h"
#include "docx/ShapeIndex.h"
#include "docx/TableConvert.h"

#include <algorithm>

namespace tabulex::word::docx {
namespace {

int AllowBreak(pugi::xml_node row) {
    return OnOffValue(row.child("w:trPr").child("w:cantSplit")) ? kFalse : kTrue;
}

void SetAllowBreak(pugi::xml_node row, int value) {
    if (value == kFalse) {
        pugi::xml_node trPr = RowProperties(row);
        pugi::xml_node cantSplit = trPr.child("w:cantSplit");
        if (!cantSplit) {
            pugi::xml_node before = trPr.child("w:ins") ? trPr.child("w:ins") : trPr.child("w:del");
            if (!before) before = trPr.child("w:trPrChange");
            cantSplit =
                before ? trPr.insert_child_before("w:cantSplit", before) : trPr.append_child("w:cantSplit");
        }
        cantSplit.remove_attribute("w:val");
    } else {
        row.child("w:trPr").remove_child("w:cantSplit");
    }
}

// A top-level table: stays usable across edits as long as the table itself is still there. Taken
// while the document answers from its compact model, it holds the table's number and finds the
// node when it first needs one.
class TableRef {
  public:
    TableRef(DocxDocument& document, pugi::xml_node table)
        : document_(document),
          table_(table),
          generation_(document.Generation()),
          serial_(document.Serial()) {}
    TableRef(DocxDocument& document, int index)
        : document_(document),
          index_(index),
          generation_(document.Generation()),
          serial_(document.Serial()) {}

    pugi::xml_node Get() const {
        CheckSerial();
        if (!table_) table_ = document_.CompactTableNode(index_);
        if (generation_ != document_.Generation()) {
            if (!document_.Index().IsTopLevelTable(table_))
                throw text::Error(std::string(messages::kObjectDeleted));
            generation_ = document_.Generation();
        }
        return table_;
    }
    // The compact model while the document still answers from it, else null.
    const CompactStory* Compact() const {
        CheckSerial();
        return table_ ? nullptr : document_.Compact();
    }
    int Index() const { return index_; }
    DocxDocument& Document() const { return document_; }
    const std::vector<pugi::xml_node>& Rows() const { return document_.Index().Rows(Get()); }
    int RowCount() const { return document_.Index().RowCount(Get()); }
    pugi::xml_node RowAt(int index) const {
        return document_.Index().RowAt(Get(), static_cast<std::size_t>(index - 1));
    }

  private:
    void CheckSerial() const {
        if (serial_ != document_.Serial()) throw text::Error(std::string(messages::kObjectDeleted));
    }

    DocxDocument& document_;
    mutable pugi::xml_node table_;
    int index_ = 0;
    mutable unsigned generation_;
    unsigned serial_;
};

class DocxCell final : public word::Cell {
  public:
    explicit DocxCell(NodeRef ref) : ref_(ref) {}
    std::unique_ptr<word::Range> Range() override { return MakeRange(ref_, RangeKind::Cell); }
    bool ContinuesVerticalMerge() const override { return IsMergeContinuation(ref_.Get()); }

  private:
    NodeRef ref_;
};

class DocxRow final : public word::Row {
  public:
    // `index`: the row's 1-based place in the table when the handle was taken; the handle fails
    // after any structural edit, so the place stays true for as long as the handle works.
    DocxRow(TableRef table, NodeRef ref, int index) : table_(table), ref_(ref), index_(index) {}
    std::unique_ptr<word::Range> Range() override { return MakeRange(ref_, RangeKind::Row); }
    int CellCount() const override {
        if (const CompactStory* story = ref_.Compact())
            return story->CellCount(ref_.Place.Table, ref_.Place.Row);
        return docx::CellCount(ref_.Get());
    }
    int AllowBreakAcrossPages() const override {
        if (const CompactStory* story = ref_.Compact())
            return story->CantSplit(ref_.Place.Table, ref_.Place.Row) ? kFalse : kTrue;
        return AllowBreak(ref_.Get());
    }
    void SetAllowBreakAcrossPages(int value) override {
        SetAllowBreak(ref_.Get(), value);
        ref_.Document->MarkEdited(EditKind::Formatting);
    }
    int HeadingFormat() const override {
        if (const CompactStory* story = ref_.Compact())
            return story->RepeatsAsHeader(ref_.Place.Table, ref_.Place.Row) ? kTrue : kFalse;
        return OnOffValue(ref_.Get().child("w:trPr").child("w:tblHeader")) ? kTrue : kFalse;
    }
    bool FirstCellContinuesMerge() const override {
        if (const CompactStory* story = ref_.Compact())
            return story->FirstCellContinuesMerge(ref_.Place.Table, ref_.Place.Row);
        const pugi::xml_node first = CellAt(ref_.Get(), 1);
        return first && IsMergeContinuation(first);
    }
    void Delete() override {
        pugi::xml_node row = ref_.Get();
        pugi::xml_node table = table_.Get();
        if (table_.RowCount() <= 1) {
            // Word removes a table together with its last row.
            row.parent().remove_child(row);
            table.parent().remove_child(table);
            ref_.Document->MarkEdited(EditKind::Structure);
            return;
        }
        row.parent().remove_child(row);
        ref_.Document->MarkRowRemoved(table, index_);
    }

  private:
    TableRef table_;
    NodeRef ref_;
    int index_;
};

class DocxRows final : public word::Rows {
  public:
    explicit DocxRows(TableRef table) : table_(table) {}
    int Count() const override {
        if (const CompactStory* story = table_.Compact()) return story->RowCount(table_.Index());
        return table_.RowCount();
    }
    std::unique_ptr<word::Row> Item(int index) override {
        if (const CompactStory* story = table_.Compact()) {
            if (index < 1 || index > story->RowCount(table_.Index()))
                throw text::Error(messages::NoSuchRow(index));
            return std::make_unique<DocxRow>(
                table_, MakeRef(table_.Document(), StoryPlace{table_.Index(), index, 0}), index);
        }
        if (index < 1 || index > table_.RowCount()) throw text::Error(messages::NoSuchRow(index));
        return std::make_unique<DocxRow>(table_, MakeRef(table_.Document(), table_.RowAt(index)), index);
    }
    void SetAllowBreakAcrossPages(int value) override {
        for (pugi::xml_node row : table_.Rows()) SetAllowBreak(row, value);
        table_.Document().MarkEdited(EditKind::Formatting);
    }

  private:
    TableRef table_;
};

class DocxColumns final : public word::Columns {
  public:
    explicit DocxColumns(TableRef table) : table_(table) {}
    int Count() const override {
        if (const CompactStory* story = table_.Compact()) return story->ColumnCount(table_.Index());
        if (int grid = GridColumnCount(table_.Get())) return grid;
        // A table without a grid (not made by Word): its widest row.
        std::size_t widest = 0;
        for (pugi::xml_node row : table_.Rows()) widest = std::max(widest, CellsOf(row).size());
        return static_cast<int>(widest);
    }

  private:
    TableRef table_;
};

class DocxTable final : public word::Table {
  public:
    explicit DocxTable(TableRef table) : table_(table) {}
    std::unique_ptr<word::Rows> Rows() override { return std::make_unique<DocxRows>(table_); }
    std::unique_ptr<word::Columns> Columns() override { return std::make_unique<DocxColumns>(table_); }
    std::unique_ptr<word::Cell> Cell(int row, int column) override {
        if (const CompactStory* story = table_.Compact()) {
            const int table = table_.Index();
            if (row < 1 || row > story->RowCount(table) || column < 1 ||
                column > story->CellCount(table, row))
                throw text::Error(messages::NoSuchCell(row, column));
            return std::make_unique<DocxCell>(MakeRef(table_.Document(), StoryPlace{table, row, column}));
        }
        if (row < 1 || row > table_.RowCount()) throw text::Error(messages::NoSuchCell(row, column));
        const pugi::xml_node cell = CellAt(table_.RowAt(row), column);
        if (!cell) throw text::Error(messages::NoSuchCell(row, column));
        return std::make_unique<DocxCell>(MakeRef(table_.Document(), cell));
    }
    void ConvertToText() override {
        ConvertTableToText(table_.Get());
        table_.Document().MarkEdited(EditKind::Structure);
    }

  private:
    TableRef table_;
};

class DocxTables final : public word::Tables {
  public:
    explicit DocxTables(DocxDocument& document) : document_(document) {}
    int Count() const override {
        if (const CompactStory* story = document_.Compact()) return story->TableCount();
        return static_cast<int>(document_.Index().Tables().size());
    }
    std::unique_ptr<word::Table> Item(int index) override {
        if (const CompactStory* story = document_.Compact()) {
            if (index < 1 || index > story->TableCount()) throw text::Error(messages::NoSuchTable(index));
            return std::make_unique<DocxTable>(TableRef(document_, index));
        }
        return std::make_unique<DocxTable>(TableRef(document_, document_.TableAt(index)));
    }

  private:
    DocxDocument& document_;
};

class DocxShape final : public word::Shape {
  public:
    DocxShape(DocxDocument& document, pugi::xml_node node)
        : document_(document), node_(node), generation_(document.ContentGeneration()) {}
    word::ShapeKind Kind() const override {
        if (generation_ != document_.ContentGeneration())
            throw text::Error(std::string(messages::kObjectDeleted));
        return KindOfShape(node_);
    }
    void Delete() override {
        if (generation_ != document_.ContentGeneration())
            throw text::Error(std::string(messages::kObjectDeleted));
        DeleteShape(node_);
        document_.MarkShapeRemoved(node_);
    }

  private:
    DocxDocument& document_;
    pugi::xml_node node_;
    unsigned generation_;
};

class DocxShapes final : public word::Shapes {
  public:
    explicit DocxShapes(DocxDocument& document) : document_(document) {}
    int Count() const override { return static_cast<int>(document_.ShapeNodes().size()); }
    std::unique_ptr<word::Shape> Item(int index) override {
        const auto& shapes = document_.ShapeNodes();
        if (index < 1 || index > static_cast<int>(shapes.size()))
            throw text::Error(messages::NoSuchShape(index));
        return std::make_unique<DocxShape>(document_, shapes[index - 1]);
    }

  private:
    DocxDocument& document_;
};

}  // namespace

std::unique_ptr<word::Tables> MakeTables(DocxDocument& document) {
    return std::make_unique<DocxTables>(document);
}
std::unique_ptr<word::Shapes> MakeShapes(DocxDocument& document) {
    return std::make_unique<DocxShapes>(document);
}

}  // namespace tabulex::word::docx
