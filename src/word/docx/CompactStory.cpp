#include "word/docx/CompactStory.h"

#include "word/WordModel.h"

namespace tabulex::word::docx {
namespace {

std::int8_t Code(int value) {
    return value == kTrue ? 1 : value == kFalse ? 0 : 2;
}

int Value(std::int8_t code) {
    return code == 1 ? kTrue : code == 0 ? kFalse : kUndefined;
}

}  // namespace

std::uint32_t CompactStory::CellsEnd(std::uint32_t row) const {
    return row + 1 < rows_.size() ? rows_[row + 1].firstCell : static_cast<std::uint32_t>(cells_.size());
}

std::uint32_t CompactStory::RowTextEnd(std::uint32_t row) const {
    return row + 1 < rows_.size() ? rows_[row + 1].text : static_cast<std::uint32_t>(text_.size());
}

std::string_view CompactStory::List(std::uint32_t list) const {
    if (list == 0) return {};
    std::uint32_t begin = list == 1 ? 0 : listEnds_[list - 2];
    return std::string_view(lists_).substr(begin, listEnds_[list - 1] - begin);
}

int CompactStory::ColumnCount(int table) const {
    const TableRec& rec = tables_[Index(table)];
    return rec.grid > 0 ? rec.grid : rec.widest;
}

int CompactStory::CellCount(int table, int row) const {
    std::uint32_t index = RowIndex(table, row);
    return static_cast<int>(CellsEnd(index) - rows_[index].firstCell);
}

std::string_view CompactStory::Text(const StoryPlace& place) const {
    std::uint32_t row = RowIndex(place.table, place.row);
    const RowRec& rec = rows_[row];
    std::uint32_t begin = rec.text;
    std::uint32_t end = RowTextEnd(row);
    if (place.cell > 0) {
        std::uint32_t cell = rec.firstCell + static_cast<std::uint32_t>(place.cell - 1);
        if (cell > rec.firstCell) begin = cells_[cell - 1].textEnd;
        end = cells_[cell].textEnd;
    }
    return std::string_view(text_).substr(begin, end - begin);
}

std::string_view CompactStory::ListString(const StoryPlace& place) const {
    const RowRec& rec = Row(place.table, place.row);
    if (place.cell == 0) return List(rec.list);
    return List(cells_[rec.firstCell + Index(place.cell)].list);
}

int CompactStory::Bold(const StoryPlace& place) const {
    const RowRec& rec = Row(place.table, place.row);
    return Value(place.cell == 0 ? rec.bold : cells_[rec.firstCell + Index(place.cell)].bold);
}

int CompactStory::KeepWithNext(const StoryPlace& place) const {
    const RowRec& rec = Row(place.table, place.row);
    return Value(place.cell == 0 ? rec.keep : cells_[rec.firstCell + Index(place.cell)].keep);
}

std::size_t CompactStory::MemoryBytes() const {
    return text_.capacity() + lists_.capacity() + listEnds_.capacity() * sizeof(std::uint32_t) +
           tables_.capacity() * sizeof(TableRec) + rows_.capacity() * sizeof(RowRec) +
           cells_.capacity() * sizeof(CellRec);
}

void CompactStoryWriter::BeginTable() {
    table_ = {};
    table_.firstRow = static_cast<std::uint32_t>(story_.rows_.size());
}

void CompactStoryWriter::BeginRow() {
    row_ = {};
    row_.text = static_cast<std::uint32_t>(story_.text_.size());
    row_.firstCell = static_cast<std::uint32_t>(story_.cells_.size());
}

std::uint32_t CompactStoryWriter::AddList(std::string_view listString, bool numbered) {
    if (!numbered) return 0;
    story_.lists_.append(listString);
    story_.listEnds_.push_back(static_cast<std::uint32_t>(story_.lists_.size()));
    return static_cast<std::uint32_t>(story_.listEnds_.size());
}

void CompactStoryWriter::EndCell(std::string_view listString, bool numbered, int bold, int keep) {
    CompactStory::CellRec cell;
    cell.textEnd = static_cast<std::uint32_t>(story_.text_.size());
    cell.list = AddList(listString, numbered);
    cell.bold = Code(bold);
    cell.keep = Code(keep);
    story_.cells_.push_back(cell);
}

void CompactStoryWriter::EndRow(std::string_view listString, bool numbered, int bold, int keep,
                                bool cantSplit) {
    story_.text_.append("\r\a");
    row_.list = AddList(listString, numbered);
    row_.bold = Code(bold);
    row_.keep = Code(keep);
    row_.cantSplit = cantSplit ? 1 : 0;
    story_.rows_.push_back(row_);
    ++table_.rows;
    auto cells = static_cast<std::int32_t>(story_.cells_.size() - row_.firstCell);
    if (cells > table_.widest) table_.widest = cells;
}

void CompactStoryWriter::EndTable(int gridColumns, std::size_t endOffset) {
    table_.grid = gridColumns;
    story_.tables_.push_back(table_);
    story_.tableEnds_.push_back(endOffset);
}

void CompactStoryWriter::Shrink() {
    story_.text_.shrink_to_fit();
    story_.lists_.shrink_to_fit();
    story_.listEnds_.shrink_to_fit();
    story_.tables_.shrink_to_fit();
    story_.rows_.shrink_to_fit();
    story_.cells_.shrink_to_fit();
}

}  // namespace tabulex::word::docx
