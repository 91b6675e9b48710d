#pragma once

// Small helpers the pages share for building their controls.

#include <QLabel>
#include <QLayout>
#include <QString>

class QGroupBox;

namespace tabulex::app {

// A one-line label that never widens its window: a text longer than the room it gets is shown
// with "…" in the middle (a path keeps its start and its file name).
class ElidedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text as painted.
    QString ShownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A hint with "\" as its line separator, as the window's hints are written.
QString HintText(const QString& hint);
// A group box whose caption is padded with one space on each side.
QGroupBox* MakeGroup(const QString& objectName, const QString& caption, QWidget* parent);
// Names a control (for tests and accessibility) and gives it its hint.
void Decorate(QWidget* control, const QString& objectName, const QString& hint);

// A check box or radio button added to `layout`, named and with its hint.
template <typename Control>
Control* AddControl(QLayout* layout, const QString& name, const QString& caption, const QString& hint) {
    auto* control = new Control(caption);
    Decorate(control, name, hint);
    layout->addWidget(control);
    return control;
}

}  // namespace tabulex::app
