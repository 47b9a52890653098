// "Импорт по адресу…" driven through its real dialogs against a loopback
// server: a history downloaded and imported, a ZIP read by address and by
// "Импорт…", a permanent move offered, and every fault refused with an error
// box that leaves the loaded tables and the window as they were.
#include "LoopbackServer.h"
#include "MainWindowFixture.h"
#include "ZipBytes.h"

#include "analysis/Analysis.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <vector>

using Answer = LoopbackServer::Answer;

namespace {

// A 6 of 49 history, newest first, as a publisher's CSV.
QByteArray HistoryCsv(int32_t count, uint32_t seed)
{
    const auto draws = TestSupport::RandomDraws(6, 49, count, seed);
    QByteArray text = "Draw;Date;Numbers\r\n";
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        QByteArray numbers;
        for (int32_t n : it->numbers)
            numbers += (numbers.isEmpty() ? "" : " ") + QByteArray::number(n);
        text += QByteArray::number(it->drawNo) + ";0" + QByteArray::number(1 + it->drawNo % 9) + ".02.2024;" + numbers
            + "\r\n";
    }
    return text;
}

// What the window and the tables show, to compare before and after.
struct Snapshot {
    int32_t drawCount, perDraw, maxNumber;
    std::vector<Main::TDrawRecord> draws;
    QStringList labels;
    bool pairsEnabled;

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

} // namespace

class UrlImportTest : public QObject, MainWindowFixture {
    Q_OBJECT

    QTemporaryDir settingsDir, dataDir;

