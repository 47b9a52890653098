#pragma once

#include "analysis/tables/Records.h"

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <vector>

// The triangle of every pair (a, b), a < b, of a K-of-M lottery, one cell a
// pair, coloured by one measure; numbers along the top (b) and left (a)
// edges, the legend in the empty lower-left half. The cells' colours and the
// legend are worked out when the data change, so painting only paints.
class PairMapView : public QWidget {
    Q_OBJECT

public:
    enum class TMeasure { Hits, Deviation, Gap };

    // One pair's figures as the map shows them.
    struct TCell {
        int32_t first = 0, second = 0;
        Main::TPairStat stat;
    };

    explicit PairMapView(QWidget* parent = nullptr);

    // The pairs over `draws` draws of a K-of-M lottery; `cells` in pair order.
    void setPairs(int32_t k, int32_t m, int32_t draws, std::vector<TCell> cells);
    void setMeasure(TMeasure measure);

    // The cell of the pair in this widget's coordinates; empty when the pair
    // is not on the map.
    Q_INVOKABLE QRect cellRect(int32_t first, int32_t second) const;
    // The pair under a point, or nullptr.
    const TCell* cellAt(const QPoint& point) const;

    QString toolTipFor(const TCell& cell) const;
    // The legend's heading as painted: the measure and the figures counted.
    QString legendTitle() const { return legend_.title; }

    // Hits a fair lottery would give a pair over the draws, and its deviation.
    double expectedHits() const;
    double hitsDeviation() const;
    // The deviation from expected in standard deviations, the colour's measure
    // of "Отклонение от ожидаемого".
    double deviationOf(const TCell& cell) const;

    QSize sizeHint() const override { return { 640, 640 }; }

signals:
    void pairClicked(int32_t first, int32_t second);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct TLegend {
        QColor low, middle, high;
        QString lowText, middleText, highText, title;
    };

    void recolour();
    void layOut();
    QColor colourOf(double share) const; // 0..1 along the measure's scale
    QRect legendRect() const;

    int32_t k_ = 0, m_ = 0, draws_ = 0;
    std::vector<TCell> cells_;
    std::vector<QColor> colours_;
    TMeasure measure_ = TMeasure::Hits;
    TLegend legend_;
    int cellSize_ = 1;
    int labelWidth_ = 0;
    QPoint origin_; // top left of cell (1, 2)
};
