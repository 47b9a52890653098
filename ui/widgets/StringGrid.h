#pragma once

#include "ui/widgets/GridModel.h"

#include <QTableView>

#include <cstdint>

// A text grid of the desktop kind: every cell, fixed rows and columns included,
// belongs to the grid and is counted from 0; fixed cells are shaded and stay
// in view while the rest scrolls; grid lines are drawn; cells can be selected
// but not edited.
//
// The fixed rows (columns) are drawn a second time by a view over the same
// model laid over the top (left) of the viewport and kept in step with its
// scrolling; indexAt() and visualRect() answer for them where they show.
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

    void setRowCount(int count);
    void setColWidth(int col, int width);

    // A fill writes its cells, then tells the views once with endFill().
    void setCell(int col, int row, int32_t number) { model_->setCell(col, row, number); }
    void setCell(int col, int row, const QString& text) { model_->setCell(col, row, text); }
    void clearRow(int row) { model_->clearRow(row); }
    void endFill() { model_->cellsChanged(); }

    // The selected cells as rows of tab-separated text, in screen order, for
    // pasting into a spreadsheet; the current cell when nothing is selected.
    QString selectionText() const;
    void copySelection() const;

    QModelIndex indexAt(const QPoint& point) const override;
    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QTableView* makeFrozenView();
    void layOutFrozen();
    int fixedHeight() const; // of the fixed rows, in pixels
    int fixedWidth() const; // of the fixed columns

    bool built_ = false; // the frozen views are laid out only once the grid is
    QTableView* frozenRows_ = nullptr;
    QTableView* frozenCols_ = nullptr;

    TGridModel* model_;
    int defaultColWidth_;
};
