#include "app/ReportViewer.h"

#include "app/ProblemTableModel.h"
#include "app/QtText.h"
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
#include <QTableView>
#include <QVBoxLayout>

namespace tabulex::app {
namespace {

QString SummaryText(const check::CheckOutcome& outcome) {
    QStringList lines;
    lines << QStringLiteral("Документ: ") + FromCp(outcome.DocumentName);
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
    Table->setWordWrap(false);
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
    connect(TextFilter, &QLineEdit::textChanged, Filter, &ProblemFilter::SetText);
    connect(Table, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { ShowRowDetails(index.row()); });
}

void ReportViewer::ShowOutcome(const check::CheckOutcome& outcome) {
    Summary->setPlainText(SummaryText(outcome));
    model_->SetRows(outcome.ProblemRows);
    // The cells get what they need up to a share of the width, the title (what the archivist reads
    // the row by) the largest; the problems take the rest.
    Table->resizeColumnsToContents();
    const int cellLimit = fontMetrics().averageCharWidth() * 28;
    const int titleLimit = std::max(cellLimit, width() * 3 / 10);
    for (int column = ProblemTableModel::NumberColumn; column < ProblemTableModel::ProblemsColumn; ++column) {
        const int limit = column == ProblemTableModel::TitleColumn ? titleLimit : cellLimit;
        Table->setColumnWidth(column, std::min(Table->columnWidth(column), limit));
    }
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
        auto* value = new QLabel(model_->index(source.row(), column).data().toString());
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
