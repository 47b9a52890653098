// The download of a history's source against a loopback server with scripted
// answers: every fault a publisher or the network can produce, redirects,
// conditional requests, ZIP bodies and certificates.
#include "LoopbackServer.h"
#include "ModalDialogs.h"
#include "ZipBytes.h"

#include "ui/ProgramSettings.h"
#include "ui/history/HistoryFetch.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSslCertificate>
#include <QSslKey>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

using TStatus = THistoryFetchResult::TStatus;
using Answer = LoopbackServer::Answer;

namespace {

const QByteArray Csv = "Тираж;Дата;Числа\r\n1;01.01.2024;1 2 3 4 5 6\r\n2;08.01.2024;7 8 9 10 11 12\r\n";

QByteArray Contents(const THistoryFetchResult& result)
{
    QFile file(result.fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

THistoryFetchResult Fetch(const QString& url, const QByteArray& etag = {}, const QByteArray& lastModified = {})
{
    return FetchHistory(nullptr, { QUrl(url), etag, lastModified });
}

// A certificate and key made for this run by openssl, for `subjectAltName`.
struct TestCertificate {
    QSslCertificate certificate;
    QSslKey key;
};
TestCertificate MakeCertificate(const QString& folder, const QString& name, const QString& altName)
{
    const QString key = folder + "/" + name + ".key", cert = folder + "/" + name + ".pem";
    QProcess openssl;
    openssl.start("openssl",
        { "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2", "-subj",
            "/CN=" + name, "-addext", "subjectAltName=" + altName, "-keyout", key, "-out", cert });
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
        qFatal("openssl: %s", openssl.readAllStandardError().constData());
    QFile certFile(cert), keyFile(key);
    certFile.open(QIODevice::ReadOnly);
    keyFile.open(QIODevice::ReadOnly);
    return { QSslCertificate(certFile.readAll()), QSslKey(keyFile.readAll(), QSsl::Ec) };
}

QSslConfiguration ServerConfiguration(const TestCertificate& made)
{
    QSslConfiguration conf = QSslConfiguration::defaultConfiguration();
    conf.setLocalCertificate(made.certificate);
    conf.setPrivateKey(made.key);
    conf.setPeerVerifyMode(QSslSocket::VerifyNone);
    return conf;
}

} // namespace

class HistoryFetchTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;

    void setLimits(int timeoutSeconds, int maxMegabytes)
    {
        TProgramSettings settings;
        settings.setValue("Network/TimeoutSeconds", timeoutSeconds);
        settings.setValue("Network/MaxMegabytes", maxMegabytes);
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, scratch.path());
        // The system proxy is used; a test reaches its own server and nothing else.
        for (const char* name : { "http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY" })
            qunsetenv(name);
        qputenv("no_proxy", "127.0.0.1");
    }
    void init() { setLimits(1, 1); }

    void downloadsWithItsValidators()
    {
        LoopbackServer server;
        server.on(
            "/draws.csv", LoopbackServer::Ok(Csv, { "ETag: \"v1\"", "Last-Modified: Mon, 01 Jan 2024 10:00:00 GMT" }));
        const THistoryFetchResult result = Fetch(server.url("/draws.csv"));
        QCOMPARE(result.status, TStatus::Downloaded);
        QVERIFY(result.error.isEmpty());
        QCOMPARE(Contents(result), Csv);
        QCOMPARE(result.etag, QByteArray("\"v1\""));
        QCOMPARE(result.lastModified, QByteArray("Mon, 01 Jan 2024 10:00:00 GMT"));
        QCOMPARE(result.finalUrl, QUrl(server.url("/draws.csv")));
        QVERIFY(!result.movedPermanently);
        QVERIFY(!server.requests().constFirst().headers.contains("if-none-match"));

        // The history lives as long as the result's file.
        const QString name = result.fileName;
        {
            const THistoryFetchResult moved = result;
        }
        QVERIFY(QFile::exists(name));
    }

