#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <memory>
class QWidget;
class QTemporaryFile;
// One fetch of a history's source, conditional when etag/lastModified are given.
struct THistoryFetch {
    QUrl url;
    QByteArray etag; // from the previous fetch, empty for none
    QByteArray lastModified; // likewise
};
struct THistoryFetchResult {
    enum class TStatus { Downloaded, NotModified, Cancelled, Failed };
    TStatus status = TStatus::Failed;
    QString fileName; // the history as delimited text (a ZIP already unpacked); valid while `file` lives
    std::shared_ptr<QTemporaryFile> file;
    QByteArray etag, lastModified; // of this answer
    QUrl finalUrl; // after redirects
    bool movedPermanently = false; // a 301/308 on the way: finalUrl may be offered to be saved
    QString error; // Failed: the Russian message for the error box
};
// Downloads with a modal progress dialog with "Отмена" over `parent`, honouring the
// settings Network/TimeoutSeconds and Network/MaxMegabytes; runs a local event loop.
THistoryFetchResult FetchHistory(QWidget* parent, const THistoryFetch& request);
