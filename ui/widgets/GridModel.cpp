#include "ui/widgets/GridModel.h"

#include <QApplication>
#include <QPalette>

#include <algorithm>

TGridModel::TGridModel(int colCount, int rowCount, int fixedCols, int fixedRows, QObject* parent)
    : QAbstractTableModel(parent)
    , cols_(std::max(colCount, 1))
    , rows_(std::max(rowCount, 1))
    , fixedCols_(std::clamp(fixedCols, 0, cols_ - 1))
    , fixedRows_(std::clamp(fixedRows, 0, rows_ - 1))
    , cells_(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_))
{
}

int TGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int TGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : cols_;
}

QVariant TGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_ || index.column() >= cols_)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cell(index.column(), index.row());
    case Qt::BackgroundRole:
        if (isFixed(index.column(), index.row()))
            return QApplication::palette().button();
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (isFixed(index.column(), index.row()))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TGridModel::setRowCount(int count)
{
    count = std::max(count, 1);
    if (count <= fixedRows_)
        fixedRows_ = count - 1;
    if (count == rows_)
        return;
    if (count > rows_) {
        beginInsertRows({}, rows_, count - 1);
        rows_ = count;
        cells_.resize(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_));
        endInsertRows();
    } else {
        beginRemoveRows({}, count, rows_ - 1);
        rows_ = count;
        cells_.resize(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_));
        endRemoveRows();
    }
}

TGridModel::TCell& TGridModel::at(int col, int row)
{
    return cells_.at(static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col));
}

const TGridModel::TCell& TGridModel::at(int col, int row) const
{
    return cells_.at(static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col));
}

void TGridModel::setCell(int col, int row, int32_t number)
{
    TCell& cell = at(col, row);
    cell.isNumber = true;
    cell.number = number;
}

void TGridModel::setCell(int col, int row, const QString& text)
{
    TCell& cell = at(col, row);
    cell.isNumber = false;
    cell.text = text;
}

void TGridModel::clearRow(int row)
{
    for (int col = 0; col < cols_; ++col)
        at(col, row) = TCell {};
}

QString TGridModel::cell(int col, int row) const
{
    const TCell& c = at(col, row);
    return c.isNumber ? QString::number(c.number) : c.text;
}

void TGridModel::cellsChanged()
{
    emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1), { Qt::DisplayRole });
}
