#include "app/MainPage.h"

#include "app/AppTexts.h"
#include "app/PageWidgets.h"
#include "app/QtText.h"

#include <QCheckBox>
#include <QDir>
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
             QStringLiteral("Проверять документ, открытый сейчас в программе (Файл | Открыть)"));
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
    ActiveDocumentLabel = new ElidedLabel;
    ActiveDocumentLabel->setObjectName(QStringLiteral("ActiveDocumentLabel"));
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(FileNameEdit, 1);
    pathRow->addWidget(BrowseButton);
    fileGrid->addLayout(pathRow, 3, 0);
    fileGrid->addWidget(ActiveDocumentLabel, 4, 0);
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

    // Typed text is the other file; what the field shows for the other two choices is not.
    connect(FileNameEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        namedPath_ = text;
        NamedFileChoice->setChecked(true);
    });
    for (QRadioButton* button : {OpenDocumentChoice, LastFileChoice, NamedFileChoice})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on) ShowPathOfChoice();
        });
    SetChoice(FileChoice::Opened);
    SetLastFile({}, {});
    ShowActiveDocument({}, {}, 0);
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
    return namedPath_;
}

// A path chosen in a dialog, dropped or given at start comes with forward slashes; the field shows
// it as the system writes it, like the other two choices.
void MainPage::SetFileName(const QString& path) {
    namedPath_ = QDir::toNativeSeparators(path);
    NamedFileChoice->setChecked(true);  // also when the text did not change
    ShowPathOfChoice();
}

void MainPage::SetLastFile(const QString& name, const QString& path) {
    lastPath_ = path.isEmpty() ? name : path;
    LastFileChoice->setEnabled(!name.isEmpty());
    LastFileChoice->setToolTip(name.isEmpty() ? QString()
                                              : FromCp(msg::kLastFileHint1) + name + QLatin1Char('"'));
    ShowPathOfChoice();
}

void MainPage::ShowActiveDocument(const QString& name, const QString& path, int openCount) {
    activePath_ = path;
    const QString shownPath = QDir::toNativeSeparators(path);
    if (name.isEmpty())
        ActiveDocumentLabel->setText(QStringLiteral("Открытых документов нет"));
    else if (openCount > 1)
        ActiveDocumentLabel->setText(
            QStringLiteral("Открыт: %1 (всего открыто: %2) — %3").arg(name).arg(openCount).arg(shownPath));
    else
        ActiveDocumentLabel->setText(QStringLiteral("Открыт: %1 — %2").arg(name, shownPath));
    ActiveDocumentLabel->setToolTip(shownPath);
    ShowPathOfChoice();
}

// The field shows the file the chosen line means: the open document, the last checked file or
// the other file.
void MainPage::ShowPathOfChoice() {
    const FileChoice choice = Choice();
    const QString path = choice == FileChoice::Named  ? namedPath_
                         : choice == FileChoice::Last ? lastPath_
                                                      : activePath_;
    const QString shown = choice == FileChoice::Named ? path : QDir::toNativeSeparators(path);
    if (FileNameEdit->text() != shown) FileNameEdit->setText(shown);
    FileNameEdit->setPlaceholderText(choice == FileChoice::Opened ? QStringLiteral("нет открытого документа")
                                                                  : QString());
}

void MainPage::Load(const WindowOptions& options) {
    namedPath_ = QString::fromStdString(options.FileName);
    SetChoice(options.File);
    ShowPathOfChoice();
    ShowWarningsBox->setChecked(options.Check.ShowWarnings);
    ShowHintsBox->setChecked(options.Check.ShowHints);
    TwoDateColumnsBox->setChecked(options.Check.TwoDateColumns);
    DatesMayBeEmptyBox->setChecked(options.Check.DatesMayBeEmpty);
    SheetsMayBeEmptyBox->setChecked(options.Check.SheetsMayBeEmpty);
}

void MainPage::Store(WindowOptions& options) const {
    options.FileName = namedPath_.toStdString();
    options.File = Choice();
    options.Check.ShowWarnings = ShowWarningsBox->isChecked();
    options.Check.ShowHints = ShowHintsBox->isChecked();
    options.Check.TwoDateColumns = TwoDateColumnsBox->isChecked();
    options.Check.DatesMayBeEmpty = DatesMayBeEmptyBox->isChecked();
    options.Check.SheetsMayBeEmpty = SheetsMayBeEmptyBox->isChecked();
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
