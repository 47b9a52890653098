#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QSslConfiguration>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <memory>

// A web server for tests, on 127.0.0.1 only, with scripted raw answers: each
// path gets the exact bytes to send, and may stop halfway and stay silent, or
// close the connection early. Plain HTTP, or HTTPS with a given certificate.
// Everything runs in the test's own thread, served while the code under test
// runs its event loop.
class LoopbackServer {
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
    };
    struct Answer {
        QByteArray bytes; // status line, headers, blank line, body
        qsizetype sendOnly = -1; // only the first bytes, then silence with the connection open
        bool closeEarly = false; // after sendOnly bytes, close instead of keeping silent
        int trickleMs = 0; // after sendOnly bytes, the rest one byte at a time, one every trickleMs
    };
    using Script = std::function<Answer(const Request&)>;

    // HTTPS when `tls` is given.
    explicit LoopbackServer(const QSslConfiguration* tls = nullptr)
    {
        if (tls) {
            auto* secure = new QSslServer;
            secure->setSslConfiguration(*tls);
            server_.reset(secure);
        } else {
            server_.reset(new QTcpServer);
        }
        // A TLS connection is pending only once its handshake is over.
        QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, [this] { accept(); });
        if (!server_->listen(QHostAddress::LocalHost))
            qFatal("loopback server: %s", qPrintable(server_->errorString()));
        scheme_ = tls ? "https" : "http";
        port_ = server_->serverPort();
    }
    ~LoopbackServer()
    {
        for (const QPointer<QTcpSocket>& socket : sockets_)
            delete socket.data();
    }

    quint16 port() const { return port_; }
    // No connection is taken until resume(), on the same port.
    void stop() { server_->close(); }
    void resume()
    {
        if (!server_->isListening() && !server_->listen(QHostAddress::LocalHost, port_))
            qFatal("loopback server: %s", qPrintable(server_->errorString()));
    }
    QString url(const QString& path) const
    {
        return QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme_).arg(port()).arg(path);
    }
    void on(const QByteArray& path, Script script) { scripts_[path] = std::move(script); }
    void on(const QByteArray& path, Answer answer)
    {
        scripts_[path] = [answer](const Request&) { return answer; };
    }
    const QList<Request>& requests() const { return requests_; }

    // An answer with a Content-Length, the connection closed after it.
    static Answer Reply(
        int status, const QByteArray& reason, const QByteArray& body, const QList<QByteArray>& headers = {})
    {
        QByteArray bytes = "HTTP/1.1 " + QByteArray::number(status) + " " + reason + "\r\n";
        for (const QByteArray& header : headers)
            bytes += header + "\r\n";
        bytes += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
        return { bytes };
    }
    static Answer Ok(const QByteArray& body, const QList<QByteArray>& headers = {})
    {
        return Reply(200, "OK", body, headers);
    }
    static Answer Redirect(int status, const QByteArray& location)
    {
        return Reply(status, "Moved", "<html>moved</html>", { "Location: " + location });
    }

private:
    void accept()
    {
        while (QTcpSocket* socket = server_->nextPendingConnection()) {
            sockets_ << socket;
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QIODevice::readyRead, socket, [this, socket, buffer] {
                *buffer += socket->readAll();
                const qsizetype end = buffer->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                serve(socket, parse(buffer->left(end)));
                buffer->clear();
            });
            if (socket->bytesAvailable() > 0)
                QMetaObject::invokeMethod(socket, "readyRead", Qt::QueuedConnection);
        }
    }
    static Request parse(const QByteArray& head)
    {
        Request request;
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.path = first.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers[lines[i].left(colon).trimmed().toLower()] = lines[i].mid(colon + 1).trimmed();
        }
        return request;
    }
    void serve(QTcpSocket* socket, const Request& request)
    {
        requests_ << request;
        const auto script = scripts_.find(request.path);
        const Answer answer = script != scripts_.end() ? (*script)(request) : Reply(404, "Not Found", "no such page");
        if (answer.sendOnly < 0) {
            socket->write(answer.bytes);
            socket->disconnectFromHost();
            return;
        }
        socket->write(answer.bytes.left(answer.sendOnly));
        if (answer.closeEarly)
            socket->disconnectFromHost();
        if (answer.trickleMs > 0) {
            auto* timer = new QTimer(socket);
            auto sent = std::make_shared<qsizetype>(answer.sendOnly);
            QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, bytes = answer.bytes] {
                if (*sent >= bytes.size()) {
                    timer->stop();
                    socket->disconnectFromHost();
                    return;
                }
                socket->write(bytes.mid((*sent)++, 1));
            });
            timer->start(answer.trickleMs);
        }
    }

    std::unique_ptr<QTcpServer> server_;
    QString scheme_;
    quint16 port_ = 0;
    QMap<QByteArray, Script> scripts_;
    QList<Request> requests_;
    QList<QPointer<QTcpSocket>> sockets_;
};
