#include "tools/HeadingProgress.h"

namespace tabulex::tools {

std::optional<check::ProgressPoint> HeadingProgress::Step(int row, check::Clock& clock) {
    const int done = Done(row);
    const int percent = rowCount_ > 0 ? static_cast<int>(std::int64_t{done} * 100 / rowCount_) : 0;
    if (percent <= lastPercent_ && row % 10 != 0) return std::nullopt;
    if (done % 10 == 0) {
        const std::int64_t now = clock.NowMs();
        remainingMs_ = static_cast<double>(row - 1) * static_cast<double>(now - tick_) / 10.0;
        tick_ = now;
    } else {
        lastPercent_ = percent;
    }
    return check::ProgressPoint{percent, remainingMs_};
}

}  // namespace tabulex::tools
