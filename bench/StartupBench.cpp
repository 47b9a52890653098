// Start-up cost: CPU time and resident memory from exec to the main window
// shown, for the program and for a bare Qt Widgets program with one label,
// each started 11 times as a process of its own on the offscreen platform;
// medians. `startup_bench --bare` and `--program` are the two programs.
#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

// CPU time of this process so far in milliseconds, and its resident set in MiB.
void Report()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const double cpu = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    std::printf("%.2f %.2f\n", cpu, resident * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0));
}

int Bare(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLabel label("VELDORAN");
    label.show();
    QCoreApplication::processEvents();
    Report();
    return 0;
}

// As the program starts: names, Qt's Russian translation, the three windows.
int Program(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("veldoran");
    QGuiApplication::setDesktopFileName("veldoran");
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Russian), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    TProgramWindows windows;
    windows.main.show();
    QCoreApplication::processEvents();
    Report();
    return 0;
}

struct TRun {
    double cpu, resident;
};

std::vector<TRun> Runs(const char* mode, int count)
{
    std::vector<TRun> runs;
    for (int i = 0; i < count; ++i) {
        const std::string command
            = "QT_QPA_PLATFORM=offscreen /proc/" + std::to_string(getpid()) + "/exe " + mode + " 2>/dev/null";
        FILE* child = popen(command.c_str(), "r");
        TRun run {};
        if (child && std::fscanf(child, "%lf %lf", &run.cpu, &run.resident) == 2)
            runs.push_back(run);
        if (child)
            pclose(child);
    }
    return runs;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0)
        return Bare(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--program") == 0)
        return Program(argc, argv);

    constexpr int Count = 11;
    const auto median = [](const std::vector<TRun>& runs, double TRun::*field) {
        std::vector<double> values;
        for (const TRun& run : runs)
            values.push_back(run.*field);
        return Median(values);
    };
    const auto bare = Runs("--bare", Count);
    const auto program = Runs("--program", Count);
    const double bareCpu = median(bare, &TRun::cpu), programCpu = median(program, &TRun::cpu);
    std::printf("Start-up to the window shown, medians of %d processes (offscreen):\n", Count);
    std::printf(
        "  bare Qt Widgets, one label: %6.1f ms CPU, %5.1f MiB resident\n", bareCpu, median(bare, &TRun::resident));
    std::printf("  veldoran:                   %6.1f ms CPU, %5.1f MiB resident (%.2fx the CPU time)\n", programCpu,
        median(program, &TRun::resident), bareCpu > 0 ? programCpu / bareCpu : 0);
    return 0;
}
