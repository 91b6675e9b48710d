#include "app/ReportViewer.h"

#include "app/ProblemTableModel.h"
#include "app/QtText.h"
#include "app/WindowPlacement.h"
#include "report/ReportLines.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace tabulex::app {
namespace {

constexpr int kFilterDelayMs = 100;

// Only the problems wrap: the other cells keep to one line, cut with "…" where they must be.
class OneLineCellsDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() != ProblemTableModel::ProblemsColumn)
            option->features &= ~QStyleOptionViewItem::WrapText;
    }
};

// What the archivist looks for first: the counts and the certification line, then the rest of
// the report's summary.
QString SummaryText(const check::CheckOutcome& outcome) {
    QStringList lines;
    lines << QStringLiteral("Документ: ") + FromCp(outcome.DocumentName);
    for (const std::string& line :
         report::CountLines(outcome.Counts, outcome.Summary.ShowWarnings, outcome.Summary.ShowHints))
        if (!line.empty()) lines << FromCp(line);
    lines << FromCp(outcome.CertificationLine);
    for (const check::Finding& finding : outcome.Certification.Findings) lines << FromCp(finding.Text);
    lines << QString();
    for (const std::string& line : report::SummaryLines(outcome.Summary)) lines << FromCp(line);
    return lines.join(QLatin1Char('\n')).trimmed();
}

}  // namespace

ReportViewer::ReportViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ReportViewer"));
    setWindowTitle(QStringLiteral("Отчёт по описи"));

    Summary = new QPlainTextEdit;
    Summary->setObjectName(QStringLiteral("Summary"));
    Summary->setReadOnly(true);
    Summary->setMaximumHeight(Summary->fontMetrics().lineSpacing() * 9);

    ClassFilter = new QComboBox;
    ClassFilter->setObjectName(QStringLiteral("ClassFilter"));
    ClassFilter->addItems({QStringLiteral("Все проблемы"), QStringLiteral("Ошибки"),
                           QStringLiteral("Предупреждения"), QStringLiteral("Подсказки")});
    TextFilter = new QLineEdit;
    TextFilter->setObjectName(QStringLiteral("TextFilter"));
    TextFilter->setPlaceholderText(QStringLiteral("Найти в строках отчёта"));
    TextFilter->setClearButtonEnabled(true);
    auto* filters = new QHBoxLayout;
    auto* classLabel = new QLabel(QStringLiteral("&Показать:"));
    classLabel->setBuddy(ClassFilter);
    auto* textLabel = new QLabel(QStringLiteral("&Текст:"));
    textLabel->setBuddy(TextFilter);
    filters->addWidget(classLabel);
    filters->addWidget(ClassFilter);
    filters->addSpacing(12);
    filters->addWidget(textLabel);
    filters->addWidget(TextFilter, 1);

    model_ = new ProblemTableModel(this);
    Filter = new ProblemFilter(this);
    Filter->setSourceModel(model_);
    Table = new QTableView;
    Table->setObjectName(QStringLiteral("ProblemTable"));
    Table->setModel(Filter);
    Table->setSortingEnabled(true);
    Table->sortByColumn(ProblemTableModel::RowColumn, Qt::AscendingOrder);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Problems wrap, so that none is ever cut; the rows on screen get the height their texts need
    // (measuring all of tens of thousands of rows would take seconds).
    Table->setWordWrap(true);
    Table->setItemDelegate(new OneLineCellsDelegate(Table));
    Table->setTextElideMode(Qt::ElideRight);
    Table->verticalHeader()->hide();
    Table->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary);
    layout->addLayout(filters);
    layout->addWidget(Table, 1);
    resize(1040, 600);

    connect(ClassFilter, &QComboBox::currentIndexChanged, this, [this](int index) {
        static const rules::ProblemClass kClasses[] = {
            rules::ProblemClass::Error, rules::ProblemClass::Warning, rules::ProblemClass::Hint};
        Filter->SetClass(index <= 0 ? std::nullopt : std::optional(kClasses[index - 1]));
    });
    // Typing is filtered once the user pauses, not at every key.
    filterDelay_.setSingleShot(true);
    filterDelay_.setInterval(kFilterDelayMs);
    connect(TextFilter, &QLineEdit::textChanged, &filterDelay_, qOverload<>(&QTimer::start));
    connect(&filterDelay_, &QTimer::timeout, this, [this] { Filter->SetText(TextFilter->text()); });
    const auto fitRows = [this] { QTimer::singleShot(0, this, &ReportViewer::FitVisibleRows); };
    connect(Table->verticalScrollBar(), &QScrollBar::valueChanged, this, fitRows);
    connect(Table->horizontalHeader(), &QHeaderView::sectionResized, this, fitRows);
    connect(Filter, &QAbstractItemModel::layoutChanged, this, fitRows);
    connect(Filter, &QAbstractItemModel::rowsInserted, this, fitRows);
    connect(Filter, &QAbstractItemModel::rowsRemoved, this, fitRows);
    connect(Filter, &QAbstractItemModel::modelReset, this, fitRows);
    connect(Table, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { ShowRowDetails(index.row()); });
}

