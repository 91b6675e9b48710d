#include "app/SettingsPage.h"

#include "app/PageWidgets.h"
#include "app/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tabulex::app {

SettingsPage::SettingsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsMore"));

    auto* columns = MakeGroup(QStringLiteral("cbCols"), QStringLiteral("Столбцы"), this);
    auto* columnList = new QVBoxLayout(columns);
    AutoColumnsChoice = AddControl<QRadioButton>(columnList, QStringLiteral("rbColsAuto"),
                                                 QStringLiteral("Авто (рекомендуется)"),
                                                 QStringLiteral("Автоматически выбирать нужные столбцы"));
    StandardColumnsChoice = AddControl<QRadioButton>(
        columnList, QStringLiteral("rbColsStd"), QStringLiteral("Стандартные"),
        QStringLiteral("В описи стандартные столбцы:\\Номер\\Заголовок\\Даты\\Количество\\Примечание"));
    auto* leaveRow = new QHBoxLayout;
    SkipColumnsChoice = AddControl<QRadioButton>(
        leaveRow, QStringLiteral("rbColsLeave"), QStringLiteral("Пропустить"),
        QStringLiteral("В описи нестандартные столбцы\\Пропустить указанные\\Например 2,3"));
    SkipColumnsEdit = new QLineEdit(QStringLiteral("2"));
    SkipColumnsEdit->setObjectName(QStringLiteral("edColsNum"));
    SkipColumnsEdit->setMaximumWidth(
        SkipColumnsEdit->fontMetrics().horizontalAdvance(QStringLiteral("0,00,00")) + 12);
    leaveRow->addWidget(SkipColumnsEdit);
    leaveRow->addStretch();
    columnList->addLayout(leaveRow);
    AutoColumnsChoice->setChecked(true);

    auto* dates = MakeGroup(QStringLiteral("gbDates"), QStringLiteral("Даты"), this);
    auto* dateList = new QVBoxLayout(dates);
    DayWithoutZeroChoice = AddControl<QRadioButton>(dateList, QStringLiteral("RadioButton1"), {},
                                                    QStringLiteral("Число всегда без ведущего нуля"));
    DayWithZeroChoice =
        AddControl<QRadioButton>(dateList, QStringLiteral("RadioButton2"), {},
                                 QStringLiteral("Число с ведущим нулем\\(при необходимости)"));
    YearMarkBox = AddControl<QCheckBox>(
        dateList, QStringLiteral("CheckBox1"), QStringLiteral("\"г.\" после даты"),
        QStringLiteral("Сокращение года \"г.\" после каждой даты\\1 января 1988 г. - 21 января 1989 г."));
    DayWithoutZeroChoice->setChecked(true);
    dates->setEnabled(false);  // not read by anything yet

    auto* initials = MakeGroup(QStringLiteral("gbInit"), QStringLiteral("Инициалы"), this);
    auto* initialList = new QVBoxLayout(initials);
    JoinedInitialsChoice =
        AddControl<QRadioButton>(initialList, QStringLiteral("rbInit1"), QStringLiteral("А.Б. И&ванов"),
                                 QStringLiteral("Между именем и отчеством пробела нет"));
    SpacedInitialsChoice =
        AddControl<QRadioButton>(initialList, QStringLiteral("rbInit2"), QStringLiteral("А. Б. &Иванов"),
                                 QStringLiteral("Между именем и отчеством есть пробел"));
    JoinedInitialsChoice->setChecked(true);

    auto* ruleSet = MakeGroup(QStringLiteral("gbRules"), QStringLiteral("Правила проверки"), this);
    auto* ruleList = new QVBoxLayout(ruleSet);
    OriginalRulesChoice =
        AddControl<QRadioButton>(ruleList, QStringLiteral("rbRulesOriginal"), QStringLiteral("Исход&ные"),
                                 QStringLiteral("Правила описания, для которых сделана программа"));
    ModernRulesChoice = AddControl<QRadioButton>(
        ruleList, QStringLiteral("rbRulesModern"), QStringLiteral("Со&временные"),
        QStringLiteral("Для описей, составленных сегодня:\\диапазоны дат с пробелами у тире (1990 - "
                       "1995),\\месяцы словами (июнь 1987, 12 мая 1990 г.),\\литеры строчными буквами "
                       "(5а), номера с точкой (1.)"));
    OriginalRulesChoice->setChecked(true);

    auto* report = MakeGroup(QStringLiteral("gbReport"), QStringLiteral("Отчёт по описи"), this);
    auto* reportList = new QVBoxLayout(report);
    ReportTableBox = AddControl<QCheckBox>(reportList, QStringLiteral("cbTable"),
                                           QStringLiteral("Преобразовать в &таблицу"),
                                           QStringLiteral("Преобразовать отчёт в таблицу"));
    ReportAutosizeBox = AddControl<QCheckBox>(
        reportList, QStringLiteral("cbTableAutosize"), QStringLiteral("Автопод&бор размеров"),
        QStringLiteral("Автоматически подобрать размер столбцов\\Автоподбор по содержимому"));
    AnnotatedCopyBox = AddControl<QCheckBox>(
        reportList, QStringLiteral("cbAnnotate"), QStringLiteral("Примечания в &копии описи"),
        QStringLiteral("Записать в папку отчёта копию описи, в которой у каждой строки с замечаниями\\"
                       "стоит примечание с этими замечаниями"));
    CertificationCheckBox = AddControl<QCheckBox>(
        reportList, QStringLiteral("cbCertification"), QStringLiteral("Сверять &заверительную надпись"),
        QStringLiteral("Сравнить заверительную надпись после таблицы с тем, что нашла проверка\\"
                       "Снимите галочку для черновика без надписи"));
    ReportTableBox->setChecked(true);
    ReportAutosizeBox->setChecked(true);
    CertificationCheckBox->setChecked(true);

    auto* closing = MakeGroup(QStringLiteral("GroupBox2"), QStringLiteral("Закрыть файл отчёта"), this);
    auto* closingList = new QVBoxLayout(closing);
    CloseReportBeforeCheckBox = AddControl<QCheckBox>(
        closingList, QStringLiteral("cbCloseRepFile"), QStringLiteral("Перед проверкой"),
        QStringLiteral("Закрывать файл отчёта Tabulex_Report.txt без сохранения перед "
                       "началом проверки"));
    CloseReportOnExitBox = AddControl<QCheckBox>(
        closingList, QStringLiteral("cbCloseRepFileOnExit"), QStringLiteral("При выходе из программы"),
        QStringLiteral("Закрывать файл отчёта Tabulex_Report.txt без сохранения при выходе из программы"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(columns, 0, 0);
    grid->addWidget(dates, 0, 1);
    grid->addWidget(initials, 1, 0);
    grid->addWidget(report, 1, 1);
    grid->addWidget(ruleSet, 2, 0);
    grid->addWidget(closing, 2, 1);
    grid->setRowStretch(3, 1);

    connect(SkipColumnsEdit, &QLineEdit::textChanged, this, [this] {
        SkipColumnsChoice->setChecked(true);
        UpdateColumnsEdit();
    });
    connect(StandardColumnsChoice, &QRadioButton::clicked, this, &SettingsPage::UpdateColumnsEdit);
    connect(SkipColumnsChoice, &QRadioButton::clicked, this, &SettingsPage::UpdateColumnsEdit);
    connect(ReportTableBox, &QCheckBox::clicked, this,
            [this] { ReportAutosizeBox->setEnabled(ReportTableBox->isChecked()); });
    connect(YearMarkBox, &QCheckBox::clicked, this, &SettingsPage::UpdateDateCaptions);
    UpdateColumnsEdit();
    UpdateDateCaptions();
}

// The column list looks editable only while "Пропустить" is chosen.
void SettingsPage::UpdateColumnsEdit() {
    QPalette palette = SkipColumnsEdit->palette();
    const QPalette::ColorRole role = SkipColumnsChoice->isChecked() ? QPalette::Base : QPalette::Button;
    palette.setColor(QPalette::Base, QWidget::palette().color(role));
    SkipColumnsEdit->setPalette(palette);
}

void SettingsPage::UpdateDateCaptions() {
    const QString year = YearMarkBox->isChecked() ? QStringLiteral(" г.") : QString();
    DayWithoutZeroChoice->setText(QStringLiteral("1 января 1989") + year);
    DayWithZeroChoice->setText(QStringLiteral("01 января 1989") + year);
}

void SettingsPage::Load(const WindowOptions& options) {
    (options.Check.SpacedInitials ? SpacedInitialsChoice : JoinedInitialsChoice)->setChecked(true);
    CloseReportBeforeCheckBox->setChecked(options.Check.CloseReportFile);
    CloseReportOnExitBox->setChecked(options.CloseReportFileOnExit);
    AnnotatedCopyBox->setChecked(options.AnnotatedCopy);
    CertificationCheckBox->setChecked(options.Check.CertificationCheck);
    (options.Check.Rules == rules::RuleSet::Modern ? ModernRulesChoice : OriginalRulesChoice)
        ->setChecked(true);
}

void SettingsPage::Store(WindowOptions& options) const {
    check::CheckOptions& check = options.Check;
    check.SpacedInitials = SpacedInitialsChoice->isChecked();
    check.Rules = ModernRulesChoice->isChecked() ? rules::RuleSet::Modern : rules::RuleSet::Original;
    check.Columns = StandardColumnsChoice->isChecked() ? check::ColumnMode::Standard
                    : SkipColumnsChoice->isChecked()   ? check::ColumnMode::Skip
                                                       : check::ColumnMode::Auto;
    check.SkipColumnsText = ToCp(SkipColumnsEdit->text());
    check.CloseReportFile = CloseReportBeforeCheckBox->isChecked();
    check.ReportToTable = ReportTableBox->isChecked();
    check.ReportTableAutosize = ReportAutosizeBox->isChecked();
    options.CloseReportFileOnExit = CloseReportOnExitBox->isChecked();
    options.AnnotatedCopy = AnnotatedCopyBox->isChecked();
    check.CertificationCheck = CertificationCheckBox->isChecked();
}

}  // namespace tabulex::app
