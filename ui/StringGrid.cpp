#include "ui/StringGrid.h"

#include <QHeaderView>

TStringGrid::TStringGrid(const QString& name, const QRect& geometry, const TShape& shape, QWidget* parent)
    : QTableView(parent)
    , model_(new TGridModel(shape.colCount, shape.rowCount, shape.fixedCols, shape.fixedRows, this))
    , defaultColWidth_(shape.defaultColWidth)
{
    setObjectName(name);
    setModel(model_);
    setGeometry(geometry);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(defaultColWidth_);
    verticalHeader()->setDefaultSectionSize(shape.defaultRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(true);
    setWordWrap(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setCurrentIndex(model_->index(model_->fixedRows(), model_->fixedCols()));
}

void TStringGrid::setRowCount(int count)
{
    model_->setRowCount(count);
}

void TStringGrid::setColCount(int count)
{
    model_->setColCount(count);
}

void TStringGrid::setColWidth(int col, int width)
{
    horizontalHeader()->resizeSection(col, width);
}

void TStringGrid::setCell(int col, int row, int32_t number)
{
    model_->setCell(col, row, number);
    refreshLater();
}

void TStringGrid::setCell(int col, int row, const QString& text)
{
    model_->setCell(col, row, text);
    refreshLater();
}

void TStringGrid::clearRow(int row)
{
    model_->clearRow(row);
    refreshLater();
}

// Views learn of changed cells once, when the command that wrote them returns
// to the event loop, however many cells it wrote.
void TStringGrid::refreshLater()
{
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refreshPending_ = false;
            model_->cellsChanged();
        },
        Qt::QueuedConnection);
}
