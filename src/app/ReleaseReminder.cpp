#include "app/ReleaseReminder.h"

#include <QDateTime>

namespace tabulex::app {

ReminderStep ReleaseReminder(const QDate& releaseDate, const QDateTime& now, int counter) {
    // Each month is one month after the previous one, the day clamped to the month's length.
    QDate month[5];
    month[0] = releaseDate;
    for (int k = 1; k <= 4; ++k) month[k] = month[k - 1].addMonths(1);
    const auto after = [&](int k) { return now > QDateTime(month[k], QTime(0, 0)); };
    if (after(4)) return {4, counter};
    if (after(3)) {
        if (counter == 0) return {3, 6};
        if (counter >= 5 && counter <= 8) return {3, counter + 1};
        return {0, counter};
    }
    if (after(2)) {
        if (counter == 0) return {2, 3};
        if (counter >= 2 && counter <= 4) return {2, counter + 1};
        return {0, counter};
    }
    if (after(1) && (counter == 0 || counter == 1)) return {1, counter + 1};
    return {0, counter};
}

QDate ReleaseDate() {
    return QDate::fromString(QStringLiteral(TABULEX_RELEASE_DATE), Qt::ISODate);
}

}  // namespace tabulex::app
