#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The fonts the windows are designed for ("MS Sans Serif", "Arial") at a
// height in pixels; where they are missing, metric-compatible sans fonts
// stand in for them.
QFont DesignFont(const QString& family, int pixelHeight, bool bold = false);

// A label of the windows: named, placed, sized to its text from its left edge,
// in `font` when one is given (the window's otherwise).
QLabel* MakeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text,
    const QFont* font = nullptr, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A push button of the windows: named and placed; it never becomes a default
// button that Enter would press.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QRect& geometry, const QString& text,
    const QFont* font = nullptr, bool enabled = true);
