#include "ui/history/HistoryFetch.h"

#include "ui/MessageBoxes.h"
#include "ui/history/HistoryBody.h"
#include "ui/history/HistoryDownload.h"
#include "ui/history/NetworkLimits.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkProxyFactory>
#include <QProgressDialog>
#include <QTemporaryFile>

#include <algorithm>

namespace {

// A local file or file: address is read where it is, a ZIP unpacked.
THistoryFetchResult ReadLocal(const QUrl& url, const TNetworkLimits& limits)
{
    THistoryFetchResult result;
    result.finalUrl = url;
    const QString fileName = url.isLocalFile() ? url.toLocalFile() : url.toString();
    if (!QFileInfo(fileName).isFile()) {
        result.error = QCoreApplication::translate("HistoryFetch", "Файл %1 не найден").arg(fileName);
        return result;
    }
    try {
        TReadableHistory readable = ReadableHistory(fileName, TBodySource::File, limits.maxBytes);
        result.fileName = readable.fileName;
        result.file = readable.file;
        result.status = THistoryFetchResult::TStatus::Downloaded;
    } catch (const std::exception& e) {
        result.error = QString::fromUtf8(e.what());
    }
    return result;
}

} // namespace

THistoryFetchResult FetchHistory(QWidget* parent, const THistoryFetch& request)
{
    const TNetworkLimits limits = TNetworkLimits::FromSettings();
    const QString scheme = request.url.scheme().toLower();
    if (request.url.isLocalFile() || scheme.isEmpty())
        return ReadLocal(request.url, limits);
    if (scheme != "http" && scheme != "https") {
        THistoryFetchResult refused;
        refused.finalUrl = request.url;
        refused.error = QCoreApplication::translate(
            "HistoryFetch", "Адрес %1 не загрузить: программа загружает адреса http:// и https://")
                            .arg(request.url.toDisplayString());
        return refused;
    }

    // The proxy the desktop is set to use, once for the whole program.
    static const bool proxySet = [] {
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        return true;
    }();
    Q_UNUSED(proxySet);

    THistoryDownload download(request, limits);
    // Shown only when the download takes more than a moment; modal for the
    // whole program, so that no other command starts meanwhile.
    QProgressDialog progress(
        QCoreApplication::translate("HistoryFetch", "Загрузка %1…").arg(request.url.toDisplayString()),
        QCoreApplication::translate("HistoryFetch", "Отмена"), 0, 0, parent);
    progress.setObjectName("DownloadProgress");
    progress.setWindowTitle(ApplicationTitle());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(400);
    progress.setValue(0);
    QObject::connect(&progress, &QProgressDialog::canceled, &download, &THistoryDownload::cancel);
    QObject::connect(
        &download, &THistoryDownload::progress, &progress,
        [&progress](qint64 received, qint64 total) {
            // In kilobytes, which an int holds for any body the limit lets through.
            const int kilobytes = int(std::min<qint64>(received / 1024, INT_MAX));
            progress.setMaximum(total > 0 ? int(std::min<qint64>(total / 1024, INT_MAX)) : 0);
            progress.setValue(total > 0 ? std::min(kilobytes, progress.maximum()) : kilobytes);
        },
        Qt::QueuedConnection); // setValue() of a shown modal dialog runs events: never inside the download's own calls

    QEventLoop loop;
    QObject::connect(&download, &THistoryDownload::finished, &loop, &QEventLoop::quit);
    download.start();
    loop.exec();
    return download.result();
}
