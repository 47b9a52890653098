// "Обновить историю" of a history imported by address, against a loopback
// server: a conditional request that downloads nothing when the source is
// unchanged, a window source that loses nothing, a permanent move kept for the
// next update, and every network fault leaving the tables, the window and the
// stored history as they were, which the next good update proves.
#include "LoopbackServer.h"
#include "MainWindowFixture.h"

#include "analysis/Analysis.h"
#include "ui/ProgramSettings.h"
#include "ui/history/HistoryStore.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

using Answer = LoopbackServer::Answer;
using Request = LoopbackServer::Request;

namespace {

// Every message box the code under test shows, answered: "Запомнить новый"
// when it offers that, its first button otherwise.
class MessageBoxLog {
public:
    struct Seen {
        QString text;
        QMessageBox::Icon icon;
    };
    MessageBoxLog()
    {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            seen << Seen { box->text(), box->icon() };
            QAbstractButton* chosen = box->buttons().constFirst();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == "Запомнить новый")
                    chosen = button;
            chosen->click();
        });
        timer_.start();
    }
    QList<Seen> seen;

private:
    QTimer timer_;
};

// Draws `first`..`last` of one 6 of 49 history, newest first, as a publisher's CSV.
QByteArray Window(int32_t first, int32_t last)
{
    const auto draws = TestSupport::RandomDraws(6, 49, last, 31);
    QByteArray text = "Draw;Date;Numbers\r\n";
    for (int32_t i = last; i >= first; --i) {
        QByteArray numbers;
        for (int32_t n : draws[i - 1].numbers)
            numbers += (numbers.isEmpty() ? "" : " ") + QByteArray::number(n);
        text += QByteArray::number(i) + ";" + QByteArray::number(1 + i % 28) + ".03.2024;" + numbers + "\r\n";
    }
    return text;
}

// The source as the publisher has it now: its ETag, and the answer to a
// request that already has that one.
struct Publisher {
    QByteArray etag = "\"v1\"";
    QByteArray body = Window(1, 60);
    LoopbackServer::Script script()
    {
        return [this](const Request& request) {
            if (request.headers.value("if-none-match") == etag)
                return Answer { "HTTP/1.1 304 Not Modified\r\nETag: " + etag + "\r\nConnection: close\r\n\r\n" };
            return LoopbackServer::Ok(body, { "ETag: " + etag });
        };
    }
};

struct Snapshot {
    std::vector<Main::TDrawRecord> draws;
    QStringList labels;
    std::vector<Main::THistoryDraw> stored;
    QByteArray etag;
    QString source;

    friend bool operator==(const Snapshot& a, const Snapshot& b)
    {
        if (a.stored.size() != b.stored.size())
            return false;
        for (std::size_t i = 0; i < a.stored.size(); ++i)
            if (a.stored[i].DrawNo != b.stored[i].DrawNo || a.stored[i].Numbers != b.stored[i].Numbers)
                return false;
        return a.draws == b.draws && a.labels == b.labels && a.etag == b.etag && a.source == b.source;
    }
};

} // namespace

class AddressUpdateTest : public QObject, MainWindowFixture {
    Q_OBJECT

    QTemporaryDir settingsDir, dataDir;

    // The one history kept for an address of `server`.
    TStoredHistory stored(const LoopbackServer& server)
    {
        for (const TStoredHistory& history : THistoryStore::Instance().histories())
            if (history.Source.startsWith(server.url("/")))
                return history;
        qFatal("no history kept for the server");
    }
    Snapshot snapshot(const LoopbackServer& server)
    {
        const TStoredHistory history = stored(server);
        Snapshot s { {}, {}, THistoryStore::Instance().draws(history.Id), history.ETag, history.Source };
        for (int32_t i = 1; i <= Main::DrawCount; ++i)
            s.draws.push_back(Main::Draws[i]);
        for (const char* name : { "Label1", "Label5" })
            s.labels << widget<QLabel>(name)->text();
        return s;
    }
    void importFrom(const QString& address)
    {
        NamedDialogAnswer url("UrlDialog", [&address](QDialog* d) {
            d->findChild<QLineEdit*>("UrlEdit")->setText(address);
            QTest::mouseClick(d->findChild<QPushButton*>("UrlLoadButton"), Qt::LeftButton);
        });
        trigger("ImportUrlAction");
        QVERIFY(url.answered());
    }
    QList<MessageBoxLog::Seen> update()
    {
        MessageBoxLog boxes;
        trigger("UpdateAction");
        return boxes.seen;
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        qputenv("XDG_DATA_HOME", dataDir.path().toUtf8()); // the store of histories, never the user's
        for (const char* name : { "http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY" })
            qunsetenv(name);
        qputenv("no_proxy", "127.0.0.1");
    }
    void init()
    {
        TProgramSettings().clear();
        TProgramSettings settings;
        settings.setValue("Network/TimeoutSeconds", 1);
        settings.setValue("Network/MaxMegabytes", 1);
        setUp();
    }
    void cleanup() { tearDown(); }

    void aWindowSourceLosesNothing()
    {
        Publisher publisher;
        LoopbackServer server;
        server.on("/draws.csv", publisher.script());
        {
            NamedDialogAnswer importAnswer("ImportDialog",
                [](QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>("LoadButton"), Qt::LeftButton); });
            importFrom(server.url("/draws.csv"));
        }
        QCOMPARE(Main::DrawCount, 60);
        QCOMPARE(stored(server).ETag, QByteArray("\"v1\""));

        // Unchanged: asked with the ETag kept at the import, nothing downloaded.
        const auto unchanged = update();
        QCOMPARE(unchanged.size(), 1);
        QCOMPARE(unchanged[0].icon, QMessageBox::NoIcon);
        QVERIFY2(unchanged[0].text.contains("не изменилась"), qPrintable(unchanged[0].text));
        QCOMPARE(server.requests().constLast().headers.value("if-none-match"), QByteArray("\"v1\""));
        QCOMPARE(Main::DrawCount, 60);

