#include "docx/CompactStory.h"

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
    return row + 1 < rows_.size() ? rows_[row + 1].FirstCell : static_cast<std::uint32_t>(cells_.size());
}

std::uint32_t CompactStory::RowTextEnd(std::uint32_t row) const {
    return row + 1 < rows_.size() ? rows_[row + 1].Text : static_cast<std::uint32_t>(text_.size());
}

std::string_view CompactStory::List(std::uint32_t list) const {
    if (list == 0) return {};
    std::uint32_t begin = list == 1 ? 0 : listEnds_[list - 2];
    return std::string_view(lists_).substr(begin, listEnds_[list - 1] - begin);
}

int CompactStory::ColumnCount(int table) const {
    const TableRec& rec = tables_[Index(table)];
    return rec.Grid > 0 ? rec.Grid : rec.Widest;
}

int CompactStory::CellCount(int table, int row) const {
    std::uint32_t index = RowIndex(table, row);
    return static_cast<int>(CellsEnd(index) - rows_[index].FirstCell);
}

std::string_view CompactStory::Text(const StoryPlace& place) const {
    std::uint32_t row = RowIndex(place.Table, place.Row);
    const RowRec& rec = rows_[row];
    std::uint32_t begin = rec.Text;
    std::uint32_t end = RowTextEnd(row);
    if (place.Cell > 0) {
        std::uint32_t cell = rec.FirstCell + static_cast<std::uint32_t>(place.Cell - 1);
        if (cell > rec.FirstCell) begin = cells_[cell - 1].TextEnd;
        end = cells_[cell].TextEnd;
    }
    return std::string_view(text_).substr(begin, end - begin);
}

std::string_view CompactStory::ListString(const StoryPlace& place) const {
    const RowRec& rec = Row(place.Table, place.Row);
    if (place.Cell == 0) return List(rec.List);
    return List(cells_[rec.FirstCell + Index(place.Cell)].List);
}

int CompactStory::Bold(const StoryPlace& place) const {
    const RowRec& rec = Row(place.Table, place.Row);
    return Value(place.Cell == 0 ? rec.Bold : cells_[rec.FirstCell + Index(place.Cell)].Bold);
}

int CompactStory::KeepWithNext(const StoryPlace& place) const {
    const RowRec& rec = Row(place.Table, place.Row);
    return Value(place.Cell == 0 ? rec.Keep : cells_[rec.FirstCell + Index(place.Cell)].Keep);
}

std::size_t CompactStory::MemoryBytes() const {
    return text_.capacity() + lists_.capacity() + listEnds_.capacity() * sizeof(std::uint32_t) +
           tables_.capacity() * sizeof(TableRec) + rows_.capacity() * sizeof(RowRec) +
           cells_.capacity() * sizeof(CellRec);
}

void CompactStoryWriter::BeginTable() {
    table_ = {};
    table_.FirstRow = static_cast<std::uint32_t>(story_.rows_.size());
}

void CompactStoryWriter::BeginRow() {
    row_ = {};
    row_.Text = static_cast<std::uint32_t>(story_.text_.size());
    row_.FirstCell = static_cast<std::uint32_t>(story_.cells_.size());
}

std::uint32_t CompactStoryWriter::AddList(std::string_view listString, bool numbered) {
    if (!numbered) return 0;
    story_.lists_.append(listString);
    story_.listEnds_.push_back(static_cast<std::uint32_t>(story_.lists_.size()));
    return static_cast<std::uint32_t>(story_.listEnds_.size());
}

void CompactStoryWriter::EndCell(std::string_view listString, bool numbered, int bold, int keep,
                                 bool continuesMerge) {
    if (continuesMerge && story_.cells_.size() == row_.FirstCell)
        row_.Marks |= CompactStory::kFirstCellMerged;
    CompactStory::CellRec cell;
    cell.TextEnd = static_cast<std::uint32_t>(story_.text_.size());
    cell.List = AddList(listString, numbered);
    cell.Bold = Code(bold);
    cell.Keep = Code(keep);
    story_.cells_.push_back(cell);
}

void CompactStoryWriter::EndRow(std::string_view listString, bool numbered, int bold, int keep,
                                bool cantSplit, bool repeatsAsHeader) {
    if (repeatsAsHeader) row_.Marks |= CompactStory::kRepeatsAsHeader;
    story_.text_.append("\r\a");
    row_.List = AddList(listString, numbered);
    row_.Bold = Code(bold);
    row_.Keep = Code(keep);
    row_.CantSplit = cantSplit ? 1 : 0;
    story_.rows_.push_back(row_);
    ++table_.Rows;
    auto cells = static_cast<std::int32_t>(story_.cells_.size() - row_.FirstCell);
    if (cells > table_.Widest) table_.Widest = cells;
}

void CompactStoryWriter::EndTable(int gridColumns, std::size_t endOffset) {
    table_.Grid = gridColumns;
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