    void anUnchangedSourceIsNotDownloadedAgain()
    {
        LoopbackServer server;
        server.on("/draws.csv", [](const LoopbackServer::Request& request) {
            if (request.headers.value("if-none-match") == "\"v2\"")
                return Answer { "HTTP/1.1 304 Not Modified\r\nETag: \"v2\"\r\nConnection: close\r\n\r\n" };
            return LoopbackServer::Ok(Csv, { "ETag: \"v2\"" });
        });
        const THistoryFetchResult unchanged
            = Fetch(server.url("/draws.csv"), "\"v2\"", "Tue, 02 Jan 2024 10:00:00 GMT");
        QCOMPARE(unchanged.status, TStatus::NotModified);
        QVERIFY(unchanged.fileName.isEmpty());
        QCOMPARE(unchanged.etag, QByteArray("\"v2\""));
        QCOMPARE(unchanged.lastModified, QByteArray("Tue, 02 Jan 2024 10:00:00 GMT")); // kept from the request
        QCOMPARE(server.requests().constLast().headers.value("if-modified-since"),
            QByteArray("Tue, 02 Jan 2024 10:00:00 GMT"));

        const THistoryFetchResult changed = Fetch(server.url("/draws.csv"), "\"v1\"");
        QCOMPARE(changed.status, TStatus::Downloaded);
        QCOMPARE(Contents(changed), Csv);
        QCOMPARE(changed.etag, QByteArray("\"v2\""));
    }

    void followsRedirects_data()
    {
        QTest::addColumn<QList<int>>("codes"); // one redirect per code, then the file
        QTest::addColumn<bool>("permanent");
        QTest::newRow("301") << QList<int> { 301 } << true;
        QTest::newRow("308") << QList<int> { 308 } << true;
        QTest::newRow("302") << QList<int> { 302 } << false;
        QTest::newRow("307") << QList<int> { 307 } << false;
        QTest::newRow("301 then 308") << QList<int> { 301, 308 } << true;
        QTest::newRow("301 then 302") << QList<int> { 301, 302 } << false;
    }
    void followsRedirects()
    {
        QFETCH(QList<int>, codes);
        QFETCH(bool, permanent);
        LoopbackServer server;
        for (int i = 0; i < codes.size(); ++i) // relative and absolute Location, in turn
            server.on("/step" + QByteArray::number(i),
                LoopbackServer::Redirect(codes[i],
                    i % 2 ? server.url("/step" + QString::number(i + 1)).toUtf8()
                          : "step" + QByteArray::number(i + 1)));
        server.on("/step" + QByteArray::number(codes.size()), LoopbackServer::Ok(Csv));
        const THistoryFetchResult result = Fetch(server.url("/step0"));
        QCOMPARE(result.status, TStatus::Downloaded);
        QCOMPARE(Contents(result), Csv);
        QCOMPARE(result.finalUrl, QUrl(server.url("/step" + QString::number(codes.size()))));
        QCOMPARE(result.movedPermanently, permanent);
        QCOMPARE(server.requests().size(), codes.size() + 1);
    }

