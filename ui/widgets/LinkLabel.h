#pragma once

#include <QLabel>

// A label that reads as a link: blue, underlined, a hand cursor, and a click
// that the window answers.
class TLinkLabel : public QLabel {
    Q_OBJECT

public:
    TLinkLabel(const QString& name, const QRect& geometry, const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
