#pragma once

#include "ui/history/HistoryFetch.h"
#include "ui/history/NetworkLimits.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslError>
#include <QTimer>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QTemporaryFile;

// One download of a history's source over HTTP or HTTPS, with no window of its
// own. Redirects are followed one by one, so that a loop, a step down from
// https to http, too many of them and a permanent move are all seen. The
// request is conditional on the previous answer's ETag / Last-Modified. The
// body goes to a temporary file as it arrives, cut off by the limits, and is
// looked at (HistoryBody) before it is handed over. Certificate errors are
// never ignored. finished() is emitted once, never from inside start().
class THistoryDownload : public QObject {
    Q_OBJECT

public:
    THistoryDownload(THistoryFetch request, TNetworkLimits limits, QObject* parent = nullptr);
    ~THistoryDownload() override;

    void start();
    // Ends the download as Cancelled, unless it has already ended.
    void cancel();
    // Valid once finished() is emitted.
    const THistoryFetchResult& result() const { return result_; }

signals:
    void progress(qint64 received, qint64 total); // total: -1 while unknown
    void finished();

private:
    void get(const QUrl& url);
    void headersArrived();
    void bodyArrived();
    void replyFinished();
    void follow(QNetworkReply* reply, int status);
    void handOver();
    void fail(const QString& message);
    void end(THistoryFetchResult::TStatus status);
    QString networkError(QNetworkReply* reply) const;
    QString host() const;

    THistoryFetch request_;
    TNetworkLimits limits_;
    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    QTimer stallTimer_;
    QTimer deadlineTimer_;
    QList<QUrl> visited_;
    QList<QSslError> sslErrors_;
    bool allMovesPermanent_ = true;
    int status_ = 0; // of the answer being read; 0 until its headers arrive
    qint64 received_ = 0; // body bytes of the answer being read
    qint64 expected_ = -1; // its Content-Length, -1 without one
    std::shared_ptr<QTemporaryFile> body_;
    bool ended_ = false;
    THistoryFetchResult result_;
};
