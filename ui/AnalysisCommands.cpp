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

// Both windows count from the pair table and the draws; between a new file
// and its "Статистика" the two disagree, so the windows wait.
void TForm1::setAnalysisEnabled(bool enabled)
{
    PairMapAction->setEnabled(enabled);
    FairnessAction->setEnabled(enabled);
    GroupsAction->setEnabled(enabled);
    StrategyAction->setEnabled(enabled);
    if (pairMap_) {
        pairMap_->setEnabled(enabled);
        if (enabled)
            pairMap_->refresh();
    }
    if (groupTable_) {
        groupTable_->setEnabled(enabled);
        if (enabled)
            groupTable_->refresh();
    }
    if (strategyReport_) {
        strategyReport_->setEnabled(enabled);
        if (enabled)
            strategyReport_->refresh();
    }
}

void TForm1::PairMapClick()
{
    RunCommand([this] {
        if (!PairMapAction->isEnabled())
            return;
        if (!pairMap_) {
            pairMap_ = new TPairMap(this);
            connect(pairMap_, &TPairMap::pairClicked, this, &TForm1::selectPairRow);
            pairMap_->refresh();
        }
        pairMap_->show();
        pairMap_->raise();
        pairMap_->activateWindow();
    });
}

void TForm1::FairnessClick()
{
    RunCommand([this] {
        if (!FairnessAction->isEnabled())
            return;
        if (!fairnessReport_)
            fairnessReport_ = new TFairnessReport(this);
        fairnessReport_->show();
        fairnessReport_->raise();
        fairnessReport_->start();
    });
}

void TForm1::GroupsClick()
{
    RunCommand([this] {
        if (!GroupsAction->isEnabled())
            return;
        if (!groupTable_) {
            groupTable_ = new TGroupTableWindow(this);
            connect(groupTable_, &TGroupTableWindow::pairActivated, this, &TForm1::selectPairRow);
            groupTable_->refresh();
        }
        groupTable_->show();
        groupTable_->raise();
        groupTable_->activateWindow();
    });
}

void TForm1::StrategyClick()
{
    RunCommand([this] {
        if (!StrategyAction->isEnabled())
            return;
        if (!strategyReport_) {
            strategyReport_ = new TStrategyReport(this);
            strategyReport_->refresh();
        }
        strategyReport_->show();
        strategyReport_->raise();
        strategyReport_->activateWindow();
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
