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
    rbColsAuto = AddControl<QRadioButton>(columnList, QStringLiteral("rbColsAuto"),
                                          QStringLiteral("Авто (рекомендуется)"),
                                          QStringLiteral("Автоматически выбирать нужные столбцы"));
    rbColsStd = AddControl<QRadioButton>(
        columnList, QStringLiteral("rbColsStd"), QStringLiteral("Стандартные"),
        QStringLiteral("В описи стандартные столбцы:\\Номер\\Заголовок\\Даты\\Количество\\Примечание"));
    auto* leaveRow = new QHBoxLayout;
    rbColsLeave = AddControl<QRadioButton>(
        leaveRow, QStringLiteral("rbColsLeave"), QStringLiteral("Пропустить"),
        QStringLiteral("В описи нестандартные столбцы\\Пропустить указанные\\Например 2,3"));
    edColsNum = new QLineEdit(QStringLiteral("2"));
    edColsNum->setObjectName(QStringLiteral("edColsNum"));
    edColsNum->setMaximumWidth(edColsNum->fontMetrics().horizontalAdvance(QStringLiteral("0,00,00")) + 12);
    leaveRow->addWidget(edColsNum);
    leaveRow->addStretch();
    columnList->addLayout(leaveRow);
    rbColsAuto->setChecked(true);

    auto* dates = MakeGroup(QStringLiteral("gbDates"), QStringLiteral("Даты"), this);
    auto* dateList = new QVBoxLayout(dates);
    RadioButton1 = AddControl<QRadioButton>(dateList, QStringLiteral("RadioButton1"), {},
                                            QStringLiteral("Число всегда без ведущего нуля"));
    RadioButton2 = AddControl<QRadioButton>(dateList, QStringLiteral("RadioButton2"), {},
                                            QStringLiteral("Число с ведущим нулем\\(при необходимости)"));
    CheckBox1 = AddControl<QCheckBox>(
        dateList, QStringLiteral("CheckBox1"), QStringLiteral("\"г.\" после даты"),
        QStringLiteral("Сокращение года \"г.\" после каждой даты\\1 января 1988 г. - 21 января 1989 г."));
    RadioButton1->setChecked(true);
    dates->setEnabled(false);  // not read by anything yet

    auto* initials = MakeGroup(QStringLiteral("gbInit"), QStringLiteral("Инициалы"), this);
    auto* initialList = new QVBoxLayout(initials);
    rbInit1 = AddControl<QRadioButton>(initialList, QStringLiteral("rbInit1"), QStringLiteral("А.Б. И&ванов"),
                                       QStringLiteral("Между именем и отчеством пробела нет"));
    rbInit2 =
        AddControl<QRadioButton>(initialList, QStringLiteral("rbInit2"), QStringLiteral("А. Б. &Иванов"),
                                 QStringLiteral("Между именем и отчеством есть пробел"));
    rbInit1->setChecked(true);

    auto* ruleSet = MakeGroup(QStringLiteral("gbRules"), QStringLiteral("Правила проверки"), this);
    auto* ruleList = new QVBoxLayout(ruleSet);
    rbRulesOriginal =
        AddControl<QRadioButton>(ruleList, QStringLiteral("rbRulesOriginal"), QStringLiteral("Исход&ные"),
                                 QStringLiteral("Правила описания, для которых сделана программа"));
    rbRulesModern = AddControl<QRadioButton>(
        ruleList, QStringLiteral("rbRulesModern"), QStringLiteral("Со&временные"),
        QStringLiteral("Для описей, составленных сегодня:\\диапазоны дат с пробелами у тире (1990 - "
                       "1995),\\месяцы словами (июнь 1987, 12 мая 1990 г.),\\литеры строчными буквами "
                       "(5а), номера с точкой (1.)"));
    rbRulesOriginal->setChecked(true);

    auto* report = MakeGroup(QStringLiteral("gbReport"), QStringLiteral("Отчёт по описи"), this);
    auto* reportList = new QVBoxLayout(report);
    cbTable = AddControl<QCheckBox>(reportList, QStringLiteral("cbTable"),
                                    QStringLiteral("Преобразовать в &таблицу"),
                                    QStringLiteral("Преобразовать отчёт в таблицу"));
    cbTableAutosize = AddControl<QCheckBox>(
        reportList, QStringLiteral("cbTableAutosize"), QStringLiteral("Автопод&бор размеров"),
        QStringLiteral("Автоматически подобрать размер столбцов\\Автоподбор по "
                       "содержимому\\Требуется Word 2000 и выше"));
    cbAnnotate = AddControl<QCheckBox>(
        reportList, QStringLiteral("cbAnnotate"), QStringLiteral("Примечания в &копии описи"),
        QStringLiteral("Записать в папку отчёта копию описи, в которой у каждой строки с замечаниями\\"
                       "стоит примечание с этими замечаниями"));
    cbCertification = AddControl<QCheckBox>(
        reportList, QStringLiteral("cbCertification"), QStringLiteral("Сверять &заверительную надпись"),
        QStringLiteral("Сравнить заверительную надпись после таблицы с тем, что нашла проверка\\"
                       "Снимите галочку для черновика без надписи"));
    cbTable->setChecked(true);
    cbTableAutosize->setChecked(true);
    cbCertification->setChecked(true);

    auto* closing = MakeGroup(QStringLiteral("GroupBox2"), QStringLiteral("Закрыть файл отчёта"), this);
    auto* closingList = new QVBoxLayout(closing);
    cbCloseRepFile = AddControl<QCheckBox>(
        closingList, QStringLiteral("cbCloseRepFile"), QStringLiteral("Перед проверкой"),
        QStringLiteral("Закрывать файл отчёта Tabulex_Report.txt без сохранения перед "
                       "началом проверки"));
    cbCloseRepFileOnExit = AddControl<QCheckBox>(
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

    connect(edColsNum, &QLineEdit::textChanged, this, [this] {
        rbColsLeave->setChecked(true);
        UpdateColumnsEdit();
    });
    connect(rbColsStd, &QRadioButton::clicked, this, &SettingsPage::UpdateColumnsEdit);
    connect(rbColsLeave, &QRadioButton::clicked, this, &SettingsPage::UpdateColumnsEdit);
    connect(cbTable, &QCheckBox::clicked, this,
            [this] { cbTableAutosize->setEnabled(cbTable->isChecked()); });
    connect(CheckBox1, &QCheckBox::clicked, this, &SettingsPage::UpdateDateCaptions);
    UpdateColumnsEdit();
    UpdateDateCaptions();
}

