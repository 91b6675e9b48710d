#pragma once

// The problem rows of a check as a table: the row of the inventory, the five cells and the
// problems, with a filter by problem class and by text. The texts are converted once, when the
// rows are set, and so are the single-byte texts the filter searches; sort keys are made once per
// column, on the first sort by it: sorting and filtering tens of thousands of rows answer at once.

#include "check/CheckOutcome.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <array>
#include <string>

#include <optional>
#include <vector>

namespace tabulex::app {

class ProblemTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        RowColumn,
        NumberColumn,
        TitleColumn,
        DatesColumn,
        QuantityColumn,
        NotesColumn,
        ProblemsColumn
    };
    static constexpr int kColumnCount = 7;

    explicit ProblemTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void SetRows(std::vector<check::ProblemRow> rows);
    const check::ProblemRow& Row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }
    const QString& Text(int row, int column) const;
    // The row's texts as the text filter compares them (see FoldForSearch).
    const std::string& SearchText(int row) const { return searchTexts_[static_cast<std::size_t>(row)]; }
    // Orders rows `left` and `right` by `column` (numbers inside texts as numbers, letter case and
    // ё ignored).
    bool Less(int column, int left, int right) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    void MakeSortKeys(int column) const;

    std::vector<check::ProblemRow> rows_;
    std::vector<std::array<QString, kColumnCount>> texts_;
    std::vector<std::string> searchTexts_;
    mutable std::array<std::vector<std::string>, kColumnCount> sortKeys_;
};

// A 1251 text in lower case with ё as е, as the text filter compares texts.
std::string FoldForSearch(std::string_view text1251);
// The same text as a sort key: also every run of digits padded to one width, so that "2" comes
// before "10" and "10а".
std::string SortKey(std::string_view text1251);

// Keeps the rows with a finding of the chosen class whose text (any column) holds the filter text,
// whatever its letter case and ё or е.
class ProblemFilter : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit ProblemFilter(QObject* parent = nullptr);
    // Nothing: every class.
    void SetClass(std::optional<rules::ProblemClass> problemClass);
    void SetText(const QString& text);

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    const ProblemTableModel& Model() const;
    void Refilter();

    std::optional<rules::ProblemClass> class_;
    std::string text_;  // folded
};

}  // namespace tabulex::app