        // The publisher now lists only its most recent 60 draws.
        publisher.etag = "\"v2\"";
        publisher.body = Window(31, 90);
        const auto added = update();
        QCOMPARE(added.size(), 1);
        QCOMPARE(added[0].icon, QMessageBox::NoIcon);
        QVERIFY2(added[0].text.contains("Новых тиражей: 30") && added[0].text.contains("Всего тиражей в истории: 90"),
            qPrintable(added[0].text));
        QCOMPARE(Main::DrawCount, 90);
        QCOMPARE(Main::Draws[1].DrawNo, 1);
        QCOMPARE(Main::Draws[90].DrawNo, 90);
        QCOMPARE(stored(server).ETag, QByteArray("\"v2\""));
        QCOMPARE(THistoryStore::Instance().draws(stored(server).Id).size(), std::size_t(90));
    }

    void everyFaultLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("expected");
        QTest::newRow("HTTP error") << "404"
                                    << "ответил ошибкой HTTP 404 (Not Found)";
        QTest::newRow("block page") << "html"
                                    << "По адресу пришла веб-страница, а не файл истории («Доступ запрещён»)";
        QTest::newRow("XML") << "xml"
                             << "По адресу пришёл документ XML";
        QTest::newRow("redirect loop") << "loop"
                                       << "Адрес перенаправляет по кругу";
        QTest::newRow("over the size limit") << "huge"
                                             << "больше 1 МБ";
        QTest::newRow("no answer") << "silent"
                                   << "не ответил за 1 с";
        QTest::newRow("stalled halfway") << "stalled"
                                         << "Передача остановилась на середине";
        QTest::newRow("cut off") << "cut"
                                 << "Передача оборвалась на середине";
        QTest::newRow("no connection") << "down"
                                       << "Нет соединения с сервером 127.0.0.1";
    }
    void everyFaultLeavesEverythingAsItWas()
    {
        QFETCH(QString, fault);
        QFETCH(QString, expected);
        Publisher publisher;
        QString mode = "good";
        LoopbackServer server;
        server.on("/draws.csv", [&](const Request& request) {
            if (mode == "good")
                return publisher.script()(request);
            if (mode == "404")
                return LoopbackServer::Reply(404, "Not Found", "gone");
            if (mode == "html")
                return LoopbackServer::Ok("<!DOCTYPE html>\n<html><head><title>Доступ запрещён</title></head></html>");
            if (mode == "xml")
                return LoopbackServer::Ok("<?xml version=\"1.0\"?>\n<draws/>");
            if (mode == "loop")
                return LoopbackServer::Redirect(302, "/draws.csv");
            if (mode == "huge")
                return LoopbackServer::Ok(Window(1, 60).repeated(1000));
            if (mode == "silent")
                return Answer { {}, 0 };
            const QByteArray partial = "HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + Window(1, 60).left(500);
            return Answer { partial, partial.size(), mode == "cut" };
        });
        {
            NamedDialogAnswer importAnswer("ImportDialog",
                [](QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>("LoadButton"), Qt::LeftButton); });
            importFrom(server.url("/draws.csv"));
        }
        click("Button1");
        const Snapshot before = snapshot(server);
        QCOMPARE(before.draws.size(), std::size_t(60));

        publisher.etag = "\"v2\"";
        publisher.body = Window(1, 70);
        mode = fault;
        if (fault == "down")
            server.stop();
        const auto failed = update();
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0].icon, QMessageBox::Critical);
        QVERIFY2(failed[0].text.contains(expected), qPrintable(failed[0].text));
        QVERIFY(snapshot(server) == before);
        QVERIFY(widget<QAbstractButton>("Button2")->isEnabled());

        // The stored history was whole: the next good update adds just the new draws.
        mode = "good";
        server.resume();
        const auto good = update();
        QCOMPARE(good.size(), 1);
        QVERIFY2(good[0].text.contains("Новых тиражей: 10") && good[0].text.contains("Всего тиражей в истории: 70"),
            qPrintable(good[0].text));
        QCOMPARE(Main::DrawCount, 70);
    }

    void aPermanentMoveIsKeptForTheNextUpdate()
    {
        Publisher publisher;
        bool moved = false;
        LoopbackServer server;
        server.on("/old.csv", [&](const Request& request) {
            return moved ? LoopbackServer::Redirect(301, "/new.csv") : publisher.script()(request);
        });
        server.on("/new.csv", publisher.script());
        {
            NamedDialogAnswer importAnswer("ImportDialog",
                [](QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>("LoadButton"), Qt::LeftButton); });
            importFrom(server.url("/old.csv"));
        }
        moved = true;
        publisher.etag = "\"v2\"";
        publisher.body = Window(1, 65);
        const auto boxes = update();
        QCOMPARE(boxes.size(), 2);
        QVERIFY2(boxes[0].text.contains(server.url("/new.csv")), qPrintable(boxes[0].text));
        QVERIFY2(boxes[1].text.contains("Новых тиражей: 5"), qPrintable(boxes[1].text));
        QCOMPARE(stored(server).Source, server.url("/new.csv"));

        const qsizetype asked = server.requests().size();
        const auto again = update();
        QCOMPARE(again.size(), 1);
        QVERIFY2(again[0].text.contains("не изменилась"), qPrintable(again[0].text));
        QCOMPARE(server.requests().size(), asked + 1);
        QCOMPARE(server.requests().constLast().path, QByteArray("/new.csv"));
    }
};

QTEST_MAIN(AddressUpdateTest)
#include "AddressUpdateTest.moc"
