#pragma once

#include <QColor>
#include <QWidget>

// A pie-shaped progress indicator: a disc whose sector grows clockwise from
// 12 o'clock with the percentage done, written in the middle as the inverse of
// the colours beneath it. Every change of the value repaints at once, so the
// indicator shows progress even while a long command keeps the event loop away.
class TGauge : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int progress READ progress WRITE setProgress)

public:
    static constexpr int MinValue = 0;
    static constexpr int MaxValue = 100;

    TGauge(const QString& name, const QRect& geometry, QWidget* parent);

    int progress() const { return progress_; }
    // Clamped into 0..100.
    void setProgress(int value);
    void addProgress(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage render() const;
    void InvertUnderText(QImage& image, const QString& text) const;

    int progress_ = 0;
    QColor foreColor_ { 192, 220, 192 }; // money green
};