void ReportViewer::ShowOutcome(const check::CheckOutcome& outcome) {
    Summary->setPlainText(SummaryText(outcome));
    model_->SetRows(outcome.ProblemRows);
    FitColumns();
}

// The problems are what the archivist reads the table for: they get every pixel the other
// columns leave. A cell column gets what its longest text of the first rows needs, up to a share
// of the width: the title the largest, the number, dates and sheets what they usually need. Cut
// texts show whole in their hint and in the row's details.
void ReportViewer::FitColumns() {
    QHeaderView* header = Table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    header->setResizeContentsPrecision(200);  // the first rows only: 70 000 rows measured would take seconds
    const int room = std::max(Table->viewport()->width(), width() - 40);
    const int character = fontMetrics().averageCharWidth();
    const auto limit = [&](int column) {
        switch (column) {
            case ProblemTableModel::TitleColumn:
                return std::max(character * 24, room / 5);
            case ProblemTableModel::DatesColumn:
                return fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000-00.00.0000")) +
                       character * 3;
            case ProblemTableModel::NotesColumn:
                return std::max(character * 10, room / 10);
            default:
                return character * 10;
        }
    };
    for (int column = ProblemTableModel::RowColumn; column < ProblemTableModel::ProblemsColumn; ++column) {
        Table->resizeColumnToContents(column);
        Table->setColumnWidth(column, std::min(Table->columnWidth(column), limit(column)));
    }
    FitVisibleRows();
}

void ReportViewer::FitVisibleRows() {
    const int first = std::max(0, Table->rowAt(0));
    int last = Table->rowAt(Table->viewport()->height() - 1);
    if (last < 0) last = Table->model()->rowCount() - 1;
    for (int row = first; row <= last && row >= 0; ++row) Table->resizeRowToContents(row);
}

void ReportViewer::ShowOnScreen(const QWidget* over) {
    if (!isVisible() && over && over->screen()) {
        const QRect area = over->screen()->availableGeometry();
        resize(size().boundedTo(area.size()));
        move(PlaceOnScreen(over->frameGeometry(), frameGeometry().size(), area));
    }
    show();
    raise();
    activateWindow();
}

void ReportViewer::ShowRowDetails(int viewRow) {
    const QModelIndex source = Filter->mapToSource(Filter->index(viewRow, 0));
    if (!source.isValid()) return;
    auto* dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("RowDetails"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const int tableRow = model_->Row(source.row()).TableRow;
    dialog->setWindowTitle(QStringLiteral("Строка %1 описи").arg(tableRow));
    auto* form = new QFormLayout(dialog);
    for (int column = ProblemTableModel::NumberColumn; column < ProblemTableModel::kColumnCount; ++column) {
        auto* value = new QLabel(model_->Text(source.row(), column));
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(420);
        form->addRow(
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString() + QLatin1Char(':'), value);
    }
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    form->addRow(buttons);
    dialog->show();
}

}  // namespace tabulex::app