    // Each fault fails with a message that names it, and leaves no file.
    void everyFaultFailsWithItsMessage_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("HTTP error") << "/missing"
                                    << "ответил ошибкой HTTP 404 (Not Found)";
        QTest::newRow("unasked 304") << "/unchanged"
                                     << "ответил ошибкой HTTP 304 (Not Modified)";
        QTest::newRow("server error") << "/broken"
                                      << "ответил ошибкой HTTP 503 (Service Unavailable)";
        QTest::newRow("block page") << "/blocked"
                                    << "По адресу пришла веб-страница, а не файл истории («Access denied»)";
        QTest::newRow("XML") << "/xml"
                             << "По адресу пришёл документ XML, а не файл истории";
        QTest::newRow("JSON") << "/json"
                              << "По адресу пришли данные JSON, а не файл истории";
        QTest::newRow("empty") << "/empty"
                               << "пустой";
        QTest::newRow("redirect loop") << "/a"
                                       << "Адрес перенаправляет по кругу";
        QTest::newRow("redirect to itself") << "/self"
                                            << "Адрес перенаправляет по кругу";
        QTest::newRow("too many redirects") << "/chain0"
                                            << "Слишком много перенаправлений";
        QTest::newRow("other scheme") << "/ftp"
                                      << "который не загрузить";
        QTest::newRow("declared size") << "/huge"
                                       << "больше 1 МБ (3 МБ)";
        QTest::newRow("counted size") << "/endless"
                                      << "больше 1 МБ";
        QTest::newRow("no answer") << "/silent"
                                   << "не ответил за 1 с";
        QTest::newRow("stalled halfway") << "/stalled"
                                         << "Передача остановилась на середине";
        QTest::newRow("cut off") << "/cut"
                                 << "Передача оборвалась на середине";
        QTest::newRow("closed unanswered") << "/hangup"
                                           << "закрыл соединение, не ответив";
        QTest::newRow("ZIP of two files") << "/two.zip"
                                          << "В архиве ZIP больше одного файла";
        QTest::newRow("ZIP of a web page") << "/page.zip"
                                           << "веб-страница";
        QTest::newRow("broken ZIP") << "/broken.zip"
                                    << "Не удалось распаковать архив ZIP";
    }
    void everyFaultFailsWithItsMessage()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        LoopbackServer server;
        server.on("/missing", LoopbackServer::Reply(404, "Not Found", "nothing here"));
        server.on("/broken", LoopbackServer::Reply(503, "Service Unavailable", Csv));
        server.on("/unchanged", Answer { "HTTP/1.1 304 Not Modified\r\nConnection: close\r\n\r\n" });
        server.on("/blocked",
            LoopbackServer::Ok("\xEF\xBB\xBF\n<!DOCTYPE html><html><head><title>Access denied</title></head></html>"));
        server.on("/xml", LoopbackServer::Ok("<?xml version=\"1.0\"?><draws><draw>1</draw></draws>"));
        server.on("/json", LoopbackServer::Ok("  [{\"draw\": 1}]"));
        server.on("/empty", LoopbackServer::Ok(" \r\n"));
        server.on("/a", LoopbackServer::Redirect(302, "/b"));
        server.on("/b", LoopbackServer::Redirect(301, server.url("/a").toUtf8()));
        server.on("/self", LoopbackServer::Redirect(307, "/self"));
        for (int i = 0; i < 30; ++i)
            server.on(
                "/chain" + QByteArray::number(i), LoopbackServer::Redirect(302, "/chain" + QByteArray::number(i + 1)));
        server.on("/ftp", LoopbackServer::Redirect(301, "ftp://127.0.0.1/draws.csv"));
        const QByteArray hugeHead = "HTTP/1.1 200 OK\r\nContent-Length: 3145728\r\n\r\n";
        server.on("/huge", Answer { hugeHead, hugeHead.size() });
        server.on("/endless", Answer { "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + QByteArray(1536 * 1024, '7') });
        server.on("/silent", Answer { {}, 0 });
        server.on("/stalled", Answer { "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + Csv, 140 });
        server.on("/cut", Answer { "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + Csv, 140, true });
        server.on("/hangup", Answer { {}, 0, true });
        server.on("/two.zip", LoopbackServer::Ok(ZipBytes({ { "a.csv", Csv }, { "b.csv", Csv } })));
        server.on("/page.zip", LoopbackServer::Ok(ZipBytes({ { "a.html", "<html><body>no</body></html>" } })));
        server.on("/broken.zip", LoopbackServer::Ok(ZipBytes({ { "a.csv", Csv } }).left(60)));

        QElapsedTimer clock;
        clock.start();
        const THistoryFetchResult result = Fetch(server.url(path));
        QCOMPARE(result.status, TStatus::Failed);
        QVERIFY2(result.error.contains(expected), qPrintable(result.error));
        QVERIFY(result.fileName.isEmpty() && !result.file);
        QVERIFY2(clock.elapsed() < 5000, "the limits cut the download off at once");
    }

    // A server that never stops sending, too slowly to finish, meets the
    // deadline; fractions of a second are taken.
    void theWholeDownloadHasADeadline()
    {
        TProgramSettings settings;
        settings.setValue("Network/TimeoutSeconds", "0.5");
        settings.setValue("Network/DeadlineSeconds", "1.5");
        LoopbackServer server;
        server.on("/trickle", Answer { "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + Csv, 60, false, 100 });
        QElapsedTimer clock;
        clock.start();
        const THistoryFetchResult result = Fetch(server.url("/trickle"));
        QCOMPARE(result.status, TStatus::Failed);
        QCOMPARE(result.error,
            QString("Загрузка не уложилась в 1.5 с; предел задан в настройках (Network/DeadlineSeconds)"));
        QVERIFY(clock.elapsed() >= 1400 && clock.elapsed() < 4000);
        settings.remove("Network/DeadlineSeconds");
    }

    void noConnection()
    {
        quint16 port = 0;
        {
            LoopbackServer closed;
            port = closed.port();
        }
        const THistoryFetchResult result = Fetch(QString("http://127.0.0.1:%1/draws.csv").arg(port));
        QCOMPARE(result.status, TStatus::Failed);
        QVERIFY2(result.error.startsWith("Нет соединения с сервером 127.0.0.1"), qPrintable(result.error));
    }

    void aZipOfOneFileIsReadAsThatFile()
    {
        LoopbackServer server;
        server.on("/draws.zip",
            LoopbackServer::Ok(ZipBytes({ { "__MACOSX/._draws.csv", "mac" }, { "data/draws.csv", Csv } })));
        const THistoryFetchResult result = Fetch(server.url("/draws.zip"));
        QCOMPARE(result.status, TStatus::Downloaded);
        QCOMPARE(Contents(result), Csv);

        // A file on this computer, named or as a file: address, the same.
        QTemporaryDir dir;
        QFile zip(dir.filePath("local.zip"));
        QVERIFY(zip.open(QIODevice::WriteOnly));
        zip.write(ZipBytes({ { "draws.csv", Csv } }));
        zip.close();
        for (const QUrl& url : { QUrl::fromLocalFile(zip.fileName()), QUrl(zip.fileName()) }) {
            const THistoryFetchResult local = FetchHistory(nullptr, { url, {}, {} });
            QCOMPARE(local.status, TStatus::Downloaded);
            QCOMPARE(Contents(local), Csv);
        }
        const THistoryFetchResult missing
            = FetchHistory(nullptr, { QUrl::fromLocalFile(dir.filePath("none.csv")), {}, {} });
        QCOMPARE(missing.status, TStatus::Failed);
        QVERIFY2(missing.error.contains("не найден"), qPrintable(missing.error));
    }

    void onlyHttpAndHttpsAreDownloaded()
    {
        const THistoryFetchResult result = Fetch("ftp://127.0.0.1/draws.csv");
        QCOMPARE(result.status, TStatus::Failed);
        QVERIFY2(result.error.contains("http:// и https://"), qPrintable(result.error));
    }

    void cancelStopsTheDownload()
    {
        setLimits(30, 1);
        LoopbackServer server;
        server.on("/slow", Answer { "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + Csv, 100 });
        ModalAnswer<QProgressDialog> cancel([](QProgressDialog* progress) {
            QCOMPARE(progress->objectName(), QString("DownloadProgress"));
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        });
        QElapsedTimer clock;
        clock.start();
        const THistoryFetchResult result = Fetch(server.url("/slow"));
        QVERIFY(cancel.answered());
        QCOMPARE(result.status, TStatus::Cancelled);
        QVERIFY(result.fileName.isEmpty());
        QVERIFY(clock.elapsed() < 10000);
    }

    // Certificates are checked as a browser checks them, and a failure is
    // named; a certificate the system trusts for the address is accepted.
    void certificatesAreNeverIgnored()
    {
        if (!QSslSocket::supportsSsl())
            QFAIL("no TLS backend: install libssl3");
        const TestCertificate good = MakeCertificate(scratch.path(), "loopback", "IP:127.0.0.1");
        const TestCertificate other = MakeCertificate(scratch.path(), "elsewhere", "DNS:elsewhere.invalid");
        const QSslConfiguration original = QSslConfiguration::defaultConfiguration();
        setLimits(5, 1);

        const QSslConfiguration goodServer = ServerConfiguration(good);
        LoopbackServer secure(&goodServer);
        secure.on("/draws.csv", LoopbackServer::Ok(Csv));
        secure.on("/downgrade", LoopbackServer::Redirect(301, "http://127.0.0.1:9/draws.csv"));
        const THistoryFetchResult untrusted = Fetch(secure.url("/draws.csv"));
        QCOMPARE(untrusted.status, TStatus::Failed);
        QVERIFY2(untrusted.error.startsWith("Сертификат сервера 127.0.0.1 не прошёл проверку: ")
                && untrusted.error.contains(QSslError(QSslError::SelfSignedCertificate).errorString()),
            qPrintable(untrusted.error));

        QSslConfiguration trusting = original;
        trusting.addCaCertificate(good.certificate);
        trusting.addCaCertificate(other.certificate);
        QSslConfiguration::setDefaultConfiguration(trusting);
        const THistoryFetchResult trusted = Fetch(secure.url("/draws.csv"));
        const THistoryFetchResult downgraded = Fetch(secure.url("/downgrade"));

        const QSslConfiguration otherServer = ServerConfiguration(other);
        LoopbackServer misnamed(&otherServer);
        misnamed.on("/draws.csv", LoopbackServer::Ok(Csv));
        const THistoryFetchResult wrongHost = Fetch(misnamed.url("/draws.csv"));
        QSslConfiguration::setDefaultConfiguration(original);

        QVERIFY2(trusted.status == TStatus::Downloaded, qPrintable(trusted.error));
        QCOMPARE(Contents(trusted), Csv);
        QCOMPARE(downgraded.status, TStatus::Failed);
        QVERIFY2(downgraded.error.contains("незащищённый адрес"), qPrintable(downgraded.error));
        QCOMPARE(wrongHost.status, TStatus::Failed);
        QVERIFY2(wrongHost.error.contains(QSslError(QSslError::HostNameMismatch).errorString()),
            qPrintable(wrongHost.error));
    }
};

QTEST_MAIN(HistoryFetchTest)
#include "HistoryFetchTest.moc"
