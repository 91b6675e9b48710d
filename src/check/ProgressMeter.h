#pragma once

// The progress display of the row loop: the caption and the application title are refreshed, and
// the front end serviced, only when the whole percentage rises or on every tenth row; the
// remaining time is measured over blocks of ten rows.

#include "check/Clock.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tabulex::check {

struct ProgressPoint {
    int Percent = 0;
    double RemainingMs = 0;
};

class ProgressMeter {
  public:
    ProgressMeter(int rowCount, std::int64_t nowMs) : rowCount_(rowCount), tick_(nowMs) {}

    // Called before row `row` is read; a point when this row is a progress point.
    std::optional<ProgressPoint> Step(int row, Clock& clock);

  private:
    int rowCount_;
    std::int64_t tick_;
    int lastPercent_ = 0;
    double remainingMs_ = 0;
};

// "Проверка 10/1000 (1%) Осталось: 00:00"
std::string ProgressCaption(int row, int rowCount, const ProgressPoint& point);
// "[37%] Табулекс 2.32[05.03.2008]"
std::string ProgressTitle(int percent);
// "Табулекс 2.32 [05.03.2008]"
std::string IdleTitle();

}  // namespace tabulex::check
