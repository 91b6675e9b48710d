#pragma once

// The reminders that grow with the time since this version's release: which text to show at a
// start, and the counter (settings key "2.32") that limits how often the early ones come.

#include <QDate>

namespace tabulex::app {

struct ReminderStep {
    int Months = 0;   // 1 to 4: the text for more than that many months; 0: nothing to show
    int Counter = 0;  // the counter after this start
};

ReminderStep ReleaseReminder(const QDate& releaseDate, const QDateTime& now, int counter);

// This version's release date (set at build time).
QDate ReleaseDate();

}  // namespace tabulex::app
