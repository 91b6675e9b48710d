#include "app/QtText.h"

#include "text/Cp1251.h"

namespace tabulex::app {

QString FromCp(std::string_view text1251) {
    QString text = QString::fromStdString(text::Cp1251ToUtf8(text1251));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string ToCp(const QString& text) {
    QString crText = text;
    crText.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text::Utf8ToCp1251(crText.toStdString());
}

}  // namespace tabulex::app
