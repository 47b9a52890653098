// The main window's "Статистика" command, the central table, the extreme
// panels and the three sort toggles.
#include "ui/Main.h"

#include "ui/CommandGuard.h"
#include "ui/ReportWindows.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/LabelText.h"
#include "ui/widgets/StringGrid.h"

#include <QLabel>
#include <QPushButton>

namespace {

// Steps of the progress indicator during "Статистика": 0, 16, ..., 96, 100.
constexpr int PhaseStep = 16;
constexpr int LastStep = 4;

void FillPairList(TStringGrid* grid, const std::vector<Main::TPairRecord>& pairs)
{
    grid->setRowCount(static_cast<int>(pairs.size()));
    int row = 0;
    for (const Main::TPairRecord& pair : pairs) {
        grid->setCell(0, row, pair.First);
        grid->setCell(1, row, pair.Second);
        ++row;
    }
    grid->endFill();
}

} // namespace

void TForm1::fillCentralTable(const Main::TStatTable& source)
{
    StringGrid2->setRowCount(Main::PairCount + 1);
    centralFilled_ = true;
    showCentralHeaders();
    for (int32_t k = 1; k <= Main::PairCount; ++k) {
        const Main::TPairStat& stat = source[k];
        StringGrid2->setCell(0, k, stat.PairNo);
        StringGrid2->setCell(1, k, stat.Hits);
        StringGrid2->setCell(2, k, stat.LastDraw);
        StringGrid2->setCell(3, k, stat.Gap);
    }
    StringGrid2->endFill();
}

void TForm1::showCentralHeaders()
{
    const QString headers[] = { tr("Номер"), tr("Кол. выпад."), tr("Посл. тираж"), tr("Пропуск") };
    for (int col = 0; col < 4; ++col)
        StringGrid2->setCell(col, 0, headers[col]);
}

// Without pairs there is no value to show: the labels keep their prefix alone
// and the grids one empty row.
void TForm1::showExtremes(const TExtremePanel& panel)
{
    if (Main::PairCount < 1) {
        for (auto [label, prefix, grid] : { std::tuple { panel.minLabel, panel.minPrefix, panel.minGrid },
                 { panel.maxLabel, panel.maxPrefix, panel.maxGrid } }) {
            texts_.set(label, [prefix] { return tr(prefix); });
            grid->setRowCount(1);
            grid->clearRow(0);
            grid->endFill();
        }
        return;
    }
    const Main::TExtremes extremes = Main::Extremes(panel.measure);
    texts_.set(panel.minLabel,
        [prefix = panel.minPrefix, value = extremes.Min] { return tr(prefix) + QString::number(value); });
    texts_.set(panel.maxLabel,
        [prefix = panel.maxPrefix, value = extremes.Max] { return tr(prefix) + QString::number(value); });
    FillPairList(panel.minGrid, extremes.MinList);
    FillPairList(panel.maxGrid, extremes.MaxList);
}

void TForm1::Button2Click()
{
    RunCommand([this] {
        if (refuseWithoutFile())
            return;
        Main::ResetAndCount();
        Gauge1->addProgress(PhaseStep);
        Main::GapsAndCopies();
        Gauge1->addProgress(PhaseStep);
        texts_.set(Label1, [count = Main::ProcessedDraws()] { return tr("Обработано тиражей: %1").arg(count); });
        fillCentralTable(Main::Stats);
        Gauge1->addProgress(PhaseStep);
        Main::RankByHits();
        Gauge1->addProgress(PhaseStep);
        Main::RankByLastDraw();
        Gauge1->addProgress(PhaseStep);
        Main::RankByGap();
        Gauge1->addProgress(PhaseStep);

        const TExtremePanel panels[] = {
            { Main::TMeasure::Hits, Label3, QT_TR_NOOP("минимальное: "), StringGrid3, Label4,
                QT_TR_NOOP("максимальное: "), StringGrid4 },
            { Main::TMeasure::LastDraw, Label6, QT_TR_NOOP("минимальный: "), StringGrid5, Label7,
                QT_TR_NOOP("максимальный: "), StringGrid6 },
            { Main::TMeasure::Gap, Label9, QT_TR_NOOP("минимальное: "), StringGrid7, Label10,
                QT_TR_NOOP("максимальное: "), StringGrid8 },
        };
        for (const TExtremePanel& panel : panels)
            showExtremes(panel);

        for (QPushButton* button : { Button3, Button4, Button5 })
            button->setEnabled(true);
        Button2->setEnabled(false);
        Gauge1->addProgress(LastStep);
        reports_->setStatisticsReady(true);
    });
}

void TForm1::toggleSort(TSortToggle& toggle)
{
    if (!toggle.sorted) {
        fillCentralTable(*toggle.ranked);
        toggle.sorted = true;
        texts_.set(toggle.button, [] { return tr("отменить"); });
    } else {
        toggle.sorted = false;
        texts_.set(toggle.button, [caption = toggle.undoCaption] { return tr(caption); });
        fillCentralTable(Main::Stats);
    }
}

void TForm1::Button3Click()
{
    RunCommand([this] { toggleSort(hitsToggle_); });
}

void TForm1::Button4Click()
{
    RunCommand([this] { toggleSort(lastDrawToggle_); });
}

void TForm1::Button5Click()
{
    RunCommand([this] { toggleSort(gapToggle_); });
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
