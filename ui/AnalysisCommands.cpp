// The main window's "Анализ" menu: the pair map, the fairness check, the
// table of numbers, pairs and triples and the strategy check, each a window
// of its own that stays open beside the main window.
#include "ui/Main.h"

#include "ui/CommandGuard.h"
#include "ui/reports/FairnessReport.h"
#include "ui/reports/GroupTableWindow.h"
#include "ui/reports/PairMap.h"
#include "ui/reports/StrategyReport.h"
#include "ui/widgets/StringGrid.h"

#include <QAction>

namespace {

// A window of the menu shown in front, made the first time by `make`.
template <typename Window, typename Make> Window* ShowInFront(QPointer<Window>& window, Make&& make)
{
    if (!window)
        window = make();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// A window that counts from the tables waits while they disagree, and
// counts again once they agree.
template <typename Window> void Follow(const QPointer<Window>& window, bool enabled)
{
    if (!window)
        return;
    window->setEnabled(enabled);
    if (enabled)
        window->refresh();
}

} // namespace

// The windows count from the pair table and the draws; between a new file
// and its "Статистика" the two disagree, so the windows wait.
void TForm1::setAnalysisEnabled(bool enabled)
{
    for (QAction* action : { PairMapAction, FairnessAction, GroupsAction, StrategyAction })
        action->setEnabled(enabled);
    Follow(pairMap_, enabled);
    Follow(groupTable_, enabled);
    Follow(strategyReport_, enabled);
}

void TForm1::PairMapClick()
{
    RunCommand([this] {
        if (!PairMapAction->isEnabled())
            return;
        ShowInFront(pairMap_, [this] {
            auto* map = new TPairMap(this);
            connect(map, &TPairMap::pairClicked, this, &TForm1::selectPairRow);
            map->refresh();
            return map;
        });
    });
}

void TForm1::FairnessClick()
{
    RunCommand([this] {
        if (!FairnessAction->isEnabled())
            return;
        ShowInFront(fairnessReport_, [this] { return new TFairnessReport(this); })->start();
    });
}

void TForm1::GroupsClick()
{
    RunCommand([this] {
        if (!GroupsAction->isEnabled())
            return;
        ShowInFront(groupTable_, [this] {
            auto* table = new TGroupTableWindow(this);
            connect(table, &TGroupTableWindow::pairActivated, this, &TForm1::selectPairRow);
            table->refresh();
            return table;
        });
    });
}

void TForm1::StrategyClick()
{
    RunCommand([this] {
        if (!StrategyAction->isEnabled())
            return;
        ShowInFront(strategyReport_, [this] {
            auto* report = new TStrategyReport(this);
            report->refresh();
            return report;
        });
    });
}

// The row of the central table that shows the pair, in whatever order the
// table is now, becomes its current row.
void TForm1::selectPairRow(int32_t first, int32_t second)
{
    int32_t pairNo = 0;
    for (int32_t i = 1; i <= Main::PairCount && pairNo == 0; ++i)
        if (Main::Pairs[i].First == first && Main::Pairs[i].Second == second)
            pairNo = i;
    const QString number = QString::number(pairNo);
    QAbstractItemModel* model = StringGrid2->model();
    for (int row = 1; pairNo > 0 && row < model->rowCount(); ++row)
        if (model->index(row, 0).data().toString() == number) {
            const QModelIndex index = model->index(row, 0);
            StringGrid2->setCurrentIndex(index);
            StringGrid2->scrollTo(index, QAbstractItemView::PositionAtCenter);
            return;
        }
}
