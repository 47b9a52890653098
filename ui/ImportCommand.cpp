// The main window's "Импорт…" command: a delimited history chosen in a file
// dialog, read as the import dialog shows, into the same tables as Open.
#include "ui/Main.h"

#include "ui/CommandGuard.h"
#include "ui/ImportDialog.h"
#include "ui/ImportMemory.h"
#include "ui/RecentFiles.h"

#include "ui/widgets/ReusedFileDialog.h"

void TForm1::ImportClick()
{
    RunCommand([this] {
        if (!importFileDialog_) {
            importFileDialog_ = new TReusedFileDialog(this, "Импорт истории тиражей");
            importFileDialog_->setFileMode(QFileDialog::ExistingFile);
            importFileDialog_->setNameFilters({ "Истории тиражей (*.csv *.txt *.tsv *.dat)", "Все файлы (*)" });
        }
        if (importFileDialog_->execWith(lastFileName_) != QDialog::Accepted
            || importFileDialog_->selectedFiles().isEmpty())
            return;
        importFile(importFileDialog_->selectedFiles().constFirst());
    });
}

void TForm1::importFile(const QString& fileName)
{
    const std::string name = fileName.toStdString();
    const Main::TImportProposal proposal = Main::ProposeImport(name);
    const std::vector<std::string> head = Main::ReadHistoryHead(name, ImportMemory::HeadLines);
    TRememberedLayout shown { proposal.Layout, false };
    QStringList notes;
    if (const auto remembered = ImportMemory::Recall(head)) {
        shown = *remembered;
        notes << "Описание полей — то, что вы выбрали для файла такого же вида в прошлый раз.";
    } else {
        for (const std::string& note : proposal.Notes)
            notes << QString::fromStdString(note);
    }

    TImportDialog dialog(fileName, shown.Layout, notes, shown.MaxNumberTyped, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TRememberedLayout chosen { dialog.layout(), dialog.maxNumberTyped() };
    importDrawHistory(fileName, chosen.Layout, dialog.lastDraws());

    // A correction is remembered; M that only followed the draws is not one.
    const auto withoutM = [](Main::TImportLayout layout) {
        layout.MaxNumber = 0;
        return layout;
    };
    if (withoutM(chosen.Layout) != withoutM(shown.Layout) || chosen.MaxNumberTyped != shown.MaxNumberTyped
        || (chosen.MaxNumberTyped && chosen.Layout.MaxNumber != shown.Layout.MaxNumber))
        ImportMemory::Remember(head, chosen);
}

// As after a successful Open: results on screen stay until computed again.
void TForm1::importDrawHistory(const QString& fileName, const Main::TImportLayout& layout, int32_t lastDraws)
{
    Main::ImportDrawHistory(fileName.toStdString(), layout, lastDraws);
    startNewFile(fileName);
    showLotteryType();
    recentFiles_->add(fileName);
}
