#include "ui/StringGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Cells drawn as a desktop string grid draws them: the text two pixels in from
// the left, clipped at the cell's edge rather than shortened with an ellipsis;
// fixed cells shaded, selected cells highlighted.
class TGridCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QVariant background = index.data(Qt::BackgroundRole);
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
        else if (background.isValid())
            painter->fillRect(option.rect, background.value<QBrush>());
        painter->save();
        painter->setClipRect(option.rect);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawText(option.rect.adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

} // namespace

TStringGrid::TStringGrid(const QString& name, const QRect& geometry, const TShape& shape, QWidget* parent)
    : QTableView(parent)
    , model_(new TGridModel(shape.colCount, shape.rowCount, shape.fixedCols, shape.fixedRows, this))
    , defaultColWidth_(shape.defaultColWidth)
{
    setObjectName(name);
    setModel(model_);
    setItemDelegate(new TGridCellDelegate(this));
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

QString TStringGrid::selectionText() const
{
    QModelIndexList cells = selectionModel()->selectedIndexes();
    if (cells.isEmpty() && currentIndex().isValid())
        cells << currentIndex();
    if (cells.isEmpty())
        return {};
    int top = cells.first().row(), bottom = top, left = cells.first().column(), right = left;
    for (const QModelIndex& index : cells) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    QStringList lines;
    for (int row = top; row <= bottom; ++row) {
        QStringList line;
        for (int col = left; col <= right; ++col)
            line << model_->cell(col, row);
        lines << line.join('\t');
    }
    return lines.join('\n');
}

void TStringGrid::copySelection() const
{
    QGuiApplication::clipboard()->setText(selectionText());
}

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Copy) {
        copySelection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event); // Ctrl+A selects the whole grid there
}
