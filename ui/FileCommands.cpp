// The main window's file and pair commands: Open, Exit and "Создать пары".
#include "ui/Main.h"

#include "ui/CommandGuard.h"
#include "ui/Gauge.h"
#include "ui/LabelText.h"
#include "ui/StringGrid.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

// Building a file dialog takes longer than the whole analysis of a file, so
// the next one is built while the program is idle, ready for the next Open.
void TForm1::prepareOpenDialog()
{
    if (nextOpenDialog_)
        return;
    nextOpenDialog_ = new QFileDialog(this, "Открытие файла");
    nextOpenDialog_->setOption(QFileDialog::DontUseNativeDialog);
    nextOpenDialog_->setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name of a missing file goes through, to be reported by the loader.
    nextOpenDialog_->setFileMode(QFileDialog::AnyFile);
    nextOpenDialog_->ensurePolished();
}

void TForm1::N2Click()
{
    RunCommand([this] {
        prepareOpenDialog();
        QFileDialog* dialog = nextOpenDialog_;
        nextOpenDialog_.clear();
        // Taking a dialog down waits for its folder-reading thread: also done idle.
        const auto disposeLater = qScopeGuard([dialog] { dialog->deleteLater(); });
        QTimer::singleShot(0, this, &TForm1::prepareOpenDialog);
        if (!lastFileName_.isEmpty())
            dialog->selectFile(lastFileName_);
        if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
            return;
        openDrawFile(dialog->selectedFiles().constFirst());
    });
}

// Screens that still show the previous file's pairs and statistics keep them
// until they are computed again.
void TForm1::openDrawFile(const QString& fileName)
{
    Main::DrawCount = 0;
    startNewFile(fileName);
    Main::LoadDrawFile(fileName.toStdString(), [this] { showLotteryType(); });
}

void TForm1::showLotteryType()
{
    SetLabelText(Label5, QString("Лотерея типа: %1 из %2").arg(Main::NumbersPerDraw).arg(Main::MaxNumber));
}

// The state every newly opened or imported file starts from.
void TForm1::startNewFile(const QString& fileName)
{
    lastFileName_ = fileName;
    Gauge1->setProgress(0);
    fileLoaded_ = true;

    Button1->setEnabled(true);
    for (QPushButton* button : { Button2, Button3, Button4, Button5 })
        button->setEnabled(false);
    setAnalysisEnabled(false);
}

void TForm1::N3Click()
{
    RunCommand([this] { close(); });
}

bool TForm1::refuseWithoutFile()
{
    if (fileLoaded_)
        return false;
    ShowMessage("Вы должны сначала открыть файл!");
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
        SetLabelText(Label14, QString("Всего пар: %1").arg(Main::PairCount));
        Button1->setEnabled(false);
    });
}
