#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of `size` (its frame included) asked to stand at `wanted`
// goes on a screen whose free area is `available`: where it was asked to if
// it fits there, else moved just enough to fit, its top left kept on the
// screen when it is larger than the screen.
QPoint PlaceOnScreen(const QPoint& wanted, const QSize& size, const QRect& available);

// Moves the window to `wanted`, or as near as fits on the screen there.
void MoveOntoScreen(QWidget* window, const QPoint& wanted);
