#pragma once

// The problem rows of a check as a table: the row of the inventory, the five cells and the
// problems, with a filter by problem class and by text. The texts are converted once, when the
// rows are set; sort keys are made once per column, on the first sort by it, so that sorting and
// filtering tens of thousands of rows answer at once.

#include "check/CheckOutcome.h"

#include <QAbstractTableModel>
#include <QCollatorSortKey>
#include <QSortFilterProxyModel>

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
    const QString& SearchText(int row) const { return searchTexts_[static_cast<std::size_t>(row)]; }
    // Orders rows `left` and `right` by `column` (numbers as numbers, texts as the locale sorts them).
    bool Less(int column, int left, int right) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    void MakeSortKeys(int column) const;

    std::vector<check::ProblemRow> rows_;
    std::vector<std::array<QString, kColumnCount>> texts_;
    std::vector<QString> searchTexts_;
    mutable std::array<std::vector<QCollatorSortKey>, kColumnCount> sortKeys_;
};

// Lower case, and ё as е, as the text filter compares texts.
QString FoldForSearch(const QString& text);

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

    std::optional<rules::ProblemClass> class_;
    QString text_;
};

}  // namespace tabulex::app
