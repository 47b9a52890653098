#include "ui/tickets/TicketsModel.h"

TTicketsModel::TTicketsModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void TTicketsModel::setTickets(TTickets tickets)
{
    beginResetModel();
    tickets_ = std::move(tickets);
    endResetModel();
}

int TTicketsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(tickets_.size());
}

int TTicketsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1 + ticketSize();
}

QVariant TTicketsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole))
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    const auto& ticket = tickets_[static_cast<std::size_t>(index.row())];
    if (index.column() == 0)
        return QString::number(index.row() + 1);
    return QString::number(ticket[static_cast<std::size_t>(index.column() - 1)]);
}

QVariant TTicketsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return tr("Билет");
    return tr("Число %1").arg(section);
}
