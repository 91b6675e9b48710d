#pragma once

// The page "Опись": which file to check, the problem types and the fields.

#include "app/WindowOptions.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tabulex::app {

class ElidedLabel;

class MainPage : public QWidget {
    Q_OBJECT
  public:
    explicit MainPage(QWidget* parent = nullptr);

    FileChoice Choice() const;
    void SetChoice(FileChoice choice);
    // The other file's path (what NamedFileChoice checks).
    QString FileName() const;
    // Makes `path` the other file, which checks NamedFileChoice.
    void SetFileName(const QString& path);
    // The last checked file: its hint, whether LastFileChoice can be chosen, and the path the
    // field shows for it.
    void SetLastFile(const QString& name, const QString& path);
    // The active document (empty when none) and how many are open.
    void ShowActiveDocument(const QString& name, const QString& path, int openCount);

    void Load(const WindowOptions& options);
    // Writes the options of this page into `options`.
    void Store(WindowOptions& options) const;
    void CheckShowErrors();

    QRadioButton* OpenDocumentChoice;
    QRadioButton* LastFileChoice;
    QRadioButton* NamedFileChoice;
    QLineEdit* FileNameEdit;
    QPushButton* BrowseButton;
    ElidedLabel* ActiveDocumentLabel;
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

  private:
    void ShowPathOfChoice();

    QString namedPath_;
    QString lastPath_;
    QString activePath_;
};

}  // namespace tabulex::app
