#pragma once

// The report of the last check in the window: the summary above, the problem rows below in a
// table that sorts by any column and filters by problem class and text; a double click shows that
// row of the inventory cell by cell.

#include "check/CheckOutcome.h"

#include <QTimer>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTableView;

namespace tabulex::app {

class ProblemFilter;
class ProblemTableModel;

class ReportViewer : public QWidget {
    Q_OBJECT
  public:
    explicit ReportViewer(QWidget* parent = nullptr);

    void ShowOutcome(const check::CheckOutcome& outcome);
    // Opens the details of the shown row `viewRow` (after sorting and filtering).
    void ShowRowDetails(int viewRow);
    // Shows the window, the first time centred on `over` and inside its screen's work area.
    void ShowOnScreen(const QWidget* over);

    QPlainTextEdit* Summary;
    QComboBox* ClassFilter;
    QLineEdit* TextFilter;
    QTableView* Table;
    ProblemFilter* Filter;

  private:
    void FitColumns();
    // The rows on screen as high as their texts need.
    void FitVisibleRows();

    ProblemTableModel* model_;
    QTimer filterDelay_;
};

}  // namespace tabulex::app
