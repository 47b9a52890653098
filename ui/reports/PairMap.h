#pragma once

#include "ui/reports/PairMapView.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QStackedWidget;

// "Карта пар": the pair map window. It counts over the most recent N loaded
// draws (all at first), follows each new "Статистика" through refresh(), and
// says in one line when there is nothing to draw.
class TPairMap : public QWidget {
    Q_OBJECT

public:
    explicit TPairMap(QWidget* parent = nullptr);

    // Counts the pairs again from the analysis tables, over all loaded draws.
    void refresh();
    PairMapView* view() const { return view_; }

signals:
    void pairClicked(int32_t first, int32_t second);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Why there is nothing to draw, when there is not.
    enum class TEmpty { No, NoPairs, NoDraws };

    void retranslate();
    void recount();
    void saveImage();

    PairMapView* view_;
    QLabel* emptyLabel_;
    QStackedWidget* stack_;
    TEmpty empty_ = TEmpty::No;
    QLabel* measureLabel_;
    QLabel* lastDrawsLabel_;
    QComboBox* measureBox_;
    QSpinBox* lastDrawsBox_;
    QPushButton* saveButton_;
};
