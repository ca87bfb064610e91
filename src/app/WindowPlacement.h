#pragma once
#include <QRect>

class QWidget;

namespace kelvara {

// Where a window goes over the main window: centred across it, its top at a
// quarter of the height the window leaves free.
QPoint PositionOverMainWindow(const QRect& mainWindow, const QSize& window);

// Moves the window there.
void PlaceOverMainWindow(QWidget& window, const QWidget& mainWindow);

// Fixes a window of wrapped text at the given width and the height its text
// needs at that width.
void FixWidthFitHeight(QWidget& window, int width);

}  // namespace kelvara
