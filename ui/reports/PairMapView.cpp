#include "ui/reports/PairMapView.h"

#include "analysis/chance/Fairness.h"
#include "ui/reports/ReportNumbers.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The diverging scale of the deviation ends at three standard deviations.
constexpr double DeviationRange = 3.0;

QColor Blend(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
        static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
        static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

const QColor White(255, 255, 255);
const QColor DeepBlue(8, 48, 107);
const QColor Blue(33, 102, 172);
const QColor Red(178, 24, 43);
const QColor Orange(166, 54, 3);

} // namespace

PairMapView::PairMapView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("PairMapView");
    setMouseTracking(true);
    setMinimumSize(240, 240);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void PairMapView::setPairs(int32_t k, int32_t m, int32_t draws, std::vector<TCell> cells)
{
    k_ = k;
    m_ = m;
    draws_ = draws;
    cells_ = std::move(cells);
    layOut();
    recolour();
}

void PairMapView::setMeasure(TMeasure measure)
{
    measure_ = measure;
    recolour();
}

double PairMapView::expectedHits() const
{
    return Main::PairExpectation(k_, m_, draws_).Hits;
}

double PairMapView::hitsDeviation() const
{
    return Main::PairExpectation(k_, m_, draws_).Deviation;
}

// (hits - expected) / deviation; 0 where the deviation is 0.
double PairMapView::deviationOf(const TCell& cell) const
{
    const double deviation = hitsDeviation();
    return deviation > 0 ? (cell.stat.Hits - expectedHits()) / deviation : 0;
}

void PairMapView::recolour()
{
    const QLocale locale = ReportNumbers::Locale();
    colours_.clear();
    colours_.reserve(cells_.size());
    int32_t minHits = cells_.empty() ? 0 : cells_.front().stat.Hits, maxHits = 0, maxGap = 0;
    for (const TCell& cell : cells_) {
        minHits = std::min(minHits, cell.stat.Hits);
        maxHits = std::max(maxHits, cell.stat.Hits);
        maxGap = std::max(maxGap, cell.stat.Gap);
    }
    const int32_t hitsRange = maxHits - minHits;
    for (const TCell& cell : cells_) {
        switch (measure_) {
        case TMeasure::Hits:
            colours_.push_back(
                Blend(White, DeepBlue, hitsRange > 0 ? double(cell.stat.Hits - minHits) / hitsRange : 0));
            break;
        case TMeasure::Deviation: {
            const double z = deviationOf(cell) / DeviationRange;
            colours_.push_back(z < 0 ? Blend(White, Blue, -z) : Blend(White, Red, z));
            break;
        }
        case TMeasure::Gap:
            colours_.push_back(Blend(White, Orange, maxGap > 0 ? double(cell.stat.Gap) / maxGap : 0));
            break;
        }
    }
    switch (measure_) {
    case TMeasure::Hits:
        legend_ = { White, Blend(White, DeepBlue, 0.5), DeepBlue, QString::number(minHits),
            locale.toString((minHits + maxHits) / 2.0, 'g', 3), QString::number(maxHits), tr("Выпадения") };
        break;
    case TMeasure::Deviation:
        legend_ = { Blue, White, Red, QString("−%1σ").arg(DeviationRange), "0", QString("+%1σ").arg(DeviationRange),
            tr("Отклонение от ожидаемого (%1 ± %2)")
                .arg(locale.toString(expectedHits(), 'f', 2), locale.toString(hitsDeviation(), 'f', 2)) };
        break;
    case TMeasure::Gap:
        legend_ = { White, Blend(White, Orange, 0.5), Orange, "0", locale.toString(maxGap / 2.0, 'g', 4),
            QString::number(maxGap), tr("Пропуск") };
        break;
    }
    legend_.title += QString("\nN = %1, K = %2, M = %3").arg(draws_).arg(k_).arg(m_);
    update();
}

void PairMapView::layOut()
{
    const int columns = std::max(1, m_ - 1);
    labelWidth_ = fontMetrics().horizontalAdvance("99") + 6;
    const int side = std::min(width(), height()) - labelWidth_ - 4;
    cellSize_ = std::max(1, side / columns);
    origin_ = QPoint(labelWidth_, labelWidth_);
}

void PairMapView::resizeEvent(QResizeEvent*)
{
    layOut();
}

QRect PairMapView::cellRect(int32_t first, int32_t second) const
{
    if (first < 1 || second <= first || second > m_ || cells_.empty())
        return {};
    return { origin_.x() + (second - 2) * cellSize_, origin_.y() + (first - 1) * cellSize_, cellSize_, cellSize_ };
}

