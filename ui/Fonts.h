#pragma once

#include <QFont>
#include <QString>

// The fonts the windows are designed for ("MS Sans Serif", "Arial") at a
// height in pixels; where they are missing, metric-compatible sans fonts
// stand in for them.
QFont DesignFont(const QString& family, int pixelHeight, bool bold = false);
