#include "app/WindowPlacement.h"

#include <algorithm>

namespace tabulex::app {
namespace {

constexpr int kSnap = 20;

bool InsideAny(const QRect& rect, const QList<QRect>& workAreas) {
    return std::any_of(workAreas.begin(), workAreas.end(),
                       [&rect](const QRect& area) { return area.contains(rect); });
}

// The work area that holds most of `rect`; the first when none touches it.
QRect WorkAreaOf(const QRect& rect, const QList<QRect>& workAreas) {
    QRect best = workAreas.first();
    long long bestArea = -1;
    for (const QRect& area : workAreas) {
        const QRect common = area.intersected(rect);
        const long long size = common.isEmpty() ? 0 : 1LL * common.width() * common.height();
        if (size > bestArea) {
            best = area;
            bestArea = size;
        }
    }
    return best;
}

int Clamp(int value, int low, int high) {
    // A window larger than the area keeps its left or top edge visible.
    return std::max(low, std::min(value, high));
}

QPoint Inside(QRect rect, const QRect& workArea) {
    const int x = Clamp(rect.x(), workArea.left(), workArea.left() + workArea.width() - rect.width());
    const int y = Clamp(rect.y(), workArea.top(), workArea.top() + workArea.height() - rect.height());
    return {x, y};
}

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

QPoint MessageWindowPlace(const QRect& mainFrame, const QSize& messageFrame, const QList<QRect>& workAreas) {
    const QRect right(QPoint(mainFrame.left() + mainFrame.width(), mainFrame.top()), messageFrame);
    if (workAreas.isEmpty() || InsideAny(right, workAreas)) return right.topLeft();
    const QRect left(QPoint(mainFrame.left() - messageFrame.width(), mainFrame.top()), messageFrame);
    if (InsideAny(left, workAreas)) return left.topLeft();
    const QRect home = WorkAreaOf(mainFrame, workAreas);
    // Vertically only: beside the main window on whichever side has more room.
    const int roomRight = home.left() + home.width() - (mainFrame.left() + mainFrame.width());
    const int roomLeft = mainFrame.left() - home.left();
    return Inside(roomRight >= roomLeft ? right : left, home);
}

QPoint PlaceOnScreen(const QRect& over, const QSize& size, const QRect& workArea) {
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(over.center());
    return Inside(rect, workArea);
}

}  // namespace tabulex::app
