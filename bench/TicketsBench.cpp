// The ticket check and the "Билеты" window as a user meets them: CheckTickets
// for 100 tickets against 1000 draws, and the window opened through its menu
// command until it has painted (medians, Release, offscreen platform).
#include "BenchSupport.h"
#include "Lotteries.h"

#include "analysis/Analysis.h"
#include "ui/ProgramWindows.h"

#include <QAction>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

constexpr int Repetitions = 31;

// The offscreen platform says at each opening that it cannot raise a window.
void QuieterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains("does not support raise()"))
        QuietMessages(type, context, message);
}

std::vector<std::vector<int32_t>> RandomTickets(int count, int k, int m)
{
    QRandomGenerator random(29);
    std::vector<std::vector<int32_t>> tickets;
    for (int t = 0; t < count; ++t) {
        std::vector<int32_t> all(static_cast<std::size_t>(m));
        std::iota(all.begin(), all.end(), 1);
        for (int i = 0; i < k; ++i)
            std::swap(all[static_cast<std::size_t>(i)], all[static_cast<std::size_t>(i + random.bounded(m - i))]);
        all.resize(static_cast<std::size_t>(k));
        std::sort(all.begin(), all.end());
        tickets.push_back(all);
    }
    return tickets;
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatform();
    qInstallMessageHandler(QuieterMessages);
    QApplication application(argc, argv);
    TestSupport::TempDir dir;

    std::printf("CheckTickets, 100 tickets against all 1000 draws; median of %d\n", Repetitions);
    for (const BenchLottery& lottery : BenchLotteries()) {
        if (lottery.draws != 1000)
            continue;
        Main::LoadDrawFile(WriteBenchFile(dir, lottery));
        const auto tickets = RandomTickets(100, std::min(lottery.k, 10), lottery.m);
        std::vector<double> times;
        int64_t sum = 0;
        for (int i = 0; i < Repetitions; ++i) {
            QElapsedTimer clock;
            clock.start();
            const Main::TTicketCheck check = Main::CheckTickets(tickets, Main::DrawCount);
            times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            sum += check.Matches[2];
        }
        std::printf("  %-10s tickets of %2d numbers   %8.3f ms   (%lld pairs sharing 2)\n", lottery.name().c_str(),
            std::min(lottery.k, 10), Median(times), static_cast<long long>(sum));
    }

    TProgramWindows windows;
    TForm1& form = windows.main;
    form.show();
    ReturnToEventLoop();
    QAction* open = form.findChild<QAction*>("TicketsAction");
    std::vector<double> first;
    std::vector<double> again;
    for (int i = 0; i < Repetitions; ++i) {
        ReturnToEventLoop();
        QElapsedTimer clock;
        clock.start();
        open->trigger();
        QWidget* window = form.findChild<QWidget*>("TicketsWindow");
        QCoreApplication::sendPostedEvents();
        window->repaint();
        first.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        window->close();
        ReturnToEventLoop();
        clock.restart();
        open->trigger();
        QCoreApplication::sendPostedEvents();
        window->repaint();
        again.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        delete window; // the next trigger makes it anew
    }
    std::printf("Билеты window through TicketsAction until painted; median of %d\n", Repetitions);
    std::printf("  the very first in the program          %8.2f ms\n", first.front());
    std::printf("  first opening (made, shown, painted)  %8.2f ms\n", Median(first));
    std::printf("  opened again after closing            %8.2f ms\n", Median(again));
    return 0;
}
