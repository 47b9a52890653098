// The main window's "Импорт…" command: a delimited history chosen in a file
// dialog, read as the import dialog shows, into the same tables as Open.
#include "ui/Main.h"

#include "ui/CommandGuard.h"
#include "ui/ImportDialog.h"

#include <QFileDialog>

void TForm1::ImportClick()
{
    RunCommand([this] {
        QFileDialog fileDialog(this, "Импорт истории тиражей");
        fileDialog.setOption(QFileDialog::DontUseNativeDialog);
        fileDialog.setAcceptMode(QFileDialog::AcceptOpen);
        fileDialog.setFileMode(QFileDialog::ExistingFile);
        fileDialog.setNameFilters({ "Истории тиражей (*.csv *.txt *.tsv *.dat)", "Все файлы (*)" });
        if (!lastFileName_.isEmpty())
            fileDialog.selectFile(lastFileName_);
        if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
            return;
        const QString fileName = fileDialog.selectedFiles().constFirst();

        TImportDialog dialog(fileName, Main::ProposeImportLayout(fileName.toStdString()), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        importDrawHistory(fileName, dialog.layout(), dialog.lastDraws());
    });
}

// As after a successful Open: results on screen stay until computed again.
void TForm1::importDrawHistory(const QString& fileName, const Main::TImportLayout& layout, int32_t lastDraws)
{
    Main::ImportDrawHistory(fileName.toStdString(), layout, lastDraws);
    startNewFile(fileName);
    showLotteryType();
}
