#include "ui/Gauge.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>

TGauge::TGauge(const QString& name, const QRect& geometry, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont font("MS Sans Serif");
    font.setPixelSize(13);
    font.setBold(true);
    setFont(font);
}

void TGauge::setProgress(int value)
{
    const int clamped = std::clamp(value, MinValue, MaxValue);
    if (clamped == progress_)
        return;
    progress_ = clamped;
    repaint();
}

void TGauge::addProgress(int delta)
{
    setProgress(static_cast<int>(std::clamp<long long>(static_cast<long long>(progress_) + delta, MinValue, MaxValue)));
}

// The picture is made off-screen and copied in one step, so it never flickers.
QImage TGauge::render() const
{
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    const QColor backColor = palette().color(QPalette::Button);
    image.fill(backColor);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(foreColor_);
    painter.setBrush(backColor);
    painter.drawEllipse(disc);
    if (progress_ > 0) {
        painter.setBrush(foreColor_);
        // Qt counts angles in 1/16 degree, counter-clockwise from 3 o'clock.
        painter.drawPie(disc, 90 * 16, -progress_ * 360 * 16 / MaxValue);
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, QString("%1%").arg(progress_));
    return image;
}

void TGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, render());
}
