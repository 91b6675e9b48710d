#pragma once

// Where the program's windows go on the screens.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tabulex::app {

// SnapToWorkArea: a window that comes within 20 pixels of an edge of the work area (the screen
// without the task bar) sticks to that edge.
QRect SnapToWorkArea(const QRect& window, const QRect& workArea);

// The message window's place (its frame's top left): against the main window's right edge, level
// with its top; where that would leave part of it off every work area, against the left edge
// instead, and failing that as near as it fits inside the work area of the main window's screen.
QPoint MessageWindowPlace(const QRect& mainFrame, const QSize& messageFrame, const QList<QRect>& workAreas);

// A window of `size` centred on `over` and moved inside `workArea` (viewer and help windows).
QPoint PlaceOnScreen(const QRect& over, const QSize& size, const QRect& workArea);

}  // namespace tabulex::app
