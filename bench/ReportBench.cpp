// The "Анализ" windows on the largest lottery (20 of 99, 1000 draws) as a
// user drives them: each change of a control timed until the window has
// painted its result (medians), and the memory the triple table adds.
#include "BenchSupport.h"
#include "Lotteries.h"

#include "ui/ProgramWindows.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Repetitions = 11;

// Milliseconds from the change to the window painted, the event loop having run.
double Painted(QWidget* window, const std::function<void()>& change)
{
    ReturnToEventLoop();
    QElapsedTimer clock;
    clock.start();
    change();
    QCoreApplication::processEvents();
    window->repaint();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void Report(const char* what, const std::function<double()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < Repetitions; ++i)
        times.push_back(run());
    std::printf("%-52s %8.2f ms\n", what, Median(times));
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    TProgramWindows windows;
    TForm1& form = windows.main;
    form.show();
    TestSupport::TempDir dir;
    const QString file = QString::fromStdString(WriteBenchFile(dir, BenchLotteries().back()));
    AnswerNextFileDialog(file);
    form.findChild<QAction*>("N2")->trigger();
    form.findChild<QPushButton*>("Button1")->click();
    form.findChild<QPushButton*>("Button2")->click();
    ReturnToEventLoop();

    form.findChild<QAction*>("GroupsAction")->trigger();
    QWidget* groups = form.findChild<QWidget*>("GroupTable");
    ReturnToEventLoop();
    const double before = ResidentMiB(); // the window open, showing pairs
    auto* size = groups->findChild<QComboBox*>("GroupSizeBox");
    auto* draws = groups->findChild<QSpinBox*>("GroupDrawsBox");
    auto* number = groups->findChild<QSpinBox*>("GroupNumberBox");
    QHeaderView* header = groups->findChild<QTableView*>("GroupView")->horizontalHeader();
    std::printf("Числа, пары, тройки on 20 of 99, 1000 draws; medians of %d, each until painted\n", Repetitions);
    Report("size: pairs -> triples (156 849 rows)", [&] {
        size->setCurrentIndex(1);
        ReturnToEventLoop();
        return Painted(groups, [&] { size->setCurrentIndex(2); });
    });
    const double withTriples = ResidentMiB();
    int n = 0;
    Report("triples: last N draws changed",
        [&] { return Painted(groups, [&] { draws->setValue(900 - 50 * (n++ % 2)); }); });
    Report("triples: filter by a number", [&] { return Painted(groups, [&] { number->setValue(1 + n++ % 99); }); });
    Report("triples: filter off", [&] {
        number->setValue(7);
        return Painted(groups, [&] { number->setValue(0); });
    });
    Report("triples: sort by a column (header click order)", [&] {
        const int column = 1 + n++ % 5;
        const Qt::SortOrder order = n % 2 ? Qt::AscendingOrder : Qt::DescendingOrder;
        return Painted(groups, [&] { header->setSortIndicator(column, order); });
    });
    std::printf("Resident memory: %.1f MiB with the window showing pairs, %.1f MiB with triples (+%.1f MiB)\n", before,
        withTriples, withTriples - before);
    return 0;
}
