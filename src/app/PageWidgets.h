#pragma once

// Small helpers the pages share for building their controls.

#include <QString>

class QAbstractButton;
class QGroupBox;
class QWidget;

namespace tabulex::app {

// A hint with "\" as its line separator, as the window's hints are written.
QString HintText(const QString& hint);
// A group box whose caption is padded with one space on each side.
QGroupBox* MakeGroup(const QString& objectName, const QString& caption, QWidget* parent);
// Names a control (for tests and accessibility) and gives it its hint.
void Decorate(QWidget* control, const QString& objectName, const QString& hint);

}  // namespace tabulex::app
