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
    OpenDocumentChoice = new QRadioButton(QStringLiteral("Открыты&й файл"));
    Decorate(OpenDocumentChoice, QStringLiteral("rbFileOpened"),
             QStringLiteral("Проверять файл, открытый сейчас в Word'е"));
    LastFileChoice = new QRadioButton(QStringLiteral("Последний &файл"));
    Decorate(LastFileChoice, QStringLiteral("rbFileLast"), {});
    NamedFileChoice = new QRadioButton(QStringLiteral("Дру&гой файл"));
    Decorate(NamedFileChoice, QStringLiteral("rbFileName"), QStringLiteral("Проверять файл на диске"));
    FileNameEdit = new QLineEdit;
    FileNameEdit->setObjectName(QStringLiteral("edFileName"));
    FileNameEdit->setMinimumWidth(281);
    BrowseButton = new QPushButton(QStringLiteral("О&бзор..."));
    Decorate(BrowseButton, QStringLiteral("btBrowse"),
             QStringLiteral("Выбрать файл описи (Ctrl+O)\\Нажмите правую кнопку мыши для опций"));
    auto* fileGrid = new QGridLayout(selectFile);
    fileGrid->addWidget(OpenDocumentChoice, 0, 0);
    fileGrid->addWidget(LastFileChoice, 1, 0);
    fileGrid->addWidget(NamedFileChoice, 2, 0);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(FileNameEdit, 1);
    pathRow->addWidget(BrowseButton);
    fileGrid->addLayout(pathRow, 3, 0);
    for (QRadioButton* button : {OpenDocumentChoice, LastFileChoice, NamedFileChoice})
        button->installEventFilter(this);

    auto* problems = MakeGroup(QStringLiteral("gbSelectProblem"), QStringLiteral("Т&ипы проблем"), this);
    auto* problemList = new QVBoxLayout(problems);
    ShowErrorsBox =
        AddControl<QCheckBox>(problemList, QStringLiteral("cbShowErrors"), QStringLiteral("О&шибки"),
                              QStringLiteral("Поиск грубых ошибок. Активно всегда"));
    ShowWarningsBox =
        AddControl<QCheckBox>(problemList, QStringLiteral("cbShowWarnings"),
                              QStringLiteral("Пре&дупреждения"), QStringLiteral("Поиск негрубых ошибок"));
    const QString hintsHint = QStringLiteral("Поиск проблем с пробелами, неверными символами и т.д.");
    ShowHintsBox = AddControl<QCheckBox>(problemList, QStringLiteral("cbShowHints"),
                                         QStringLiteral("Подс&казки"), hintsHint);
    auto* typos = AddControl<QCheckBox>(problemList, QStringLiteral("CheckBox11"),
                                        QStringLiteral("Опе&чатки"), hintsHint);
    typos->setChecked(true);
    typos->setEnabled(false);
    ShowErrorsBox->setChecked(true);
    problemList->addStretch();

    auto* fields = MakeGroup(QStringLiteral("gbFields"), QStringLiteral("По&ля"), this);
    auto* fieldList = new QVBoxLayout(fields);
    TwoDateColumnsBox =
        AddControl<QCheckBox>(fieldList, QStringLiteral("cbDates"), QStringLiteral("Даты в двух столб&цах"),
                              QStringLiteral("Даты в описи указаны в двух столбцах"));
    DatesMayBeEmptyBox = AddControl<QCheckBox>(
        fieldList, QStringLiteral("cbDatesEmpty"), QStringLiteral("Даты м.б. не &указаны"),
        QStringLiteral("Поле \"Крайние даты дела\" может быть не заполнено\\Для проверки "
                       "рекомендуется галочку снимать"));
    SheetsMayBeEmptyBox = AddControl<QCheckBox>(
        fieldList, QStringLiteral("cbKolEmpty"), QStringLiteral("Кол-во &листов м.б. не указано"),
        QStringLiteral("Поле \"Количество листов дела\" может быть не заполнено\\Для проверки "
                       "рекомендуется галочку снимать"));
    fieldList->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(selectFile, 0, 0, 1, 2);
    grid->addWidget(problems, 1, 0);
    grid->addWidget(fields, 1, 1, Qt::AlignTop);
    grid->setRowStretch(2, 1);

    connect(FileNameEdit, &QLineEdit::textChanged, this, [this] { NamedFileChoice->setChecked(true); });
    SetChoice(FileChoice::Opened);
    SetLastFile({});
}

FileChoice MainPage::Choice() const {
    if (LastFileChoice->isChecked()) return FileChoice::Last;
    if (NamedFileChoice->isChecked()) return FileChoice::Named;
    return FileChoice::Opened;
}

void MainPage::SetChoice(FileChoice choice) {
    switch (choice) {
        case FileChoice::Opened:
            OpenDocumentChoice->setChecked(true);
            break;
        case FileChoice::Last:
            LastFileChoice->setChecked(true);
            break;
        case FileChoice::Named:
            NamedFileChoice->setChecked(true);
            break;
    }
}

QString MainPage::FileName() const {
    return FileNameEdit->text();
}

void MainPage::SetFileName(const QString& path) {
    FileNameEdit->setText(path);
    NamedFileChoice->setChecked(true);  // also when the text did not change
}

void MainPage::SetLastFile(const QString& name) {
    LastFileChoice->setEnabled(!name.isEmpty());
    LastFileChoice->setToolTip(name.isEmpty() ? QString()
                                              : FromCp(msg::kLastFileHint1) + name + QLatin1Char('"'));
}

void MainPage::Load(const WindowOptions& options) {
    if (!options.FileName.empty()) FileNameEdit->setText(FromCp(options.FileName));
    SetChoice(options.File);
    ShowWarningsBox->setChecked(options.ShowWarnings);
    ShowHintsBox->setChecked(options.ShowHints);
    TwoDateColumnsBox->setChecked(options.TwoDateColumns);
    DatesMayBeEmptyBox->setChecked(options.DatesMayBeEmpty);
    SheetsMayBeEmptyBox->setChecked(options.SheetsMayBeEmpty);
}

void MainPage::Store(WindowOptions& options) const {
    options.FileName = ToCp(FileNameEdit->text());
    options.File = Choice();
    options.ShowWarnings = ShowWarningsBox->isChecked();
    options.ShowHints = ShowHintsBox->isChecked();
    options.TwoDateColumns = TwoDateColumnsBox->isChecked();
    options.DatesMayBeEmpty = DatesMayBeEmptyBox->isChecked();
    options.SheetsMayBeEmpty = SheetsMayBeEmptyBox->isChecked();
}

bool MainPage::ShowWarnings() const {
    return ShowWarningsBox->isChecked();
}

bool MainPage::ShowHints() const {
    return ShowHintsBox->isChecked();
}

void MainPage::CheckShowErrors() {
    ShowErrorsBox->setChecked(true);
}

bool MainPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        emit FileChoiceDoubleClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tabulex::app
