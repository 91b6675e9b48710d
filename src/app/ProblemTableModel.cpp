#include "app/ProblemTableModel.h"

#include "app/QtText.h"
#include "report/ReportLines.h"

namespace tabulex::app {

void ProblemTableModel::SetRows(std::vector<check::ProblemRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int ProblemTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ProblemTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ProblemTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    const check::ProblemRow& row = Row(index.row());
    const int column = index.column();
    if (column == RowColumn) return row.TableRow;  // a number, so that it sorts as one
    if (column == ProblemsColumn) {
        // The table's header row has no problems of its own: the report says it was skipped.
        if (row.Kind == check::RowKind::Header) return FromCp(report::SkippedRowLine()).trimmed();
        return FromCp(row.Problems);
    }
    const auto cell = static_cast<std::size_t>(column - NumberColumn);
    // Heading and numbering rows carry one text: it goes into the title column.
    if (row.Cells.size() == 1) return column == TitleColumn ? FromCp(row.Cells[0]) : QVariant();
    return cell < row.Cells.size() ? QVariant(FromCp(row.Cells[cell])) : QVariant();
}

QVariant ProblemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kHeaders[kColumnCount] = {"Строка", "№",          "Заголовок", "Даты",
                                                       "Кол-во", "Примечание", "Проблемы"};
    return QString::fromUtf8(kHeaders[section]);
}

ProblemFilter::ProblemFilter(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(true);
}

void ProblemFilter::SetClass(std::optional<rules::ProblemClass> problemClass) {
    class_ = problemClass;
    invalidateFilter();
}

void ProblemFilter::SetText(const QString& text) {
    text_ = text;
    invalidateFilter();
}

bool ProblemFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const auto& model = static_cast<const ProblemTableModel&>(*sourceModel());
    const check::ProblemRow& row = model.Row(sourceRow);
    if (class_) {
        const bool found =
            std::any_of(row.Findings.begin(), row.Findings.end(),
                        [&](const check::Finding& finding) { return finding.Class == *class_; });
        if (!found) return false;
    }
    if (text_.isEmpty()) return true;
    for (int column = 0; column < ProblemTableModel::kColumnCount; ++column)
        if (model.index(sourceRow, column).data().toString().contains(text_, Qt::CaseInsensitive))
            return true;
    return false;
}

}  // namespace tabulex::app
