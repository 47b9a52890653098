#include "ui/history/HistoryDownload.h"

#include "ui/history/HistoryBody.h"

#include <QCoreApplication>
#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTemporaryFile>

#include <stdexcept>

namespace {

bool IsSuccess(int status)
{
    return status >= 200 && status < 300;
}

} // namespace

THistoryDownload::THistoryDownload(THistoryFetch request, TNetworkLimits limits, QObject* parent)
    : QObject(parent)
    , request_(std::move(request))
    , limits_(limits)
    , manager_(new QNetworkAccessManager(this))
{
    stallTimer_.setSingleShot(true);
    stallTimer_.setInterval(limits_.timeoutMs);
    connect(&stallTimer_, &QTimer::timeout, this, [this] {
        // Nothing at all from the server is "no answer"; silence after the
        // answer began is a transfer stalled halfway.
        const QString seconds = TNetworkLimits::Seconds(limits_.timeoutMs);
        if (status_ == 0)
            fail(QCoreApplication::translate("HistoryDownload", "Сервер %1 не ответил за %2 с").arg(host(), seconds));
        else
            fail(QCoreApplication::translate(
                "HistoryDownload", "Передача остановилась на середине: %1 с не пришло ни байта (получено %2 байт)")
                     .arg(seconds)
                     .arg(received_));
    });
    deadlineTimer_.setSingleShot(true);
    deadlineTimer_.setInterval(limits_.deadlineMs);
    connect(&deadlineTimer_, &QTimer::timeout, this, [this] {
        fail(QCoreApplication::translate("HistoryDownload",
            "Загрузка не уложилась в %1 с; предел задан в настройках "
            "(Network/DeadlineSeconds)")
                 .arg(TNetworkLimits::Seconds(limits_.deadlineMs)));
    });
}

THistoryDownload::~THistoryDownload()
{
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

void THistoryDownload::start()
{
    result_.finalUrl = request_.url;
    deadlineTimer_.start();
    get(request_.url);
}

void THistoryDownload::cancel()
{
    end(THistoryFetchResult::TStatus::Cancelled);
}

QString THistoryDownload::host() const
{
    return result_.finalUrl.host();
}

void THistoryDownload::get(const QUrl& url)
{
    visited_ << url;
    status_ = 0;
    received_ = 0;
    expected_ = -1;
    body_.reset();

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setHeader(
        QNetworkRequest::UserAgentHeader, QStringLiteral("Veldoran/%1").arg(QCoreApplication::applicationVersion()));
    if (!request_.etag.isEmpty())
        request.setRawHeader("If-None-Match", request_.etag);
    if (!request_.lastModified.isEmpty())
        request.setRawHeader("If-Modified-Since", request_.lastModified);

    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &THistoryDownload::headersArrived);
    connect(reply_, &QIODevice::readyRead, this, &THistoryDownload::bodyArrived);
    connect(reply_, &QNetworkReply::finished, this, &THistoryDownload::replyFinished);
    connect(reply_, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& errors) {
        sslErrors_ << errors; // kept to be named, never ignored
    });
    stallTimer_.start();
}

void THistoryDownload::headersArrived()
{
    if (ended_ || !reply_)
        return;
    stallTimer_.start();
    status_ = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!IsSuccess(status_))
        return;
    bool known = false;
    expected_ = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (!known)
        expected_ = -1;
    if (expected_ > limits_.maxBytes) {
        fail(QCoreApplication::translate("HistoryDownload",
            "Файл по адресу больше %1 МБ (%2 МБ); предел задан "
            "в настройках (Network/MaxMegabytes)")
                 .arg(TNetworkLimits::Megabytes(limits_.maxBytes), TNetworkLimits::Megabytes(expected_)));
        return;
    }
    if (!body_) {
        body_ = std::make_shared<QTemporaryFile>(QDir::temp().filePath("veldoran-XXXXXX.download"));
        if (!body_->open()) {
            fail(QCoreApplication::translate("HistoryDownload", "Не удалось создать временный файл: %1")
                     .arg(body_->errorString()));
            return;
        }
    }
    emit progress(0, expected_);
}

void THistoryDownload::bodyArrived()
{
    if (ended_ || !reply_)
        return;
    stallTimer_.start();
    const QByteArray bytes = reply_->readAll();
    if (!IsSuccess(status_) || !body_)
        return; // a redirect's or an error's own page
    received_ += bytes.size();
    if (received_ > limits_.maxBytes) {
        fail(QCoreApplication::translate("HistoryDownload",
            "Файл по адресу больше %1 МБ; предел задан в "
            "настройках (Network/MaxMegabytes)")
                 .arg(TNetworkLimits::Megabytes(limits_.maxBytes)));
        return;
    }
    if (body_->write(bytes) != bytes.size()) {
        fail(QCoreApplication::translate("HistoryDownload", "Не удалось записать временный файл: %1")
                 .arg(body_->errorString()));
        return;
    }
    emit progress(received_, expected_);
}

