#pragma once

// The page "Опись": which file to check, the problem types and the fields.

#include "app/WindowOptions.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tabulex::app {

class MainPage : public QWidget {
    Q_OBJECT
  public:
    explicit MainPage(QWidget* parent = nullptr);

    FileChoice Choice() const;
    void SetChoice(FileChoice choice);
    QString FileName() const;
    // Puts a path into FileNameEdit, which checks NamedFileChoice.
    void SetFileName(const QString& path);
    // The last checked file: its hint, and whether LastFileChoice can be chosen.
    void SetLastFile(const QString& name);

    void Load(const WindowOptions& options);
    // Writes the options of this page into `options`.
    void Store(WindowOptions& options) const;
    bool ShowWarnings() const;
    bool ShowHints() const;
    void CheckShowErrors();

    QRadioButton* OpenDocumentChoice;
    QRadioButton* LastFileChoice;
    QRadioButton* NamedFileChoice;
    QLineEdit* FileNameEdit;
    QPushButton* BrowseButton;
    QCheckBox* ShowErrorsBox;
    QCheckBox* ShowWarningsBox;
    QCheckBox* ShowHintsBox;
    QCheckBox* TwoDateColumnsBox;
    QCheckBox* DatesMayBeEmptyBox;
    QCheckBox* SheetsMayBeEmptyBox;

  signals:
    // A double click on one of the three file choices starts a check.
    void FileChoiceDoubleClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace tabulex::app
