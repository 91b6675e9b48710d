#include "app/MainPage.h"

#include "app/AppTexts.h"
#include "app/PageWidgets.h"
#include "app/QtText.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tabulex::app {

MainPage::MainPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("tsMain"));

    auto* selectFile = MakeGroup(QStringLiteral("gbSelectFile"), QStringLiteral("&Выберите файл"), this);
    rbFileOpened = new QRadioButton(QStringLiteral("Открыты&й файл"));
    Decorate(rbFileOpened, QStringLiteral("rbFileOpened"),
             QStringLiteral("Проверять файл, открытый сейчас в Word'е"));
    rbFileLast = new QRadioButton(QStringLiteral("Последний &файл"));
    Decorate(rbFileLast, QStringLiteral("rbFileLast"), {});
    rbFileName = new QRadioButton(QStringLiteral("Дру&гой файл"));
    Decorate(rbFileName, QStringLiteral("rbFileName"), QStringLiteral("Проверять файл на диске"));
    edFileName = new QLineEdit;
    edFileName->setObjectName(QStringLiteral("edFileName"));
    edFileName->setMinimumWidth(281);
    btBrowse = new QPushButton(QStringLiteral("О&бзор..."));
    Decorate(btBrowse, QStringLiteral("btBrowse"),
             QStringLiteral("Выбрать файл описи (Ctrl+O)\\Нажмите правую кнопку мыши для опций"));
    auto* fileGrid = new QGridLayout(selectFile);
    fileGrid->addWidget(rbFileOpened, 0, 0);
    fileGrid->addWidget(rbFileLast, 1, 0);
    fileGrid->addWidget(rbFileName, 2, 0);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(edFileName, 1);
    pathRow->addWidget(btBrowse);
    fileGrid->addLayout(pathRow, 3, 0);
    for (QRadioButton* button : {rbFileOpened, rbFileLast, rbFileName}) button->installEventFilter(this);

    auto* problems = MakeGroup(QStringLiteral("gbSelectProblem"), QStringLiteral("Т&ипы проблем"), this);
    auto* problemList = new QVBoxLayout(problems);
    cbShowErrors =
        AddControl<QCheckBox>(problemList, QStringLiteral("cbShowErrors"), QStringLiteral("О&шибки"),
                              QStringLiteral("Поиск грубых ошибок. Активно всегда"));
    cbShowWarnings =
        AddControl<QCheckBox>(problemList, QStringLiteral("cbShowWarnings"),
                              QStringLiteral("Пре&дупреждения"), QStringLiteral("Поиск негрубых ошибок"));
    const QString hintsHint = QStringLiteral("Поиск проблем с пробелами, неверными символами и т.д.");
    cbShowHints = AddControl<QCheckBox>(problemList, QStringLiteral("cbShowHints"),
                                        QStringLiteral("Подс&казки"), hintsHint);
    auto* typos = AddControl<QCheckBox>(problemList, QStringLiteral("CheckBox11"),
                                        QStringLiteral("Опе&чатки"), hintsHint);
    typos->setChecked(true);
    typos->setEnabled(false);
    cbShowErrors->setChecked(true);
    problemList->addStretch();

    auto* fields = MakeGroup(QStringLiteral("gbFields"), QStringLiteral("По&ля"), this);
    auto* fieldList = new QVBoxLayout(fields);
    cbDates =
        AddControl<QCheckBox>(fieldList, QStringLiteral("cbDates"), QStringLiteral("Даты в двух столб&цах"),
                              QStringLiteral("Даты в описи указаны в двух столбцах"));
    cbDatesEmpty = AddControl<QCheckBox>(
        fieldList, QStringLiteral("cbDatesEmpty"), QStringLiteral("Даты м.б. не &указаны"),
        QStringLiteral("Поле \"Крайние даты дела\" может быть не заполнено\\Для проверки "
                       "рекомендуется галочку снимать"));
    cbKolEmpty = AddControl<QCheckBox>(
        fieldList, QStringLiteral("cbKolEmpty"), QStringLiteral("Кол-во &листов м.б. не указано"),
        QStringLiteral("Поле \"Количество листов дела\" может быть не заполнено\\Для проверки "
                       "рекомендуется галочку снимать"));
    fieldList->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(selectFile, 0, 0, 1, 2);
    grid->addWidget(problems, 1, 0);
    grid->addWidget(fields, 1, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);

    connect(edFileName, &QLineEdit::textChanged, this, [this] { rbFileName->setChecked(true); });
    SetChoice(FileChoice::Opened);
    SetLastFile({});
}

FileChoice MainPage::Choice() const {
    if (rbFileLast->isChecked()) return FileChoice::Last;
    if (rbFileName->isChecked()) return FileChoice::Named;
    return FileChoice::Opened;
}

void MainPage::SetChoice(FileChoice choice) {
    switch (choice) {
        case FileChoice::Opened:
            rbFileOpened->setChecked(true);
            break;
        case FileChoice::Last:
            rbFileLast->setChecked(true);
            break;
        case FileChoice::Named:
            rbFileName->setChecked(true);
            break;
    }
}

QString MainPage::FileName() const {
    return edFileName->text();
}

void MainPage::SetFileName(const QString& path) {
    edFileName->setText(path);
    rbFileName->setChecked(true);  // also when the text did not change
}

void MainPage::SetLastFile(const QString& name) {
    rbFileLast->setEnabled(!name.isEmpty());
    rbFileLast->setToolTip(name.isEmpty() ? QString()
                                          : FromCp(msg::kLastFileHint1) + name + QLatin1Char('"'));
}

void MainPage::Load(const WindowOptions& options) {
    if (!options.FileName.empty()) edFileName->setText(FromCp(options.FileName));
    SetChoice(options.File);
    cbShowWarnings->setChecked(options.ShowWarnings);
    cbShowHints->setChecked(options.ShowHints);
    cbDates->setChecked(options.TwoDateColumns);
    cbDatesEmpty->setChecked(options.DatesMayBeEmpty);
    cbKolEmpty->setChecked(options.SheetsMayBeEmpty);
}

void MainPage::Store(WindowOptions& options) const {
    options.FileName = ToCp(edFileName->text());
    options.File = Choice();
    options.ShowWarnings = cbShowWarnings->isChecked();
    options.ShowHints = cbShowHints->isChecked();
    options.TwoDateColumns = cbDates->isChecked();
    options.DatesMayBeEmpty = cbDatesEmpty->isChecked();
    options.SheetsMayBeEmpty = cbKolEmpty->isChecked();
}

bool MainPage::ShowWarnings() const {
    return cbShowWarnings->isChecked();
}

bool MainPage::ShowHints() const {
    return cbShowHints->isChecked();
}

void MainPage::CheckShowErrors() {
    cbShowErrors->setChecked(true);
}

bool MainPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        emit FileChoiceDoubleClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tabulex::app