// The column list looks editable only while "Пропустить" is chosen.
void SettingsPage::UpdateColumnsEdit() {
    QPalette palette = edColsNum->palette();
    const QPalette::ColorRole role = rbColsLeave->isChecked() ? QPalette::Base : QPalette::Button;
    palette.setColor(QPalette::Base, QWidget::palette().color(role));
    edColsNum->setPalette(palette);
}

void SettingsPage::UpdateDateCaptions() {
    const QString year = CheckBox1->isChecked() ? QStringLiteral(" г.") : QString();
    RadioButton1->setText(QStringLiteral("1 января 1989") + year);
    RadioButton2->setText(QStringLiteral("01 января 1989") + year);
}

void SettingsPage::Load(const WindowOptions& options) {
    (options.SpacedInitials ? rbInit2 : rbInit1)->setChecked(true);
    cbCloseRepFile->setChecked(options.CloseReportFile);
    cbCloseRepFileOnExit->setChecked(options.CloseReportFileOnExit);
    cbAnnotate->setChecked(options.AnnotatedCopy);
    cbCertification->setChecked(options.CertificationCheck);
    (options.ModernRules ? rbRulesModern : rbRulesOriginal)->setChecked(true);
}

void SettingsPage::Store(WindowOptions& options) const {
    options.SpacedInitials = rbInit2->isChecked();
    options.CloseReportFile = cbCloseRepFile->isChecked();
    options.CloseReportFileOnExit = cbCloseRepFileOnExit->isChecked();
    options.AnnotatedCopy = cbAnnotate->isChecked();
    options.CertificationCheck = cbCertification->isChecked();
    options.ModernRules = rbRulesModern->isChecked();
}

void SettingsPage::FillCheckOptions(check::CheckOptions& options) const {
    options.SpacedInitials = rbInit2->isChecked();
    options.Rules = rbRulesModern->isChecked() ? rules::RuleSet::Modern : rules::RuleSet::Original;
    options.Columns = rbColsStd->isChecked()     ? check::ColumnMode::Standard
                      : rbColsLeave->isChecked() ? check::ColumnMode::Skip
                                                 : check::ColumnMode::Auto;
    options.SkipColumnsText = ToCp(edColsNum->text());
    options.CloseReportFile = cbCloseRepFile->isChecked();
    options.ReportToTable = cbTable->isChecked();
    options.ReportTableAutosize = cbTableAutosize->isChecked();
    options.CertificationCheck = cbCertification->isChecked();
}

}  // namespace tabulex::app
