#pragma once

// The page "Настройки": columns, dates, initials, the report and closing the report.

#include "app/WindowOptions.h"

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
    // Writes the options of this page into `options`.
    void Store(WindowOptions& options) const;

    QRadioButton* AutoColumnsChoice;
    QRadioButton* StandardColumnsChoice;
    QRadioButton* SkipColumnsChoice;
    QLineEdit* SkipColumnsEdit;
    QRadioButton* DayWithoutZeroChoice;
    QRadioButton* DayWithZeroChoice;
    QCheckBox* YearMarkBox;
    QRadioButton* JoinedInitialsChoice;
    QRadioButton* SpacedInitialsChoice;
    QRadioButton* OriginalRulesChoice;
    QRadioButton* ModernRulesChoice;
    QCheckBox* ReportTableBox;
    QCheckBox* ReportAutosizeBox;
    QCheckBox* AnnotatedCopyBox;
    QCheckBox* CertificationCheckBox;
    QCheckBox* CloseReportBeforeCheckBox;
    QCheckBox* CloseReportOnExitBox;

  private:
    void UpdateColumnsEdit();
    void UpdateDateCaptions();
};

}  // namespace tabulex::app