    Snapshot snapshot()
    {
        Snapshot s { Main::DrawCount, Main::NumbersPerDraw, Main::MaxNumber, {}, {},
            widget<QPushButton>("Button1")->isEnabled() };
        for (int32_t i = 1; i <= Main::DrawCount; ++i)
            s.draws.push_back(Main::Draws[i]);
        for (const char* name : { "Label1", "Label5", "Label14" })
            s.labels << widget<QLabel>(name)->text();
        return s;
    }
    // "Импорт по адресу…" with `address` typed into its dialog; `answer` sees
    // the import dialog, if one comes, and closes it.
    bool importFrom(const QString& address, const std::function<void(QDialog*)>& answer)
    {
        NamedDialogAnswer urlAnswer("UrlDialog", [&address](QDialog* d) {
            auto* edit = d->findChild<QLineEdit*>("UrlEdit");
            edit->selectAll();
            QTest::keyClicks(edit, address);
            QTest::mouseClick(d->findChild<QPushButton*>("UrlLoadButton"), Qt::LeftButton);
        });
        NamedDialogAnswer importAnswer("ImportDialog", answer);
        trigger("ImportUrlAction");
        return urlAnswer.answered() && importAnswer.answered();
    }
    static void load(QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>("LoadButton"), Qt::LeftButton); }

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

    void importsAHistoryFromAnAddress()
    {
        LoopbackServer server;
        server.on("/lotto/draws.csv", LoopbackServer::Ok(HistoryCsv(120, 7)));
        QString title;
        MessageBoxAnswer noBox;
        QVERIFY(importFrom(server.url("/lotto/draws.csv"), [&title](QDialog* d) {
            title = d->windowTitle();
            load(d);
        }));
        QVERIFY2(!noBox.seen.shown, qPrintable(noBox.seen.text));
        QVERIFY2(title.endsWith(server.url("/lotto/draws.csv")), qPrintable(title));
        QCOMPARE(Main::DrawCount, 120);
        QCOMPARE(Main::Draws[120].DrawNo, 120);
        QCOMPARE(Main::Draws[1].Numbers[1], TestSupport::RandomDraws(6, 49, 120, 7)[0].numbers[0]);
        QCOMPARE(widget<QLabel>("Label5")->text(), QString("Лотерея типа: 6 из 49"));
        QVERIFY(widget<QPushButton>("Button1")->isEnabled());
        // An address is not a file to open again from "Недавние файлы".
        for (QAction* action : widget<QMenu>("RecentFilesMenu")->actions())
            QVERIFY2(!action->text().contains("127.0.0.1"), qPrintable(action->text()));

        // The address is offered again; "Отмена" there fetches nothing.
        QString offered;
        NamedDialogAnswer cancel("UrlDialog", [&offered](QDialog* d) {
            offered = d->findChild<QLineEdit*>("UrlEdit")->text();
            d->reject();
        });
        trigger("ImportUrlAction");
        QVERIFY(cancel.answered());
        QCOMPARE(offered, server.url("/lotto/draws.csv"));
        QCOMPARE(server.requests().size(), 1);
    }

    // A ZIP of one CSV, by address and by "Импорт…" from a file.
    void aZipIsReadDirectly()
    {
        const QByteArray zip = ZipBytes({ { "649.csv", HistoryCsv(80, 3) } });
        LoopbackServer server;
        server.on("/649.zip", LoopbackServer::Ok(zip, { "Content-Type: application/zip" }));
        QVERIFY(importFrom(server.url("/649.zip"), load));
        QCOMPARE(Main::DrawCount, 80);

        const QString local = file("bc649.zip", zip.toStdString());
        FileDialogAnswer chosen(local);
        QString title;
        NamedDialogAnswer importAnswer("ImportDialog", [&title](QDialog* d) {
            title = d->windowTitle();
            load(d);
        });
        MessageBoxAnswer noBox;
        Main::DrawCount = 0;
        trigger("ImportAction");
        QVERIFY(chosen.answered() && importAnswer.answered());
        QVERIFY2(!noBox.seen.shown, qPrintable(noBox.seen.text));
        QVERIFY2(title.endsWith("bc649.zip"), qPrintable(title));
        QCOMPARE(Main::DrawCount, 80);
    }

    // A missing file and an empty one, handed over as the file manager does,
    // are the import's to report, as they always were: the loader's message
    // for the one, the import dialog with nothing to load for the other.
    void filesAreReportedByTheImportAsBefore()
    {
        const QString missing = dir->path().c_str() + QString("/missing.csv");
        QString expected;
        try {
            Main::ProposeImport(missing.toStdString());
        } catch (const std::exception& e) {
            expected = ErrorBoxText(QString::fromUtf8(e.what()));
        }
        QVERIFY(!expected.isEmpty());
        MessageBoxAnswer box;
        form->openFileLater(missing);
        QTRY_VERIFY(box.seen.shown);
        QCOMPARE(box.seen.text, expected);

        NamedDialogAnswer importAnswer("ImportDialog", [](QDialog* d) { d->reject(); });
        MessageBoxAnswer noBox;
        form->openFileLater(file("empty.csv", ""));
        QTRY_VERIFY(importAnswer.answered());
        QVERIFY2(!noBox.seen.shown, qPrintable(noBox.seen.text));
    }

    void aPermanentMoveIsOffered()
    {
        LoopbackServer server;
        server.on("/old.csv", LoopbackServer::Redirect(301, "/new.csv"));
        server.on("/new.csv", LoopbackServer::Ok(HistoryCsv(30, 2)));
        SeenMessage seen;
        ModalAnswer<QMessageBox> keep([&seen](QMessageBox* box) {
            seen.shown = true;
            seen.text = box->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == "Запомнить новый")
                    button->click();
        });
        QVERIFY(importFrom(server.url("/old.csv"), load));
        QVERIFY(keep.answered());
        QVERIFY2(seen.text.contains(server.url("/old.csv")) && seen.text.contains(server.url("/new.csv")),
            qPrintable(seen.text));
        QCOMPARE(Main::DrawCount, 30);
    }

    void everyFaultLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("HTTP error") << "/missing"
                                    << "ответил ошибкой HTTP 404";
        QTest::newRow("block page") << "/blocked"
                                    << "По адресу пришла веб-страница, а не файл истории";
        QTest::newRow("JSON") << "/json"
                              << "По адресу пришли данные JSON";
        QTest::newRow("redirect loop") << "/loop"
                                       << "Адрес перенаправляет по кругу";
        QTest::newRow("over the size limit") << "/huge"
                                             << "больше 1 МБ";
        QTest::newRow("no answer") << "/silent"
                                   << "не ответил за 1 с";
        QTest::newRow("stalled halfway") << "/stalled"
                                         << "Передача остановилась на середине";
        QTest::newRow("no connection") << "closed"
                                       << "Нет соединения с сервером";
        QTest::newRow("not an address") << "ftp"
                                        << "http:// и https://";
        QTest::newRow("ZIP of two files") << "/two.zip"
                                          << "больше одного файла";
    }
    void everyFaultLeavesEverythingAsItWas()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        LoopbackServer server;
        server.on("/draws.csv", LoopbackServer::Ok(HistoryCsv(60, 11)));
        QVERIFY(importFrom(server.url("/draws.csv"), load));
        click("Button1");
        const Snapshot before = snapshot();
        QCOMPARE(before.drawCount, 60);

        server.on("/missing", LoopbackServer::Reply(404, "Not Found", "no"));
        server.on("/blocked", LoopbackServer::Ok("<html><head><title>Access denied</title></head></html>"));
        server.on("/json", LoopbackServer::Ok("{\"draws\": []}"));
        server.on("/loop", LoopbackServer::Redirect(302, "/loop"));
        server.on("/huge", LoopbackServer::Ok(QByteArray(1100 * 1024, '1')));
        server.on("/silent", Answer { {}, 0 });
        server.on("/stalled", Answer { "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\nDraw;Date", 60 });
        server.on("/two.zip", LoopbackServer::Ok(ZipBytes({ { "a.csv", "1;2" }, { "b.csv", "3;4" } })));
        QString address = server.url(path);
        if (path == "closed") {
            LoopbackServer gone;
            address = gone.url("/draws.csv");
        } else if (path == "ftp") {
            address = "ftp://127.0.0.1/draws.csv";
        }

        MessageBoxAnswer box;
        bool importShown = false;
        importFrom(address, [&importShown](QDialog*) { importShown = true; });
        QTRY_VERIFY(box.seen.shown);
        QVERIFY(!importShown);
        QCOMPARE(box.seen.icon, QMessageBox::Critical);
        QVERIFY2(box.seen.text.contains(expected), qPrintable(box.seen.text));
        QVERIFY(snapshot() == before);
    }
};

QTEST_MAIN(UrlImportTest)
#include "UrlImportTest.moc"
