#pragma once

// The progress display of the heading walk, which goes from the last row up: the share of rows
// done, refreshed when the whole percentage rises or on every tenth row, with the remaining time
// measured over blocks of ten rows done.

#include "check/Clock.h"
#include "check/ProgressMeter.h"

#include <cstdint>
#include <optional>

namespace tabulex::tools {

class HeadingProgress {
  public:
    HeadingProgress(int rowCount, std::int64_t nowMs) : rowCount_(rowCount), tick_(nowMs) {}

    // Called before row `row` is read; the point to show when this row refreshes the display.
    std::optional<check::ProgressPoint> Step(int row, check::Clock& clock);
    int Done(int row) const { return rowCount_ - row; }

  private:
    int rowCount_;
    std::int64_t tick_;
    int lastPercent_ = 0;
    double remainingMs_ = 0;
};

}  // namespace tabulex::tools
