#include "ui/tickets/SelectedPairs.h"

#include "analysis/Analysis.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QWidget>

#include <algorithm>
#include <set>

std::vector<int32_t> SelectedPairNumbers(const QWidget* mainWindow)
{
    const auto* grid = mainWindow ? mainWindow->findChild<QAbstractItemView*>("StringGrid2") : nullptr;
    if (!grid || !grid->selectionModel() || !grid->model())
        return {};
    std::set<int> rows;
    for (const QModelIndex& index : grid->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (const QModelIndex current = grid->selectionModel()->currentIndex(); rows.empty() && current.isValid())
        rows.insert(current.row()); // a grid that selects by its current cell only
    std::set<int32_t> numbers;
    for (const int row : rows) {
        if (row < 1)
            continue; // the fixed header row
        bool ok = false;
        const int pairNo = grid->model()->index(row, 0).data(Qt::DisplayRole).toString().toInt(&ok);
        if (!ok || pairNo < 1 || pairNo > Main::PairCount)
            continue;
        numbers.insert(Main::Pairs[pairNo].First);
        numbers.insert(Main::Pairs[pairNo].Second);
    }
    return { numbers.begin(), numbers.end() };
}
