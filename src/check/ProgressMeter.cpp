#include "check/ProgressMeter.h"

#include "check/CheckRun.h"
#include "check/Messages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tabulex::check {

std::optional<ProgressPoint> ProgressMeter::Step(int row, Clock& clock) {
    const int percent = rowCount_ > 0 ? static_cast<int>(std::int64_t{row} * 100 / rowCount_) : 0;
    if (percent <= lastPercent_ && row % 10 != 0) return std::nullopt;
    if (row % 10 == 0) {
        const std::int64_t now = clock.NowMs();
        remainingMs_ = static_cast<double>(rowCount_ - 1 - row) * static_cast<double>(now - tick_) / 10.0;
        tick_ = now;
    } else {
        // A tenth row raises the percentage without recording it, so the next row refreshes again.
        lastPercent_ = percent;
    }
    return ProgressPoint{percent, remainingMs_};
}

std::string RemainingTimeText(double milliseconds) {
    if (milliseconds < 0 || std::isnan(milliseconds)) return "...";
    // Whole seconds, halves to the even second; an absurd estimate is capped at 100 000 hours.
    milliseconds = std::min(milliseconds, 3.6e11);
    const long long seconds = std::llrint(std::nearbyint(milliseconds / 1000.0));
    const long long hours = seconds / 3600;
    char buffer[48];
    if (hours > 0)
        std::snprintf(buffer, sizeof buffer, "%lld:%02lld:%02lld", hours, (seconds / 60) % 60, seconds % 60);
    else
        std::snprintf(buffer, sizeof buffer, "%02lld:%02lld", (seconds / 60) % 60, seconds % 60);
    return buffer;
}

std::string ProgressCaption(int row, int rowCount, const ProgressPoint& point) {
    std::string caption(msg::kCaptionChecking);
    caption +=
        std::to_string(row) + "/" + std::to_string(rowCount) + " (" + std::to_string(point.Percent) + "%)";
    caption += msg::kCaptionRemaining;
    caption += RemainingTimeText(point.RemainingMs);
    return caption;
}

std::string ProgressTitle(int percent) {
    std::string title = "[" + std::to_string(percent) + "%] ";
    title += msg::kApplicationName;
    title += ' ';
    title += msg::kApplicationVersion;
    title += '[';
    title += msg::kApplicationDate;
    title += ']';
    return title;
}

std::string IdleTitle() {
    std::string title(msg::kApplicationName);
    title += ' ';
    title += msg::kApplicationVersion;
    title += " [";
    title += msg::kApplicationDate;
    title += ']';
    return title;
}

}  // namespace tabulex::check