const PairMapView::TCell* PairMapView::cellAt(const QPoint& point) const
{
    if (cells_.empty() || point.x() < origin_.x() || point.y() < origin_.y())
        return nullptr;
    const int32_t second = (point.x() - origin_.x()) / cellSize_ + 2;
    const int32_t first = (point.y() - origin_.y()) / cellSize_ + 1;
    if (first < 1 || second <= first || second > m_)
        return nullptr;
    // Pairs are in lexicographic order: (first, second) is the pair number
    // (first-1)(2M-first)/2 + second - first.
    const auto index = static_cast<std::size_t>((first - 1) * (2 * m_ - first) / 2 + (second - first) - 1);
    return index < cells_.size() ? &cells_[index] : nullptr;
}

QString PairMapView::toolTipFor(const TCell& cell) const
{
    const QLocale locale = ReportNumbers::Locale();
    const double z = deviationOf(cell);
    return tr("Пара %1 и %2\nВыпадений: %3 (ожидается %4 ± %5, отклонение %6σ)\nПоследний тираж: %7\nПропуск: %8")
        .arg(cell.first)
        .arg(cell.second)
        .arg(cell.stat.Hits)
        .arg(locale.toString(expectedHits(), 'f', 2), locale.toString(hitsDeviation(), 'f', 2),
            (z >= 0 ? "+" : "−") + locale.toString(std::abs(z), 'f', 2))
        .arg(cell.stat.LastDraw)
        .arg(cell.stat.Gap);
}

// The legend and the tool tip in the new language; the tool tip is made
// again at the next move of the mouse.
void PairMapView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setToolTip({});
        recolour();
    }
    QWidget::changeEvent(event);
}

void PairMapView::mouseMoveEvent(QMouseEvent* event)
{
    const TCell* cell = cellAt(event->position().toPoint());
    setToolTip(cell ? toolTipFor(*cell) : QString());
}

void PairMapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const TCell* cell = cellAt(event->position().toPoint()))
        emit pairClicked(cell->first, cell->second);
}

QRect PairMapView::legendRect() const
{
    const int columns = std::max(1, m_ - 1);
    const int side = columns * cellSize_;
    return QRect(origin_.x() + 24, origin_.y() + side / 2 + 16, std::max(120, side / 2 - 48), 56);
}

void PairMapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect dirty = event->rect();
    // Cells large enough to tell apart are parted by a line of background.
    const int gap = cellSize_ >= 6 ? 1 : 0;
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        const QRect r = cellRect(cells_[i].first, cells_[i].second);
        if (r.intersects(dirty))
            painter.fillRect(r.adjusted(0, 0, -gap, -gap), colours_[i]);
    }
    // Numbers along the edges, every one where they fit, else every fifth.
    painter.setPen(palette().color(QPalette::Text));
    const int step = cellSize_ >= fontMetrics().height() ? 1 : cellSize_ * 5 >= fontMetrics().height() ? 5 : 10;
    for (int32_t n = 1; n <= m_; ++n) {
        if (n != 1 && n % step != 0)
            continue;
        if (n >= 2) {
            const QRect top = cellRect(1, n);
            painter.drawText(QRect(top.x() - 8, 0, top.width() + 16, origin_.y() - 2),
                Qt::AlignHCenter | Qt::AlignBottom, QString::number(n));
        }
        if (n < m_) {
            const QRect left = cellRect(n, m_);
            painter.drawText(QRect(0, left.y() - 8, origin_.x() - 3, left.height() + 16),
                Qt::AlignRight | Qt::AlignVCenter, QString::number(n));
        }
    }
    // The legend: the scale's three colours with their values.
    const QRect legend = legendRect();
    QLinearGradient gradient(legend.topLeft(), legend.topRight());
    gradient.setColorAt(0, legend_.low);
    gradient.setColorAt(0.5, legend_.middle);
    gradient.setColorAt(1, legend_.high);
    const QRect bar(legend.x(), legend.y() + 2 * fontMetrics().height() + 4, legend.width(), 12);
    painter.drawText(QRect(legend.x(), legend.y(), legend.width() * 2, 2 * fontMetrics().height() + 2),
        Qt::AlignLeft | Qt::AlignTop, legend_.title);
    painter.fillRect(bar, gradient);
    painter.setPen(QPen(QColor(0, 0, 0, 120), 0));
    painter.drawRect(QRectF(bar).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(palette().color(QPalette::Text));
    const int textTop = bar.bottom() + 2;
    const int textHeight = fontMetrics().height();
    painter.drawText(QRect(bar.left() - 20, textTop, 40, textHeight), Qt::AlignHCenter, legend_.lowText);
    painter.drawText(QRect(bar.center().x() - 30, textTop, 60, textHeight), Qt::AlignHCenter, legend_.middleText);
    painter.drawText(QRect(bar.right() - 30, textTop, 60, textHeight), Qt::AlignHCenter, legend_.highText);
}
