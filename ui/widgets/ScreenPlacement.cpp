#include "ui/widgets/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

QPoint PlaceOnScreen(const QPoint& wanted, const QSize& size, const QRect& available)
{
    const auto fit = [](int position, int length, int start, int room) {
        return std::max(start, std::min(position, start + room - length));
    };
    return { fit(wanted.x(), size.width(), available.x(), available.width()),
        fit(wanted.y(), size.height(), available.y(), available.height()) };
}

void MoveOntoScreen(QWidget* window, const QPoint& wanted)
{
    const QScreen* screen = QGuiApplication::screenAt(wanted);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window->move(wanted);
        return;
    }
    // Before the window is shown its frame is not known; a title bar's height
    // stands in for it.
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize framed = window->size() + QSize(0, titleBar);
    window->move(PlaceOnScreen(wanted, framed, screen->availableGeometry()));
}
