#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <vector>

// The cells of a text grid, fixed rows and columns included, as ordinary rows
// and columns counted from 0. Numbers are kept as numbers and turned into text
// only when a cell is shown, so filling thousands of cells allocates nothing
// per cell.
class TGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    TGridModel(int colCount, int rowCount, int fixedCols, int fixedRows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    bool isFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }

    // A grid never has fewer than one row; a count no greater than the fixed
    // rows lowers them to one less than the new count. Cells that stay inside
    // the grid keep their text.
    void setRowCount(int count);

    // Cells change without notifying views one by one; cellsChanged() tells
    // them once after a fill.
    void setCell(int col, int row, int32_t number);
    void setCell(int col, int row, const QString& text);
    void clearRow(int row);
    QString cell(int col, int row) const;
    void cellsChanged();

private:
    // A number is kept as a number and turned into text only when shown.
    struct TCell {
        bool isNumber = false;
        int32_t number = 0;
        QString text;
    };

    TCell& at(int col, int row);
    const TCell& at(int col, int row) const;

    int cols_;
    int rows_;
    int fixedCols_;
    int fixedRows_;
    std::vector<TCell> cells_; // row after row
};
