#include "ui/widgets/LinkLabel.h"

#include "ui/widgets/Controls.h"

#include <QMouseEvent>

TLinkLabel::TLinkLabel(const QString& name, const QRect& geometry, const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setGeometry(geometry);
    QFont font = DesignFont("Arial", 16);
    font.setUnderline(true);
    setFont(font);
    setStyleSheet("color: blue;");
    setCursor(Qt::PointingHandCursor);
    resize(sizeHint().width(), height());
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
