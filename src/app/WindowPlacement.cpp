#include "app/WindowPlacement.h"

namespace tabulex::app {
namespace {
constexpr int kSnap = 20;
}  // namespace

QRect SnapToWorkArea(const QRect& window, const QRect& workArea) {
    // QRect's right() and bottom() are the last pixel inside; the rule works with the edge after it.
    const int left = workArea.left(), top = workArea.top();
    const int right = workArea.left() + workArea.width(), bottom = workArea.top() + workArea.height();
    int x = window.x(), y = window.y();
    const int width = window.width(), height = window.height();
    bool changed = false;
    const auto set = [&changed](int& value, int to) {
        changed = changed || value != to;
        value = to;
    };
    if (left + kSnap >= x) set(x, left);
    if (x + width >= right - kSnap) set(x, right - width);
    if (top + kSnap >= y) set(y, top);
    if (y + height >= bottom - kSnap) set(y, bottom - height);
    if (changed) {
        if (x < left) x = left;
        if (x + width > right) x = right - width;
        if (y < top) y = top;
        if (y + height > bottom) y = bottom - height;
    }
    return QRect(x, y, width, height);
}

}  // namespace tabulex::app
