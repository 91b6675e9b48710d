#include "app/ProblemTableModel.h"

#include "app/QtText.h"
#include "report/ReportLines.h"

#include <QCollator>

#include <algorithm>

namespace tabulex::app {
namespace {

QString CellText(const check::ProblemRow& row, int column) {
    if (column == ProblemTableModel::RowColumn) return QString::number(row.TableRow);
    if (column == ProblemTableModel::ProblemsColumn) {
        // The table's header row has no problems of its own: the report says it was skipped.
        if (row.Kind == check::RowKind::Header) return FromCp(report::SkippedRowLine()).trimmed();
        return FromCp(row.Problems);
    }
    const auto cell = static_cast<std::size_t>(column - ProblemTableModel::NumberColumn);
    // Heading and numbering rows carry one text: it goes into the title column.
    if (row.Cells.size() == 1)
        return column == ProblemTableModel::TitleColumn ? FromCp(row.Cells[0]) : QString();
    return cell < row.Cells.size() ? FromCp(row.Cells[cell]) : QString();
}

}  // namespace

QString FoldForSearch(const QString& text) {
    QString folded = text.toLower();
    folded.replace(QChar(0x0451), QChar(0x0435));  // ё -> е
    return folded;
}

void ProblemTableModel::SetRows(std::vector<check::ProblemRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    texts_.assign(rows_.size(), {});
    searchTexts_.assign(rows_.size(), {});
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        QString all;
        for (int column = 0; column < kColumnCount; ++column) {
            texts_[row][static_cast<std::size_t>(column)] = CellText(rows_[row], column);
            all += texts_[row][static_cast<std::size_t>(column)] + QLatin1Char('\t');
        }
        searchTexts_[row] = FoldForSearch(all);
    }
    for (auto& keys : sortKeys_) keys.clear();
    endResetModel();
}

const QString& ProblemTableModel::Text(int row, int column) const {
    return texts_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void ProblemTableModel::MakeSortKeys(int column) const {
    auto& keys = sortKeys_[static_cast<std::size_t>(column)];
    if (!keys.empty() || rows_.empty()) return;
    QCollator collator(QLocale(QLocale::Russian, QLocale::Russia));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);  // case numbers "2", "10", "10а" in their order
    keys.reserve(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row)
        keys.push_back(collator.sortKey(texts_[row][static_cast<std::size_t>(column)]));
}

bool ProblemTableModel::Less(int column, int left, int right) const {
    if (column == RowColumn) return Row(left).TableRow < Row(right).TableRow;
    MakeSortKeys(column);
    const auto& keys = sortKeys_[static_cast<std::size_t>(column)];
    const int order = keys[static_cast<std::size_t>(left)].compare(keys[static_cast<std::size_t>(right)]);
    // Equal texts keep the inventory's order.
    return order != 0 ? order < 0 : Row(left).TableRow < Row(right).TableRow;
}

int ProblemTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ProblemTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ProblemTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole && index.column() == RowColumn) return Row(index.row()).TableRow;
    // The whole text in the hint, since a column may cut it.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return Text(index.row(), index.column());
    return {};
}

QVariant ProblemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kHeaders[kColumnCount] = {"Строка", "№",          "Заголовок", "Даты",
                                                       "Кол-во", "Примечание", "Проблемы"};
    return QString::fromUtf8(kHeaders[section]);
}

ProblemFilter::ProblemFilter(QObject* parent) : QSortFilterProxyModel(parent) {}

const ProblemTableModel& ProblemFilter::Model() const {
    return static_cast<const ProblemTableModel&>(*sourceModel());
}

void ProblemFilter::SetClass(std::optional<rules::ProblemClass> problemClass) {
    class_ = problemClass;
    invalidateFilter();
}

void ProblemFilter::SetText(const QString& text) {
    const QString folded = FoldForSearch(text);
    if (folded == text_) return;
    text_ = folded;
    invalidateFilter();
}

bool ProblemFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const ProblemTableModel& model = Model();
    if (class_) {
        const auto& findings = model.Row(sourceRow).Findings;
        const bool found = std::any_of(findings.begin(), findings.end(), [&](const check::Finding& finding) {
            return finding.Class == *class_;
        });
        if (!found) return false;
    }
    return text_.isEmpty() || model.SearchText(sourceRow).contains(text_);
}

bool ProblemFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    return Model().Less(left.column(), left.row(), right.row());
}

}  // namespace tabulex::app
