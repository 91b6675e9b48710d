#pragma once

// A read-only model of the main story's top-level tables: what the checker reads of them, held in a
// few flat arrays instead of a DOM. Every value is exactly what the DOM path of the host answers:
// row and cell Range.Text (Windows-1251), the shown list number of the first numbered paragraph,
// Bold and KeepWithNext (-1 / 0 / 9999999), cantSplit, the grid's column count. Built in one
// streaming pass by ReadCompactStory (stream/ReadCompactStory.h).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::word::docx {

// A row (cell 0) or a cell of a top-level table; 1-based, valid indexes only.
struct StoryPlace {
    int Table = 0;
    int Row = 0;
    int Cell = 0;
};

class CompactStory {
  public:
    int TableCount() const { return static_cast<int>(tables_.size()); }
    int RowCount(int table) const { return static_cast<int>(tables_[Index(table)].Rows); }
    // The number of w:gridCol, or the widest row's cell count for a table without a grid.
    int ColumnCount(int table) const;
    int CellCount(int table, int row) const;

    std::string_view Text(const StoryPlace& place) const;
    std::string_view ListString(const StoryPlace& place) const;
    int Bold(const StoryPlace& place) const;
    int KeepWithNext(const StoryPlace& place) const;
    bool CantSplit(int table, int row) const { return Row(table, row).CantSplit != 0; }
    bool RepeatsAsHeader(int table, int row) const { return (Row(table, row).Marks & kRepeatsAsHeader) != 0; }
    bool FirstCellContinuesMerge(int table, int row) const {
        return (Row(table, row).Marks & kFirstCellMerged) != 0;
    }
    // The byte offset in word/document.xml just after the table's end tag.
    std::size_t TableEnd(int table) const { return tableEnds_[Index(table)]; }

    // The heap bytes the model holds.
    std::size_t MemoryBytes() const;

  private:
    friend class CompactStoryWriter;

    struct TableRec {
        std::uint32_t FirstRow = 0;
        std::uint32_t Rows = 0;
        std::int32_t Grid = 0;
        std::int32_t Widest = 0;
    };
    struct RowRec {
        std::uint32_t Text = 0;       // start of the row's text in text_
        std::uint32_t FirstCell = 0;  // its first cell in cells_
        std::uint32_t List = 0;       // 0: no list number, else 1 + index in listEnds_
        std::int8_t Bold = 0;         // Word's values coded 0 false, 1 true, 2 mixed
        std::int8_t Keep = 0;
        std::int8_t CantSplit = 0;
        std::uint8_t Marks = 0;  // kRepeatsAsHeader, kFirstCellMerged
    };
    static constexpr std::uint8_t kRepeatsAsHeader = 1;
    static constexpr std::uint8_t kFirstCellMerged = 2;
    struct CellRec {
        std::uint32_t TextEnd = 0;  // the cell's text ends here; it starts where the previous ended
        std::uint32_t List = 0;
        std::int8_t Bold = 0;
        std::int8_t Keep = 0;
    };

    static std::size_t Index(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }
    const RowRec& Row(int table, int row) const { return rows_[tables_[Index(table)].FirstRow + Index(row)]; }
    std::uint32_t RowIndex(int table, int row) const {
        return tables_[Index(table)].FirstRow + static_cast<std::uint32_t>(row - 1);
    }
    std::uint32_t CellsEnd(std::uint32_t row) const;
    std::uint32_t RowTextEnd(std::uint32_t row) const;
    std::string_view List(std::uint32_t list) const;

    std::string text_;   // the rows' texts one after another
    std::string lists_;  // the shown list numbers one after another
    std::vector<std::uint32_t> listEnds_;
    std::vector<TableRec> tables_;
    std::vector<RowRec> rows_;
    std::vector<CellRec> cells_;
    std::vector<std::size_t> tableEnds_;
};

// Fills a CompactStory in document order; used by the streaming reader.
class CompactStoryWriter {
  public:
    explicit CompactStoryWriter(CompactStory& story) : story_(story) {}

    void BeginTable();
    void BeginRow();
    std::string& Text() { return story_.text_; }  // the current cell's text is appended here
    void EndCell(std::string_view listString, bool numbered, int bold, int keep, bool continuesMerge);
    void EndRow(std::string_view listString, bool numbered, int bold, int keep, bool cantSplit,
                bool repeatsAsHeader);
    void EndTable(int gridColumns, std::size_t endOffset);
    // False when the text no longer fits the model's 32-bit offsets.
    bool Fits() const { return story_.text_.size() < 0xFFFF0000u && story_.lists_.size() < 0xFFFF0000u; }
    void Shrink();

  private:
    std::uint32_t AddList(std::string_view listString, bool numbered);

    CompactStory& story_;
    CompactStory::TableRec table_;
    CompactStory::RowRec row_;
};

}  // namespace tabulex::word::docx
