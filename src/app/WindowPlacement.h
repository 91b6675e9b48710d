#pragma once

// SnapToWorkArea: a window that comes within 20 pixels of an edge of the work area (the screen
// without the task bar) sticks to that edge.

#include <QRect>

namespace tabulex::app {

QRect SnapToWorkArea(const QRect& window, const QRect& workArea);

}  // namespace tabulex::app