void THistoryDownload::replyFinished()
{
    if (ended_ || !reply_)
        return;
    bodyArrived(); // whatever came with the end
    if (ended_)
        return;
    stallTimer_.stop();
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    const bool conditional = !request_.etag.isEmpty() || !request_.lastModified.isEmpty();
    if (status == 304 && conditional) {
        result_.etag = reply->hasRawHeader("ETag") ? reply->rawHeader("ETag") : request_.etag;
        result_.lastModified
            = reply->hasRawHeader("Last-Modified") ? reply->rawHeader("Last-Modified") : request_.lastModified;
        end(THistoryFetchResult::TStatus::NotModified);
    } else if (status >= 300 && status < 400 && reply->hasRawHeader("Location")) {
        follow(reply, status);
    } else if (status >= 300) {
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
        fail(reason.isEmpty() ? QCoreApplication::translate("HistoryDownload", "Сервер %1 ответил ошибкой HTTP %2")
                                    .arg(host())
                                    .arg(status)
                              : QCoreApplication::translate("HistoryDownload", "Сервер %1 ответил ошибкой HTTP %2 (%3)")
                                    .arg(host())
                                    .arg(status)
                                    .arg(reason));
    } else if (error != QNetworkReply::NoError || !IsSuccess(status)) {
        fail(networkError(reply));
    } else {
        result_.etag = reply->rawHeader("ETag");
        result_.lastModified = reply->rawHeader("Last-Modified");
        handOver();
    }
}

void THistoryDownload::follow(QNetworkReply* reply, int status)
{
    const QUrl from = reply->url();
    const QUrl to = from.resolved(QUrl(QString::fromUtf8(reply->rawHeader("Location"))));
    if (to.scheme() != "http" && to.scheme() != "https") {
        fail(QCoreApplication::translate("HistoryDownload", "Адрес %1 перенаправляет на %2, который не загрузить")
                 .arg(from.toDisplayString(), to.toDisplayString()));
    } else if (from.scheme() == "https" && to.scheme() == "http") {
        fail(QCoreApplication::translate(
            "HistoryDownload", "Адрес %1 перенаправляет на незащищённый адрес %2; такое перенаправление не выполняется")
                 .arg(from.toDisplayString(), to.toDisplayString()));
    } else if (visited_.contains(to)) {
        fail(QCoreApplication::translate("HistoryDownload", "Адрес перенаправляет по кругу: %1 снова ведёт на %2")
                 .arg(from.toDisplayString(), to.toDisplayString()));
    } else if (visited_.size() > limits_.maxRedirects) {
        fail(QCoreApplication::translate("HistoryDownload",
            "Слишком много перенаправлений (больше %1), последнее — "
            "на %2")
                 .arg(limits_.maxRedirects)
                 .arg(to.toDisplayString()));
    } else {
        allMovesPermanent_ = allMovesPermanent_ && (status == 301 || status == 308);
        result_.finalUrl = to;
        get(to);
    }
}

QString THistoryDownload::networkError(QNetworkReply* reply) const
{
    if (!sslErrors_.isEmpty()) {
        QStringList problems;
        for (const QSslError& e : sslErrors_)
            if (!problems.contains(e.errorString()))
                problems << e.errorString();
        return QCoreApplication::translate("HistoryDownload", "Сертификат сервера %1 не прошёл проверку: %2")
            .arg(host(), problems.join("; "));
    }
    switch (reply->error()) {
    case QNetworkReply::RemoteHostClosedError:
        if (status_ != 0)
            return QCoreApplication::translate(
                "HistoryDownload", "Передача оборвалась на середине: сервер %1 закрыл соединение (получено %2 байт)")
                .arg(host())
                .arg(received_);
        return QCoreApplication::translate("HistoryDownload", "Сервер %1 закрыл соединение, не ответив").arg(host());
    case QNetworkReply::SslHandshakeFailedError:
        return QCoreApplication::translate("HistoryDownload", "Не удалось установить защищённое соединение с %1: %2")
            .arg(host(), reply->errorString());
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
        return QCoreApplication::translate("HistoryDownload", "Нет соединения с сервером %1: %2")
            .arg(host(), reply->errorString());
    default:
        return QCoreApplication::translate("HistoryDownload", "Не удалось загрузить %1: %2")
            .arg(result_.finalUrl.toDisplayString(), reply->errorString());
    }
}

void THistoryDownload::handOver()
{
    if (!body_ || !body_->flush()) {
        fail(QCoreApplication::translate("HistoryDownload", "По адресу пришёл пустой ответ, а не история тиражей"));
        return;
    }
    body_->close();
    try {
        TReadableHistory readable = ReadableHistory(body_->fileName(), TBodySource::Address, limits_.maxBytes);
        result_.file = readable.file ? readable.file : body_;
        result_.fileName = readable.fileName;
    } catch (const std::exception& e) {
        fail(QString::fromUtf8(e.what()));
        return;
    }
    result_.movedPermanently = visited_.size() > 1 && allMovesPermanent_;
    end(THistoryFetchResult::TStatus::Downloaded);
}

void THistoryDownload::fail(const QString& message)
{
    if (ended_)
        return;
    result_.error = message;
    end(THistoryFetchResult::TStatus::Failed);
}

void THistoryDownload::end(THistoryFetchResult::TStatus status)
{
    if (ended_)
        return;
    ended_ = true;
    stallTimer_.stop();
    deadlineTimer_.stop();
    if (reply_) {
        QNetworkReply* reply = reply_;
        reply_ = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    result_.status = status;
    if (status != THistoryFetchResult::TStatus::Downloaded) {
        result_.file.reset();
        result_.fileName.clear();
        body_.reset();
    }
    QMetaObject::invokeMethod(this, &THistoryDownload::finished, Qt::QueuedConnection);
}
