#include "ui/widgets/Gauge.h"

#include "ui/widgets/Controls.h"

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
    setFont(DesignFont("MS Sans Serif", 13, true));
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

// The percentage is drawn as the inverse of the picture beneath it: the text
// is rendered antialiased into a mask, and every pixel is moved towards its
// inverse by the mask's coverage, so that the glyphs stay crisp and apart on
// both the pie and the background.
void TGauge::InvertUnderText(QImage& image, const QString& text) const
{
    QImage mask(image.size(), QImage::Format_ARGB32_Premultiplied);
    mask.setDevicePixelRatio(image.devicePixelRatio());
    mask.fill(Qt::transparent);
    QPainter maskPainter(&mask);
    maskPainter.setRenderHint(QPainter::TextAntialiasing);
    maskPainter.setPen(Qt::white);
    maskPainter.setFont(font());
    maskPainter.drawText(rect(), Qt::AlignCenter, text);
    maskPainter.end();

    for (int y = 0; y < image.height(); ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* coverage = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(coverage[x]);
            if (a == 0)
                continue;
            const QRgb p = pixels[x];
            const auto mix = [a](int c) { return c + (255 - 2 * c) * a / 255; };
            pixels[x] = qRgb(mix(qRed(p)), mix(qGreen(p)), mix(qBlue(p)));
        }
    }
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

    painter.end();
    InvertUnderText(image, QString("%1%").arg(progress_));
    return image;
}

void TGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, render());
}
