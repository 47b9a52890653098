#pragma once

#include "analysis/groups/Groups.h"

#include <QAbstractTableModel>

#include <vector>

// The rows of a group table as shown: only the groups holding the filter
// number (all when it is 0), in the order of the last sort. Sorting is a
// counting sort on the column's integer key, ties in lexicographic order.
class TGroupTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum TColumn { Numbers, Hits, Expected, Deviation, LastDraw, Gap, ColumnCount };

    explicit TGroupTableModel(QObject* parent = nullptr);

    void setTable(Main::TGroupTable table);
    void setFilter(int32_t number);
    const Main::TGroupTable& table() const { return table_; }
    // The group shown in `row`.
    const Main::TGroupStat& group(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The rows as shown, for a spreadsheet: UTF-8 with a byte-order mark, the
    // headings and numbers in the interface's language; in Russian semicolons
    // between fields and decimal commas, in English commas and decimal points.
    QByteArray csv() const;

    // Headings and figures in the interface's language.
    void retranslate();

private:
    void rebuild();
    QString text(const Main::TGroupStat& group, int column) const;

    Main::TGroupTable table_;
    int32_t filter_ = 0;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    std::vector<int32_t> rows_; // indices into table_.Groups
};
