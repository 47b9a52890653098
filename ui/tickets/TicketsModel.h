#pragma once

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

// The tickets shown in the window, one a row: the ticket's number, then its
// numbers ascending, one a column.
class TTicketsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using TTickets = std::vector<std::vector<int32_t>>;

    explicit TTicketsModel(QObject* parent = nullptr);

    void setTickets(TTickets tickets);
    const TTickets& tickets() const { return tickets_; }
    int32_t ticketSize() const { return tickets_.empty() ? 0 : static_cast<int32_t>(tickets_.front().size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    TTickets tickets_;
};
