// The main window's commands on kept histories: every import kept in the
// store of histories, "Обновить историю" and "Истории…".
#include "ui/Main.h"

#include "analysis/history/HistoryMerge.h"
#include "analysis/history/HistoryRows.h"
#include "analysis/history/RecentDraws.h"
#include "ui/CommandGuard.h"
#include "ui/ImportMemory.h"
#include "ui/MessageBoxes.h"
#include "ui/RecentFiles.h"
#include "ui/history/HistoriesWindow.h"
#include "ui/history/HistoryBody.h"
#include "ui/history/HistoryFetch.h"
#include "ui/history/HistoryStore.h"
#include "ui/history/MovedAddress.h"
#include "ui/history/NetworkLimits.h"
#include "ui/history/UpdateReport.h"

#include <QAction>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>

namespace {

QString HistoryNameOf(const QString& source)
{
    if (IsAddressSource(source)) {
        const QUrl url(source);
        const QString file = url.fileName();
        return file.isEmpty() ? url.host() : file;
    }
    return QFileInfo(source).fileName();
}

} // namespace

void TForm1::importAndStore(const QString& fileName, const QString& source, const Main::TImportLayout& layout,
    int32_t lastDraws, const THistoryFetchResult* fetched)
{
    const std::string name = fileName.toStdString();
    // The import's own checks and messages first: a layout the import refuses
    // keeps nothing.
    Main::ReadDrawHistory(name, layout, lastDraws);
    const Main::THistoryRows rows = Main::ReadHistoryRows(name, layout);

    TStoredHistory record;
    record.Source = source.isEmpty() ? QFileInfo(fileName).absoluteFilePath() : source;
    record.Name = HistoryNameOf(record.Source);
    record.Layout = layout;
    record.Shape
        = ImportMemory::ShapeOf(Main::ReadHistoryHead(name, ImportMemory::HeadLines), layout).value_or(TFileShape {});
    if (fetched) {
        record.ETag = fetched->etag;
        record.LastModified = fetched->lastModified;
    }
    record.Updated = QDateTime::currentDateTimeUtc();
    record.LastDraws = lastDraws;

    THistoryStore& store = THistoryStore::Instance();
    const std::optional<TStoredHistory> existing
        = relayoutHistory_ ? store.history(relayoutHistory_) : store.find(record.Source, layout);
    if (existing) {
        record.Id = existing->Id;
        record.Name = existing->Name;
        const bool byDrawNo = layout.DrawNoField > 0 && existing->Layout.DrawNoField > 0;
        const Main::THistoryMerge merge
            = Main::MergeHistory(store.draws(existing->Id), rows.Draws, byDrawNo, layout.MaxNumber);
        store.update(record, merge.Added);
    } else {
        record.Id = store.add(record, rows.Draws);
    }
    openStoredHistory(record.Id);
}

void TForm1::openStoredHistory(qint64 id)
{
    THistoryStore& store = THistoryStore::Instance();
    const std::optional<TStoredHistory> history = store.history(id);
    if (!history)
        throw EHistoryStoreError(tr("Этой истории уже нет в хранилище").toStdString());
    const Main::THistoryGame game = history->game();
    Main::LoadRecentDraws(store.recentDraws(id, game, history->LastDraws), game, history->LastDraws);
    showStoredHistory(id, history->Source);
}

// As after a successful "Импорт…": results on screen stay until computed again.
void TForm1::showStoredHistory(qint64 id, const QString& source)
{
    const bool file = !IsAddressSource(source);
    startNewFile(file ? source : lastFileName_);
    showLotteryType();
    if (file)
        recentFiles_->add(source);
    storedHistory_ = id;
    UpdateAction->setEnabled(true);
    if (historiesWindow_)
        historiesWindow_->refresh();
}

void TForm1::UpdateClick()
{
    RunCommand([this] {
        if (storedHistory_ != 0)
            updateHistory(storedHistory_);
    });
}

