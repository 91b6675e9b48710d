#include "app/ProblemTableModel.h"

#include "app/QtText.h"
#include "report/ReportLines.h"

#include "text/CaseMaps.h"

#include <algorithm>

namespace tabulex::app {
namespace {

// The cell as the report has it (1251).
std::string CellBytes(const check::ProblemRow& row, int column) {
    if (column == ProblemTableModel::RowColumn) return std::to_string(row.TableRow);
    if (column == ProblemTableModel::ProblemsColumn) {
        // The table's header row has no problems of its own: the report says it was skipped.
        if (row.Kind == check::RowKind::Header) {
            std::string line = report::SkippedRowLine();
            while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
            while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.erase(0, 1);
            return line;
        }
        return row.Problems;
    }
    const auto cell = static_cast<std::size_t>(column - ProblemTableModel::NumberColumn);
    // Heading and numbering rows carry one text: it goes into the title column.
    if (row.Cells.size() == 1) return column == ProblemTableModel::TitleColumn ? row.Cells[0] : std::string();
    return cell < row.Cells.size() ? row.Cells[cell] : std::string();
}

}  // namespace

std::string FoldForSearch(std::string_view text1251) {
    constexpr char kYo = '\xB8', kYe = '\xE5';  // ё, е in 1251
    std::string folded = text::LowerCase1251(text1251);
    std::replace(folded.begin(), folded.end(), kYo, kYe);
    return folded;
}

std::string SortKey(std::string_view text1251) {
    constexpr std::size_t kDigits = 12;
    const std::string folded = FoldForSearch(text1251);
    std::string key;
    key.reserve(folded.size() + kDigits);
    for (std::size_t at = 0; at < folded.size();) {
        if (folded[at] < '0' || folded[at] > '9') {
            key += folded[at++];
            continue;
        }
        std::size_t end = at;
        while (end < folded.size() && folded[end] >= '0' && folded[end] <= '9') ++end;
        if (end - at < kDigits) key.append(kDigits - (end - at), '0');
        key.append(folded, at, end - at);
        at = end;
    }
    return key;
}

void ProblemTableModel::SetRows(std::vector<check::ProblemRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    texts_.assign(rows_.size(), {});
    searchTexts_.assign(rows_.size(), {});
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        std::string all;
        for (int column = 0; column < kColumnCount; ++column) {
            const std::string bytes = CellBytes(rows_[row], column);
            texts_[row][static_cast<std::size_t>(column)] = FromCp(bytes);
            all += bytes;
            all += '\t';
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
    keys.reserve(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row)
        keys.push_back(SortKey(CellBytes(rows_[row], column)));
}

bool ProblemTableModel::Less(int column, int left, int right) const {
    if (column == RowColumn) return Row(left).TableRow < Row(right).TableRow;
    MakeSortKeys(column);
    const auto& keys = sortKeys_[static_cast<std::size_t>(column)];
    // 1251 puts the letters of the alphabet in order (ё is folded into е); bytes compare unsigned.
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
    Refilter();
}

void ProblemFilter::SetText(const QString& text) {
    const std::string folded = FoldForSearch(ToCp(text));
    if (folded == text_) return;
    text_ = folded;
    Refilter();
}

// Qt's own refiltering works out which rows come and go and moves them one run at a time: on tens
// of thousands of rows that alternate between shown and hidden it takes most of a second. Building
// the shown rows afresh (filter, then sort by the keys already made) takes a small part of that.
void ProblemFilter::Refilter() {
    invalidate();
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
    return text_.empty() || model.SearchText(sourceRow).find(text_) != std::string::npos;
}

bool ProblemFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    return Model().Less(left.column(), left.row(), right.row());
}

}  // namespace tabulex::app
