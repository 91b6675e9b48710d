#include "app/PageWidgets.h"

#include <QGroupBox>

namespace tabulex::app {

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
