#include "app/PageWidgets.h"

#include <QGroupBox>
#include <QPainter>

namespace tabulex::app {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

QSize ElidedLabel::sizeHint() const {
    return {fontMetrics().averageCharWidth() * 10, fontMetrics().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
    return sizeHint();
}

QString ElidedLabel::ShownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, ShownText());
}

QString HintText(const QString& hint) {
    QString text = hint;
    text.replace(QLatin1Char('\\'), QLatin1Char('\n'));
    return text;
}

QGroupBox* MakeGroup(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* group = new QGroupBox(QLatin1Char(' ') + caption + QLatin1Char(' '), parent);
    group->setObjectName(objectName);
    return group;
}

void Decorate(QWidget* control, const QString& objectName, const QString& hint) {
    control->setObjectName(objectName);
    if (!hint.isEmpty()) control->setToolTip(HintText(hint));
}

}  // namespace tabulex::app
