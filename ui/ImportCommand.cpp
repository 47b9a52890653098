// The main window's "Импорт…" command: a delimited history chosen in a file
// dialog, read as the import dialog shows, into the same tables as Open.
#include "ui/Main.h"

#include "ui/CommandGuard.h"
#include "ui/ImportDialog.h"
#include "ui/ImportMemory.h"
#include "ui/RecentFiles.h"
#include "ui/history/HistoryBody.h"
#include "ui/history/NetworkLimits.h"

#include "ui/widgets/ReusedFileDialog.h"

#include <QFileInfo>
#include <QUrl>

void TForm1::ImportClick()
{
    RunCommand([this] {
        if (!importFileDialog_) {
            importFileDialog_ = new TReusedFileDialog(this, tr("Импорт истории тиражей"));
            importFileDialog_->setFileMode(QFileDialog::ExistingFile);
            importFileDialog_->setNameFilters({ tr("Истории тиражей (*.csv *.txt *.tsv *.dat)"), tr("Все файлы (*)") });
        }
        if (importFileDialog_->execWith(lastFileName_) != QDialog::Accepted
            || importFileDialog_->selectedFiles().isEmpty())
            return;
        importFile(importFileDialog_->selectedFiles().constFirst());
    });
}

void TForm1::importFile(const QString& fileName)
{
    // A ZIP of one delimited file is read as that file.
    const TReadableHistory readable
        = ReadableHistory(fileName, TBodySource::File, TNetworkLimits::FromSettings().maxBytes);
    importHistory(readable.fileName, fileName);
}

void TForm1::importHistory(const QString& readFile, const QString& source, const THistoryFetchResult* fetched)
{
    const QString& fileName = readFile;
    const std::string name = fileName.toStdString();
    const Main::TImportProposal proposal = Main::ProposeImport(name);
    const std::vector<std::string> head = Main::ReadHistoryHead(name, ImportMemory::HeadLines);
    TRememberedLayout shown { proposal.Layout, false };
    QStringList notes;
    if (const auto remembered = ImportMemory::Recall(head)) {
        shown = *remembered;
        notes << tr("Описание полей — то, что вы выбрали для файла такого же вида в прошлый раз.");
    } else {
        for (const std::string& note : proposal.Notes)
            notes << QString::fromStdString(note);
    }

    TImportDialog dialog(fileName, shown.Layout, notes, shown.MaxNumberTyped, this);
    const QUrl address(source);
    const bool fromFile = !address.isValid() || address.scheme().size() < 2 || address.isLocalFile();
    if (readFile != source)
        dialog.setSourceName(fromFile ? QFileInfo(source).fileName() : address.toDisplayString());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TRememberedLayout chosen { dialog.layout(), dialog.maxNumberTyped() };
    importAndStore(
        fileName, fromFile ? QFileInfo(source).absoluteFilePath() : source, chosen.Layout, dialog.lastDraws(), fetched);

    // A correction is remembered; M that only followed the draws is not one.
    const auto withoutM = [](Main::TImportLayout layout) {
        layout.MaxNumber = 0;
        return layout;
    };
    if (withoutM(chosen.Layout) != withoutM(shown.Layout) || chosen.MaxNumberTyped != shown.MaxNumberTyped
        || (chosen.MaxNumberTyped && chosen.Layout.MaxNumber != shown.Layout.MaxNumber))
        ImportMemory::Remember(head, chosen);
}

void TForm1::importDrawHistory(const QString& fileName, const Main::TImportLayout& layout, int32_t lastDraws)
{
    importAndStore(fileName, {}, layout, lastDraws);
}
