#include "app/UserDialogs.h"

#include "app/QtText.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tabulex::app {

QString OpenFileFilter() {
    return QStringLiteral(
        "Документы Word (*.docx *.doc);;Rich text format (*.rtf);;Документы OpenDocument (*.odt);;Все файлы "
        "(*)");
}

bool QtDialogs::AskOkCancel(std::string_view title, std::string_view text) {
    return QMessageBox::question(parent_, FromCp(title), FromCp(text), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

Answer QtDialogs::AskYesNoCancel(std::string_view title, std::string_view text) {
    const auto button = QMessageBox::question(parent_, FromCp(title), FromCp(text),
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (button == QMessageBox::Yes) return Answer::Yes;
    if (button == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
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
