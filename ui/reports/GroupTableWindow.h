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

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void recount();
    // The line above the table, for the table shown.
    void describe();
    void saveCsv();

    TGroupTableModel* model_;
    QComboBox* sizeBox_;
    QSpinBox* drawsBox_;
    QSpinBox* numberBox_;
    QLabel* summary_;
    QLabel* drawsLabel_;
    QLabel* numberLabel_;
    // What the table shown was counted for: K, M and the group size.
    int32_t k_ = 0, m_ = 0, size_ = 0;
    bool noDraws_ = false;
    QTableView* view_;
    QPushButton* saveButton_;
    TReusedFileDialog* saveDialog_ = nullptr;
};
