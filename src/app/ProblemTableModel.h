#pragma once

// The problem rows of a check as a table: the row of the inventory, the five cells and the
// problems, with a filter by problem class and by text.

#include "check/CheckOutcome.h"

#include <QAbstractTableModel>
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

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<check::ProblemRow> rows_;
};

// Keeps the rows with a finding of the chosen class whose text (any column) holds the filter text.
class ProblemFilter : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit ProblemFilter(QObject* parent = nullptr);
    // Nothing: every class.
    void SetClass(std::optional<rules::ProblemClass> problemClass);
    void SetText(const QString& text);

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    std::optional<rules::ProblemClass> class_;
    QString text_;
};

}  // namespace tabulex::app