// Nothing changes until the merge is stored in one transaction; every failure
// before it leaves the tables, the window and the store as they were.
void TForm1::updateHistory(qint64 id)
{
    {
        THistoryStore& store = THistoryStore::Instance();
        std::optional<TStoredHistory> history = store.history(id);
        if (!history)
            throw EHistoryStoreError(tr("Этой истории уже нет в хранилище").toStdString());

        // The source again: a file as it is now, an address downloaded unless
        // it has not changed since.
        THistoryFetchResult fetched;
        TReadableHistory unpacked;
        QString fileName;
        if (IsAddressSource(history->Source)) {
            fetched = FetchHistory(this, { QUrl(history->Source), history->ETag, history->LastModified });
            switch (fetched.status) {
            case THistoryFetchResult::TStatus::Cancelled:
                return;
            case THistoryFetchResult::TStatus::Failed:
                ShowErrorBox(fetched.error);
                return;
            case THistoryFetchResult::TStatus::NotModified:
                ShowMessage(
                    tr("История «%1» не изменилась с прошлого обновления: новых тиражей нет.").arg(history->Name));
                return;
            case THistoryFetchResult::TStatus::Downloaded:
                break;
            }
            fileName = fetched.fileName;
        } else {
            if (!QFileInfo(history->Source).isFile())
                throw EHistoryStoreError(
                    tr("Файла истории %1 больше нет: он удалён или перенесён").arg(history->Source).toStdString());
            // A ZIP of one delimited file is read as that file.
            unpacked = ReadableHistory(history->Source, TBodySource::File, TNetworkLimits::FromSettings().maxBytes);
            fileName = unpacked.fileName;
        }

        // A source whose shape changed is read again only as the player says.
        const std::string name = fileName.toStdString();
        if (!ImportMemory::HasShape(
                Main::ReadHistoryHead(name, ImportMemory::HeadLines), history->Layout, history->Shape)) {
            ShowErrorBox(tr("Вид файла истории «%1» изменился (заголовок или число полей): прежнее описание полей "
                            "к нему не подходит. Проверьте описание полей в окне импорта.")
                             .arg(history->Name));
            relayoutHistory_ = history->Id;
            const qint64 before = history->DrawCount;
            try {
                importHistory(fileName, history->Source, fetched.file ? &fetched : nullptr);
            } catch (...) {
                relayoutHistory_ = 0;
                throw;
            }
            relayoutHistory_ = 0;
            // Cancelled, the history keeps the shape and layout it had.
            const auto after = store.history(history->Id);
            if (after && (after->Shape != history->Shape || after->Layout != history->Layout))
                ShowMessage(tr("История «%1» прочитана с новым описанием полей. Новых тиражей: %2; всего: %3.")
                                .arg(after->Name)
                                .arg(after->DrawCount - before)
                                .arg(after->DrawCount));
            return;
        }

        const Main::THistoryRows rows = Main::ReadHistoryRows(name, history->Layout);
        if (rows.Draws.empty())
            throw EHistoryStoreError(
                tr("В новой копии истории «%1» нет ни одного тиража, который читается прежним описанием полей")
                    .arg(history->Name)
                    .toStdString());
        const int32_t previousMax = history->Layout.MaxNumber;
        const Main::THistoryMerge merge = Main::MergeHistory(
            store.draws(history->Id), rows.Draws, history->Layout.DrawNoField > 0, history->Layout.MaxNumber);
        if (!merge.Aligned)
            throw EHistoryStoreError(tr("Новая копия истории «%1» не совпала с сохранённой ни одним тиражом: "
                                        "ничего не добавлено. Если источник теперь другой, импортируйте его заново")
                                         .arg(history->Name)
                                         .toStdString());

        TStoredHistory record = *history;
        record.Updated = QDateTime::currentDateTimeUtc();
        if (fetched.status == THistoryFetchResult::TStatus::Downloaded) {
            record.ETag = fetched.etag;
            record.LastModified = fetched.lastModified;
            if (fetched.movedPermanently && fetched.finalUrl.isValid() && fetched.finalUrl.toString() != record.Source
                && OfferMovedAddress(QUrl(record.Source), fetched.finalUrl))
                record.Source = fetched.finalUrl.toString();
        }
        // M follows the most recent draws, as the import's proposal does.
        if (merge.LargerPool > 0)
            record.Layout.MaxNumber = merge.LargerPool;
        store.update(record, merge.Added);
        openStoredHistory(record.Id);
        const int32_t total = static_cast<int32_t>(store.history(record.Id).value_or(record).DrawCount);
        ShowMessage(UpdateReportText(record, merge, total, Main::DrawCount, previousMax));
    }
}

void TForm1::HistoriesClick()
{
    RunCommand([this] {
        if (!historiesWindow_) {
            historiesWindow_ = new THistoriesWindow(this);
            connect(historiesWindow_, &THistoriesWindow::openRequested, this,
                [this](qint64 id) { RunCommand([this, id] { openStoredHistory(id); }); });
            connect(historiesWindow_, &THistoriesWindow::updateRequested, this,
                [this](qint64 id) { RunCommand([this, id] { updateHistory(id); }); });
            connect(historiesWindow_, &THistoriesWindow::removed, this, [this](qint64 id) {
                if (storedHistory_ == id) {
                    storedHistory_ = 0;
                    UpdateAction->setEnabled(false);
                }
            });
        }
        historiesWindow_->refresh();
        historiesWindow_->show();
        historiesWindow_->raise();
        historiesWindow_->activateWindow();
    });
}
