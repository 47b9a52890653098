// Every command of the main window on the benchmarked lotteries, with the
// screen updates it causes, on Qt's offscreen platform; and the memory the
// results take.
#include "BenchSupport.h"
#include "Lotteries.h"

#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int Repetitions = 21;

// Lets the program idle, runs `command`, then lets the window show its result, and returns the time
// both took in milliseconds.
double Timed(TForm1& form, const std::function<void()>& command)
{
    QCoreApplication::processEvents(); // the idle moment between two commands
    QElapsedTimer clock;
    clock.start();
    command();
    QCoreApplication::sendPostedEvents();
    form.repaint();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void Invoke(TForm1& form, const char* handler)
{
    QMetaObject::invokeMethod(&form, handler);
}

// The Open command with its dialog answered as soon as it is shown.
void OpenThroughDialog(TForm1& form, const QString& file)
{
    AnswerNextFileDialog(file);
    Invoke(form, "N2Click");
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    TProgramWindows windows;
    TForm1& form = windows.main;
    form.show();
    QCoreApplication::processEvents();
    form.repaint();
    TestSupport::TempDir dir;

    // What the results of the largest lottery add to the program right after start.
    const double residentAtStart = ResidentMiB();
    form.openDrawFile(QString::fromStdString(WriteBenchFile(dir, BenchLotteries().back())));
    Invoke(form, "Button1Click");
    Invoke(form, "Button2Click");
    QCoreApplication::processEvents();
    form.repaint();
    const double residentAfterLargest = ResidentMiB();

    const char* const commands[] = { "Open", "Open with dialog", "Create pairs", "Statistics", "Sort by hits", "undo",
        "Sort by last", "undo ", "Sort by gap", "undo  " };
    std::printf("Medians of %d runs in milliseconds, each command with the screen update it causes\n", Repetitions);
    std::printf("%-18s", "command");
    for (const BenchLottery& lottery : BenchLotteries())
        std::printf(" %11s", lottery.name().c_str());
    std::printf("\n");

    std::map<std::string, std::vector<double>> medians;
    for (const BenchLottery& lottery : BenchLotteries()) {
        const QString file = QString::fromStdString(WriteBenchFile(dir, lottery));
        std::map<std::string, std::vector<double>> times;
        for (int run = 0; run < Repetitions; ++run) {
            times["Open with dialog"].push_back(Timed(form, [&] { OpenThroughDialog(form, file); }));
            times["Open"].push_back(Timed(form, [&] { form.openDrawFile(file); }));
            times["Create pairs"].push_back(Timed(form, [&] { Invoke(form, "Button1Click"); }));
            times["Statistics"].push_back(Timed(form, [&] { Invoke(form, "Button2Click"); }));
            for (const auto& [press, undo, handler] : { std::tuple { "Sort by hits", "undo", "Button3Click" },
                     { "Sort by last", "undo ", "Button4Click" }, { "Sort by gap", "undo  ", "Button5Click" } }) {
                times[press].push_back(Timed(form, [&] { Invoke(form, handler); }));
                times[undo].push_back(Timed(form, [&] { Invoke(form, handler); }));
            }
        }
        for (const char* command : commands)
            medians[command].push_back(Median(times[command]));
    }
    for (const char* command : commands) {
        std::printf("%-18s", command);
        for (const double median : medians[command])
            std::printf(" %11.2f", median);
        std::printf("\n");
    }
    std::printf("\nResident memory: %.1f MiB right after start, %.1f MiB after \"Статистика\" on 20-99/1000 "
                "(+%.1f MiB)\n",
        residentAtStart, residentAfterLargest, residentAfterLargest - residentAtStart);
    return 0;
}
