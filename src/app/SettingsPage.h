#pragma once

// The page "Настройки": columns, dates, initials, the report and closing the report.

#include "app/WindowOptions.h"
#include "check/CheckOptions.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tabulex::app {

class SettingsPage : public QWidget {
    Q_OBJECT
  public:
    explicit SettingsPage(QWidget* parent = nullptr);

    void Load(const WindowOptions& options);
    void Store(WindowOptions& options) const;
    // The options of this page that a check reads.
    void FillCheckOptions(check::CheckOptions& options) const;

    QRadioButton* rbColsAuto;
    QRadioButton* rbColsStd;
    QRadioButton* rbColsLeave;
    QLineEdit* edColsNum;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QCheckBox* CheckBox1;
    QRadioButton* rbInit1;
    QRadioButton* rbInit2;
    QRadioButton* rbRulesOriginal;
    QRadioButton* rbRulesModern;
    QCheckBox* cbTable;
    QCheckBox* cbTableAutosize;
    QCheckBox* cbAnnotate;
    QCheckBox* cbCertification;
    QCheckBox* cbCloseRepFile;
    QCheckBox* cbCloseRepFileOnExit;

  private:
    void UpdateColumnsEdit();
    void UpdateDateCaptions();
};

}  // namespace tabulex::app
