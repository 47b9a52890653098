#include "ui/widgets/StringGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
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

    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int width) {
        for (QTableView* frozen : { frozenRows_, frozenCols_ })
            if (frozen)
                frozen->setColumnWidth(col, width);
        layOutFrozen();
    });
    for (auto signal : { &QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved,
             &QAbstractItemModel::columnsInserted, &QAbstractItemModel::columnsRemoved })
        connect(model_, signal, this, &TStringGrid::layOutFrozen);
    built_ = true;
    layOutFrozen();
}

// A second view of the same cells, over the viewport: it takes no input (the
// grid beneath answers for it) and scrolls only as the grid tells it.
QTableView* TStringGrid::makeFrozenView()
{
    auto* view = new QTableView(viewport());
    view->setModel(model_);
    view->setSelectionMode(QAbstractItemView::NoSelection); // fixed cells are never selected
    view->setItemDelegate(itemDelegate());
    view->setFocusPolicy(Qt::NoFocus);
    view->setAutoScroll(false); // it would follow the shared current cell
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->setFrameShape(QFrame::NoFrame);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->horizontalHeader()->setMinimumSectionSize(1);
    view->verticalHeader()->setMinimumSectionSize(1);
    view->horizontalHeader()->setDefaultSectionSize(defaultColWidth_);
    view->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setShowGrid(true);
    view->setWordWrap(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int col = 0; col < model_->columnCount(); ++col)
        view->setColumnWidth(col, columnWidth(col));
    return view;
}

int TStringGrid::fixedHeight() const
{
    int height = 0;
    for (int row = 0; row < model_->fixedRows(); ++row)
        height += rowHeight(row);
    return height;
}

int TStringGrid::fixedWidth() const
{
    int width = 0;
    for (int col = 0; col < model_->fixedCols(); ++col)
        width += columnWidth(col);
    return width;
}

// The fixed rows cover the top of the viewport, the fixed columns its left
// side; each shows only while the grid has such rows or columns.
void TStringGrid::layOutFrozen()
{
    if (!built_)
        return;
    const QRect area = viewport()->rect();
    const int height = fixedHeight();
    const int width = fixedWidth();
    // Made the first time the grid has fixed rows (columns): most grids never do.
    if (height > 0 && !frozenRows_) {
        frozenRows_ = makeFrozenView();
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, frozenRows_->horizontalScrollBar(),
            &QScrollBar::setValue);
    }
    if (width > 0 && !frozenCols_) {
        frozenCols_ = makeFrozenView();
        connect(
            verticalScrollBar(), &QScrollBar::valueChanged, frozenCols_->verticalScrollBar(), &QScrollBar::setValue);
    }
    // One pixel more covers the grid line under the last fixed row.
    if (frozenRows_) {
        frozenRows_->setGeometry(0, 0, area.width(), height > 0 ? height + 1 : 0);
        frozenRows_->setVisible(height > 0);
        frozenRows_->verticalScrollBar()->setValue(0);
        frozenRows_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    }
    if (frozenCols_) {
        frozenCols_->setGeometry(0, 0, width > 0 ? width + 1 : 0, area.height());
        frozenCols_->setVisible(width > 0);
        frozenCols_->horizontalScrollBar()->setValue(0);
        frozenCols_->verticalScrollBar()->setValue(verticalScrollBar()->value());
    }
}

void TStringGrid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    layOutFrozen();
}

void TStringGrid::updateGeometries()
{
    QTableView::updateGeometries();
    layOutFrozen();
}

// Scrolling moves the viewport's children with its contents; the fixed views
// are put back in place.
void TStringGrid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    layOutFrozen();
}

// A fixed cell is where it shows: at the top (left) of the viewport,
// whatever the grid's scrolling.
QRect TStringGrid::visualRect(const QModelIndex& index) const
{
    QRect rect = QTableView::visualRect(index);
    if (!index.isValid() || rect.isEmpty())
        return rect;
    if (index.row() < model_->fixedRows())
        rect.moveTop(rowViewportPosition(index.row()) + verticalOffset());
    if (index.column() < model_->fixedCols())
        rect.moveLeft(columnViewportPosition(index.column()) + horizontalOffset());
    return rect;
}

QModelIndex TStringGrid::indexAt(const QPoint& point) const
{
    QModelIndex index = QTableView::indexAt(point);
    const auto fixedAt = [](const QHeaderView* header, int position, int fixed) {
        for (int section = 0, start = 0; section < fixed; start += header->sectionSize(section), ++section)
            if (position >= start && position < start + header->sectionSize(section))
                return section;
        return -1;
    };
    const int row = fixedAt(verticalHeader(), point.y(), model_->fixedRows());
    const int col = fixedAt(horizontalHeader(), point.x(), model_->fixedCols());
    if (row < 0 && col < 0)
        return index;
    const int atRow = row >= 0 ? row : index.row();
    const int atCol = col >= 0 ? col : index.column();
    return atRow >= 0 && atCol >= 0 ? model_->index(atRow, atCol) : QModelIndex();
}

// A cell scrolled to is not left under the fixed rows or columns.
void TStringGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    QTableView::scrollTo(index, hint);
    if (!index.isValid())
        return;
    if (index.row() >= model_->fixedRows())
        while (verticalScrollBar()->value() > 0 && rowViewportPosition(index.row()) < fixedHeight())
            verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
    if (index.column() >= model_->fixedCols())
        while (horizontalScrollBar()->value() > 0 && columnViewportPosition(index.column()) < fixedWidth())
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - 1);
}

void TStringGrid::setRowCount(int count)
{
    model_->setRowCount(count);
}

void TStringGrid::setColWidth(int col, int width)
{
    horizontalHeader()->resizeSection(col, width);
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
