#pragma once

#include <QWidget>

#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
class TGroupTableModel;
class TReusedFileDialog;

// "Числа, пары, тройки": every single number, pair or triple with its hits
// over the most recent N draws, what a fair lottery gives it, its last draw
// and gap; sorted by any column, filtered to the groups of one number, saved
// as CSV. Follows each new "Статистика" through refresh().
class TGroupTableWindow : public QWidget {
    Q_OBJECT

public:
    explicit TGroupTableWindow(QWidget* parent = nullptr);

    // Counts again from the analysis tables, over all loaded draws.
    void refresh();

signals:
    // A pair row double-clicked.
    void pairActivated(int32_t first, int32_t second);

private:
    void recount();
    void saveCsv();

    TGroupTableModel* model_;
    QComboBox* sizeBox_;
    QSpinBox* drawsBox_;
    QSpinBox* numberBox_;
    QLabel* summary_;
    QTableView* view_;
    QPushButton* saveButton_;
    TReusedFileDialog* saveDialog_ = nullptr;
};
