#pragma once

#include "ui/GridModel.h"

#include <QTableView>

#include <cstdint>

// A text grid of the desktop kind: every cell, fixed rows and columns included,
// belongs to the grid and is counted from 0; fixed cells are shaded; grid lines
// are drawn; cells can be selected but not edited.
class TStringGrid : public QTableView {
    Q_OBJECT

public:
    struct TShape {
        int colCount = 5;
        int rowCount = 5;
        int fixedCols = 1;
        int fixedRows = 1;
        int defaultColWidth = 64;
        int defaultRowHeight = 24;
    };

    TStringGrid(const QString& name, const QRect& geometry, const TShape& shape, QWidget* parent);

    int rowCount() const { return model_->rowCount(); }
    int colCount() const { return model_->columnCount(); }
    int fixedRows() const { return model_->fixedRows(); }
    int fixedCols() const { return model_->fixedCols(); }
    void setRowCount(int count);
    void setColCount(int count);
    void setColWidth(int col, int width);

    QString cell(int col, int row) const { return model_->cell(col, row); }
    void setCell(int col, int row, int32_t number);
    void setCell(int col, int row, const QString& text);
    void clearRow(int row);

    // The selected cells as rows of tab-separated text, in screen order, for
    // pasting into a spreadsheet; the current cell when nothing is selected.
    QString selectionText() const;
    void copySelection() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refreshLater();

    TGridModel* model_;
    int defaultColWidth_;
    bool refreshPending_ = false;
};
