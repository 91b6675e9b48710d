#include "app/UserDialogs.h"

#include "app/QtText.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

namespace tabulex::app {

QString OpenFileFilter() {
    return QStringLiteral(
        "Документы Word (*.docx *.doc);;Rich text format (*.rtf);;Документы OpenDocument (*.odt);;Все файлы "
        "(*)");
}

namespace {

// The questions name their buttons ("Нажмите OK ... или Отмена"), so the buttons say exactly that,
// whatever the installed translations say.
int Ask(QWidget* parent, std::string_view title, std::string_view text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, FromCp(title), FromCp(text), QMessageBox::NoButton, parent);
    QList<QPushButton*> pushButtons;
    for (int k = 0; k < buttons.size(); ++k) {
        const bool last = k == buttons.size() - 1;
        pushButtons << box.addButton(buttons[k], last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    box.setDefaultButton(pushButtons.first());
    box.setEscapeButton(pushButtons.last());
    box.exec();
    return static_cast<int>(pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
}

}  // namespace

bool QtDialogs::AskOkCancel(std::string_view title, std::string_view text) {
    return Ask(parent_, title, text, {QStringLiteral("OK"), QStringLiteral("Отмена")}) == 0;
}

// A message box closes on any of its buttons, Справка too: the help opens and the same question is
// asked again. The box blocks only the main window, so that the help beside it can be read.
bool QtDialogs::AskOkCancelHelp(std::string_view title, std::string_view text,
                                const std::function<void()>& showHelp) {
    for (;;) {
        QMessageBox box(QMessageBox::Question, FromCp(title), FromCp(text), QMessageBox::NoButton, parent_);
        box.setWindowModality(Qt::WindowModal);
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
        QPushButton* help = box.addButton(QStringLiteral("Справка"), QMessageBox::HelpRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(cancel);
        // F1 asks for help in every window of the program, in this question too.
        new QShortcut(QKeySequence(Qt::Key_F1), &box, help, &QPushButton::click);
        box.exec();
        if (box.clickedButton() != help) return box.clickedButton() == ok;
        showHelp();
    }
}

Answer QtDialogs::AskYesNoCancel(std::string_view title, std::string_view text) {
    switch (
        Ask(parent_, title, text, {QStringLiteral("Да"), QStringLiteral("Нет"), QStringLiteral("Отмена")})) {
        case 0:
            return Answer::Yes;
        case 1:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool QtDialogs::InputBox(std::string_view title, std::string_view prompt, std::string_view text) {
    bool ok = false;
    QInputDialog::getText(parent_, FromCp(title), FromCp(prompt), QLineEdit::Normal, FromCp(text), &ok);
    return ok;
}

std::optional<QString> QtDialogs::ChooseFileToOpen() {
    const QString path = QFileDialog::getOpenFileName(parent_, QString(), QString(), OpenFileFilter());
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> QtDialogs::ChooseFileToSave(const QString& suggested) {
    const QString path = QFileDialog::getSaveFileName(parent_, QString(), suggested,
                                                      QStringLiteral("Документы Word (*.docx)"));
    if (path.isEmpty()) return std::nullopt;
    return path;
}

}  // namespace tabulex::app
