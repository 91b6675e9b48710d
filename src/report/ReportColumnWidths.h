#pragma once

// The widths of the report table's columns fitted to their contents, as a word processor's autofit
// sizes them: every column at least as wide as its longest word, so that no word breaks inside;
// the space left goes where it shortens the rows most (the title and the report columns), so that
// the narrow ones (number, dates, sheets) stay narrow. Texts are measured in Arial's widths.

#include <cstddef>
#include <string_view>
#include <vector>

namespace tabulex::report {

// The fields of one table line: split at TAB into at most `columns` fields, the last keeping any
// further fields with their tabs; a shorter line gives fewer fields.
std::vector<std::string_view> TableFields(std::string_view line, int columns);

// The table's UTF-8 lines measured once in a font size: every column's longest word and longest
// text, and the cells of up to a few thousand rows spread evenly over the table. What it keeps is
// bounded whatever the number of lines.
class TableMeasure {
  public:
    TableMeasure(const std::vector<std::string_view>& lines, int columns, int fontHalfPoints);
    // A measure the table's `lines` lines are added to one by one, in order.
    TableMeasure(int columns, int fontHalfPoints, std::size_t lines);
    void Add(std::string_view line);

    // Widths in twips summing to `availableTwips`.
    std::vector<int> FitWidths(int availableTwips) const;

    // About how high, in twips, the whole table is in columns of `widths`: each row as high as its
    // fullest cell's text wrapped at its column's width.
    long long HeightTwips(const std::vector<int>& widths) const;

  private:
    struct SampledCell {
        std::size_t First = 0;  // in pieces_
        std::size_t Count = 0;
    };

    // The two fullest cells of a sampled row: a column's cell is as high as the row only when
    // it is the fullest.
    struct RowTop {
        int Fullest = 1;
        std::size_t FullestColumn = 0;
        int Second = 1;
    };

    // The balancing asks the same cells at the same widths again and again (a column's next step
    // stays the same until that column is widened): each cell's last answer is kept.
    struct LinesAtWidth {
        std::vector<int> Width;
        std::vector<int> Lines;
    };

    template <class F>
    void ForEachField(std::string_view line, F&& f) const;
    int Twips(int thousandths) const;
    void SampleCell(std::string_view field);
    int CellLines(std::size_t cell, int width) const;
    int CellLines(std::size_t cell, int width, LinesAtWidth& known) const;
    RowTop TopOfRow(const std::vector<int>& lines, std::size_t first) const;
    long long Saving(const std::vector<int>& lines, const std::vector<RowTop>& tops,
                     const std::vector<std::size_t>& rows, std::size_t c, int width,
                     LinesAtWidth& known) const;
    void RowsHeldUp(const std::vector<int>& lines, const std::vector<RowTop>& tops,
                    std::vector<std::vector<std::size_t>>& rows) const;
    int Balance(std::vector<int>& widths, const std::vector<int>& preferred, int free) const;

    std::size_t columns_;
    int emTwips_;
    std::size_t lines_;
    std::size_t stride_;
    std::size_t added_ = 0;
    std::vector<int> least_;      // the longest word, twips
    std::vector<int> preferred_;  // the longest text on one line, twips
    // The cells of the sampled rows, row by row, as the widths of the pieces a line may break
    // between (a word with its blank, a piece ending with a hyphen).
    std::vector<SampledCell> sampled_;
    std::vector<int> pieces_;
};

// TableMeasure(lines, columns, fontHalfPoints).FitWidths(availableTwips).
std::vector<int> FitColumnWidths(const std::vector<std::string_view>& lines, int columns, int availableTwips,
                                 int fontHalfPoints = 24);

}  // namespace tabulex::report
