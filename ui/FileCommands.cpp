// The main window's file and pair commands: Open, Exit and "Создать пары".
#include "ui/Main.h"

#include "ui/CommandGuard.h"
#include "ui/RecentFiles.h"
#include "ui/ReportWindows.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/LabelText.h"
#include "ui/widgets/StringGrid.h"

#include "ui/widgets/ReusedFileDialog.h"

#include <QLabel>
#include <QPushButton>

// Building a file dialog takes longer than the whole analysis of a file, so
// the Open dialog is built while the program is idle after start, and kept.
void TForm1::prepareOpenDialog()
{
    if (openDialog_)
        return;
    openDialog_ = new TReusedFileDialog(this, tr("Открытие файла"));
    // A typed name of a missing file goes through, to be reported by the loader.
    openDialog_->setFileMode(QFileDialog::AnyFile);
    openDialog_->ensurePolished();
}

void TForm1::N2Click()
{
    RunCommand([this] {
        prepareOpenDialog();
        if (openDialog_->execWith(lastFileName_) != QDialog::Accepted || openDialog_->selectedFiles().isEmpty())
            return;
        openDrawFile(openDialog_->selectedFiles().constFirst());
    });
}

// Screens that still show the previous file's pairs and statistics keep them
// until they are computed again.
void TForm1::openDrawFile(const QString& fileName)
{
    Main::DrawCount = 0;
    startNewFile(fileName);
    try {
        Main::LoadDrawFile(fileName.toStdString(), [this] { showLotteryType(); });
    } catch (const Main::EInOutError&) {
        throw; // never opened: not a recent file
    } catch (...) {
        recentFiles_->add(fileName);
        throw;
    }
    recentFiles_->add(fileName);
}

void TForm1::showLotteryType()
{
    texts_.set(
        Label5, [k = Main::NumbersPerDraw, m = Main::MaxNumber] { return tr("Лотерея типа: %1 из %2").arg(k).arg(m); });
}

// The state every newly opened or imported file starts from.
void TForm1::startNewFile(const QString& fileName)
{
    lastFileName_ = fileName;
    Gauge1->setProgress(0);
    fileLoaded_ = true;
    storedHistory_ = 0;
    UpdateAction->setEnabled(false);

    Button1->setEnabled(true);
    for (QPushButton* button : { Button2, Button3, Button4, Button5 })
        button->setEnabled(false);
    reports_->setStatisticsReady(false);
}

void TForm1::N3Click()
{
    RunCommand([this] { close(); });
}

bool TForm1::refuseWithoutFile()
{
    if (fileLoaded_)
        return false;
    ShowMessage(tr("Вы должны сначала открыть файл!"));
    return true;
}

void TForm1::Button1Click()
{
    RunCommand([this] {
        if (refuseWithoutFile())
            return;
        Button2->setEnabled(true);
        Main::BuildPairs();
        StringGrid1->setRowCount(Main::PairCount);
        for (int32_t i = 1; i <= Main::PairCount; ++i) {
            StringGrid1->setCell(0, i - 1, i);
            StringGrid1->setCell(1, i - 1, Main::Pairs[i].First);
            StringGrid1->setCell(2, i - 1, Main::Pairs[i].Second);
        }
        StringGrid1->endFill();
        texts_.set(Label14, [count = Main::PairCount] { return tr("Всего пар: %1").arg(count); });
        Button1->setEnabled(false);
    });
}
