// Memory over repeated commands, as a user gives them from the menu: the
// resident set after the first fifty cycles and after the last, for Open and
// "Импорт…" cancelled in their dialogs and for Open → "Создать пары" →
// "Статистика" on the largest lottery. After each cycle the program returns
// to its event loop, deferred deletes included, as it does for a user. Fails
// when any grows by 2 MiB or more.
#include "BenchSupport.h"
#include "Lotteries.h"

#include "ui/ProgramWindows.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

#include <cstdio>
#include <filesystem>
#include <functional>

namespace {

void Trigger(TForm1& form, const char* action)
{
    form.findChild<QAction*>(action)->trigger();
    ReturnToEventLoop();
}

void Click(TForm1& form, const char* button)
{
    form.findChild<QPushButton*>(button)->click();
    ReturnToEventLoop();
}

// The growth of the resident set from after the first `Warmup` cycles to the
// end. The file dialog's model is filled by a thread of its own; on a busy
// machine its first folders may still be arriving after ten cycles, which is
// not growth, so the count starts later.
constexpr int Warmup = 50;

double Growth(const char* name, int cycles, const std::function<void()>& cycle)
{
    double afterWarmup = 0;
    for (int i = 1; i <= cycles; ++i) {
        cycle();
        if (i == Warmup)
            afterWarmup = ResidentMiB();
    }
    const double end = ResidentMiB();
    std::printf("%-44s %5d cycles: %.1f MiB after %d, %.1f MiB at the end (%+.2f MiB)\n", name, cycles, afterWarmup,
        Warmup, end, end - afterWarmup);
    return end - afterWarmup;
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    TProgramWindows windows;
    TForm1& form = windows.main;
    form.show();
    ReturnToEventLoop();
    TestSupport::TempDir dir;
    const QString file = QString::fromStdString(WriteBenchFile(dir, BenchLotteries().back()));

    const double cancelled = Growth("Open, cancelled", 500, [&] {
        AnswerNextFileDialog({});
        Trigger(form, "N2");
    });
    std::printf("dialogs alive: %d\n", int(form.findChildren<QFileDialog*>().size()));
    const double imports = Growth("Импорт…, cancelled", 500, [&] {
        AnswerNextFileDialog({});
        Trigger(form, "ImportAction");
    });
    const double full = Growth("Open -> Создать пары -> Статистика, 20 of 99", 300, [&] {
        AnswerNextFileDialog(file);
        Trigger(form, "N2");
        Click(form, "Button1");
        Click(form, "Button2");
    });
    // Every Open in a folder of its own, as a user going through many files.
    int folder = 0;
    const std::string text = TestSupport::DrawFileText(6, 49, TestSupport::RandomDraws(6, 49, 100, 1));
    const double many = Growth("Open of a new file in a new folder, 6 of 49", 300, [&] {
        const std::string name = "f" + std::to_string(++folder) + "/draws.txt";
        std::filesystem::create_directories(dir.path() / ("f" + std::to_string(folder)));
        AnswerNextFileDialog(QString::fromStdString(dir.write(name, text)));
        Trigger(form, "N2");
    });
    const bool flat = cancelled < 2 && imports < 2 && full < 2 && many < 2;
    std::printf("%s\n", flat ? "memory flat: every cycle grew it by less than 2 MiB" : "memory grew by 2 MiB or more");
    return flat ? 0 : 1;
}
