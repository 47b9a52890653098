// Memory over repeated commands: the resident set after the first ten cycles
// and after the last, for Open cancelled in its dialog and for Open →
// "Создать пары" → "Статистика" on the largest lottery. Fails when either
// grows by 2 MiB or more.
#include "BenchSupport.h"
#include "Lotteries.h"

#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

// Runs Open and answers its dialog with `file`, or cancels it when file is empty.
void Open(TForm1& form, const QString& file)
{
    QTimer::singleShot(0, [file] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            if (file.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
    QMetaObject::invokeMethod(&form, "N2Click");
    QCoreApplication::processEvents();
}

// The growth of the resident set from after the first ten cycles to the end.
double Growth(const char* name, int cycles, const std::function<void()>& cycle)
{
    double afterTen = 0;
    for (int i = 1; i <= cycles; ++i) {
        cycle();
        if (i == 10)
            afterTen = ResidentMiB();
    }
    const double end = ResidentMiB();
    std::printf("%-44s %5d cycles: %.1f MiB after 10, %.1f MiB at the end (%+.2f MiB)\n", name, cycles, afterTen, end,
        end - afterTen);
    return end - afterTen;
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
    TestSupport::TempDir dir;
    const QString file = QString::fromStdString(WriteBenchFile(dir, BenchLotteries().back()));

    const double cancelled = Growth("Open, cancelled", 1000, [&] { Open(form, {}); });
    const double full = Growth("Open -> Создать пары -> Статистика, 20 of 99", 300, [&] {
        Open(form, file);
        QMetaObject::invokeMethod(&form, "Button1Click");
        QMetaObject::invokeMethod(&form, "Button2Click");
        QCoreApplication::processEvents();
    });
    // Every Open in a folder of its own, as a user going through many files.
    int folder = 0;
    const std::string text = TestSupport::DrawFileText(6, 49, TestSupport::RandomDraws(6, 49, 100, 1));
    const double many = Growth("Open of a new file in a new folder, 6 of 49", 300, [&] {
        const std::string name = "f" + std::to_string(++folder) + "/draws.txt";
        std::filesystem::create_directories(dir.path() / ("f" + std::to_string(folder)));
        Open(form, QString::fromStdString(dir.write(name, text)));
    });
    const bool flat = cancelled < 2 && full < 2 && many < 2;
    std::printf("%s\n", flat ? "memory flat: every cycle grew it by less than 2 MiB" : "memory grew by 2 MiB or more");
    return flat ? 0 : 1;
}
