// A full repaint of the pair map of 20 of 99 with 1000 draws, medians of 21,
// at the scale QT_SCALE_FACTOR gives (make bench runs it at 1 and 2).
#include "Lotteries.h"

#include "ui/ProgramWindows.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication application(argc, argv);
    TProgramWindows windows;
    windows.main.show();
    TestSupport::TempDir dir;
    windows.main.openDrawFile(QString::fromStdString(WriteBenchFile(dir, BenchLotteries().back())));
    QMetaObject::invokeMethod(&windows.main, "Button1Click");
    QMetaObject::invokeMethod(&windows.main, "Button2Click");
    windows.main.findChild<QAction*>("PairMapAction")->trigger();
    auto* view = windows.main.findChild<QWidget*>("PairMapView");
    QCoreApplication::processEvents();

    std::vector<double> times;
    for (int run = 0; run < 21; ++run) {
        QElapsedTimer clock;
        clock.start();
        view->repaint();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("Pair map repaint, 20 of 99 with 1000 draws, %dx%d logical pixels at scale %.0f: %.2f ms "
                "(median of 21)\n",
        view->width(), view->height(), view->devicePixelRatioF(), times[times.size() / 2]);
    return 0;
}
