// The store of histories on its own: what it keeps, and that a failure in the
// middle of a change, a full disk, a read-only file or a second running copy
// leave it whole.
#include "ui/history/HistoryStore.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include <unistd.h>

namespace {

std::vector<Main::THistoryDraw> Draws(int32_t from, int32_t count)
{
    std::vector<Main::THistoryDraw> draws;
    for (int32_t i = from; i < from + count; ++i)
        draws.push_back({ i, 1000 + i, 20260000 + 100 * (1 + i % 12) + 1 + i % 28,
            { 1 + i % 40, 2 + i % 40, 3 + i % 40, 4 + i % 40, 5 + i % 40, 6 + i % 40 } });
    return draws;
}

TStoredHistory Record(const QString& name)
{
    TStoredHistory h;
    h.Name = name;
    h.Source = "/data/" + name + ".csv";
    h.Layout = { ';', 1, 1, { 3, 4, 5, 6, 7, 8 }, 45, true };
    h.Shape.Header = "Тираж;Дата;Числа";
    h.ETag = "\"v1\"";
    h.LastDraws = 500;
    return h;
}

// Runs SQL on a connection of the test's own to the same file, as another
// program would.
class TOtherConnection {
public:
    explicit TOtherConnection(const QString& path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
        db.setDatabaseName(path);
        db.open();
    }
    ~TOtherConnection()
    {
        QSqlDatabase::database("other").close();
        QSqlDatabase::removeDatabase("other");
    }
    bool run(const QString& sql)
    {
        QSqlQuery q(QSqlDatabase::database("other"));
        return q.exec(sql);
    }
};

} // namespace

class HistoryStoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path() const { return dir.filePath("store/histories.sqlite"); }

    // What a history is in the store, to compare before and after a failure.
    static QString State(THistoryStore& store, qint64 id)
    {
        const auto h = store.history(id);
        if (!h)
            return "none";
        QString text = h->Name + "|" + h->Source + "|" + h->ETag + "|" + QString::number(h->Layout.MaxNumber) + "|"
            + QString::number(h->DrawCount);
        for (const auto& d : store.draws(id))
            text += QString(" %1/%2").arg(d.Position).arg(d.Numbers[0]);
        return text;
    }

private slots:
    void cleanup() { QFile::remove(path()); }

    void keepsEveryDrawAndTheRecord()
    {
        THistoryStore store(path());
        TStoredHistory h = Record("uk");
        const qint64 id = store.add(h, Draws(1, 3000));
        const auto back = store.history(id);
        QVERIFY(back);
        QCOMPARE(back->Name, QString("uk"));
        QCOMPARE(back->Layout, h.Layout);
        QCOMPARE(back->Shape, h.Shape);
        QCOMPARE(back->ETag, h.ETag);
        QCOMPARE(back->LastDraws, 500);
        QCOMPARE(back->DrawCount, 3000);
        QVERIFY(store.draws(id) == Draws(1, 3000));
        // The newest part reaching back 1000 draws of the game.
        QVERIFY(store.recentDraws(id, back->game(), 1000) == Draws(2001, 1000));

        // Draws without a number or a date keep none.
        TStoredHistory plain = Record("ny");
        plain.Layout.DrawNoField = 0;
        auto draws = Draws(1, 5);
        for (auto& d : draws)
            d.DrawNo = d.Date = 0;
        const qint64 other = store.add(plain, draws);
        QVERIFY(store.draws(other) == draws);
        QCOMPARE(store.find(plain.Source, plain.Layout)->Id, other);
        QVERIFY(!store.find(plain.Source, h.Layout));

        store.rename(id, "UK Lotto");
        QCOMPARE(store.histories().size(), std::size_t(2));
        QCOMPARE(store.histories()[1].Name, QString("UK Lotto"));
        store.remove(id);
        QVERIFY(!store.history(id));
        QVERIFY(store.draws(id).empty());
        QCOMPARE(store.histories().size(), std::size_t(1));
    }

    // A history with draw numbers runs by them, so that a draw the store
    // lacked, added later, takes its place among the older ones; one without
    // runs in the order its draws were kept.
    void drawsRunByTheirNumbersWhenTheyHaveThem()
    {
        THistoryStore store(path());
        TStoredHistory keyed = Record("keyed");
        const qint64 id = store.add(keyed, Draws(10, 11)); // positions and numbers 10..20
        keyed.Id = id;
        auto gap = Draws(5, 1);
        gap[0].Position = 21; // kept after the others
        store.update(keyed, gap);
        const auto all = store.draws(id);
        QCOMPARE(all.front().DrawNo, 1005);
        QCOMPARE(all.back().DrawNo, 1020);
        const auto recent = store.recentDraws(id, keyed.game(), 3);
        QCOMPARE(recent.size(), std::size_t(3));
        QCOMPARE(recent.front().DrawNo, 1018);

        TStoredHistory plain = Record("plain");
        plain.Layout.DrawNoField = 0;
        const qint64 other = store.add(plain, Draws(10, 11));
        plain.Id = other;
        store.update(plain, gap);
        QCOMPARE(store.draws(other).back().Position, 21);
        QCOMPARE(store.recentDraws(other, plain.game(), 1).front().Position, 21);
    }

    // A failure on the 600th draw written rolls the whole change back; the
    // next good update proves the store whole.
    void aFailureHalfwayLeavesThePreviousState()
    {
        THistoryStore store(path());
        const qint64 id = store.add(Record("fr"), Draws(1, 500));
        const QString before = State(store, id);
        {
            TOtherConnection other(path());
            QVERIFY(other.run("CREATE TRIGGER fail BEFORE INSERT ON draws WHEN NEW.position = 600 "
                              "BEGIN SELECT RAISE(ABORT, 'disk pulled'); END"));
        }
        TStoredHistory changed = *store.history(id);
        changed.ETag = "\"v2\"";
        changed.Layout.MaxNumber = 49;
        QVERIFY_THROWS_EXCEPTION(EHistoryStoreError, store.update(changed, Draws(501, 200)));
        QCOMPARE(State(store, id), before);
        QVERIFY_THROWS_EXCEPTION(EHistoryStoreError, store.add(Record("be"), Draws(1, 700)));
        QCOMPARE(store.histories().size(), std::size_t(1));

        TOtherConnection(path()).run("DROP TRIGGER fail");
        store.update(changed, Draws(501, 200));
        QCOMPARE(store.history(id)->DrawCount, 700);
        QCOMPARE(store.history(id)->ETag, QByteArray("\"v2\""));
    }

    void aFullDiskOrAReadOnlyStoreIsToldAndChangesNothing()
    {
        {
            THistoryStore store(path());
            const qint64 id = store.add(Record("uk"), Draws(1, 100));
            const QString before = State(store, id);
            // The store's own connection may grow the file by a few pages only.
            QSqlQuery(QSqlDatabase::database(store.connectionName())).exec("PRAGMA max_page_count = 12");
            try {
                store.update(*store.history(id), Draws(101, 5000));
                QFAIL("no error");
            } catch (const EHistoryStoreError& e) {
                QVERIFY2(QString::fromUtf8(e.what()).startsWith("Диск заполнен"), e.what());
            }
            QCOMPARE(State(store, id), before);
        }
        // A file the user may not write; root may write any, so for root the
        // store's connection is made read-only, which SQLite reports alike.
        QFile::setPermissions(path(), QFile::ReadOwner);
        THistoryStore store(path());
        if (geteuid() == 0)
            QSqlQuery(QSqlDatabase::database(store.connectionName())).exec("PRAGMA query_only = 1");
        const qint64 id = store.histories().front().Id;
        const QString before = State(store, id);
        try {
            store.update(*store.history(id), Draws(101, 10));
            QFAIL("no error");
        } catch (const EHistoryStoreError& e) {
            QVERIFY2(QString::fromUtf8(e.what()).contains("только для чтения"), e.what());
        }
        QCOMPARE(State(store, id), before);
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    }

    // A second running copy writing at the same time waits for the first
    // one's change and then makes its own: both are kept.
    void twoRunningCopiesTakeTurns()
    {
        THistoryStore first(path());
        const qint64 id = first.add(Record("uk"), Draws(1, 10));
        std::atomic<bool> holding { false };
        // The other copy: its own connection, in a thread of its own, holding
        // the write lock for 400 ms in the middle of its change.
        std::jthread other([this, id, &holding] {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other-copy");
                db.setDatabaseName(path());
                db.open();
                QSqlQuery q(db);
                q.exec("BEGIN IMMEDIATE");
                q.exec(QString("INSERT INTO draws (history_id, position, numbers, first_seen) "
                               "VALUES (%1, 11, '1 2 3 4 5 6', '2026-06-01T00:00:00Z')")
                           .arg(id));
                holding = true;
                QThread::msleep(400);
                q.exec("COMMIT");
                db.close();
            }
            QSqlDatabase::removeDatabase("other-copy");
        });
        while (!holding)
            QThread::msleep(1);
        QElapsedTimer clock;
        clock.start();
        first.update(*first.history(id), Draws(12, 5));
        const qint64 waited = clock.elapsed();
        other.join();
        QVERIFY2(waited >= 200, qPrintable(QString::number(waited)));
        QCOMPARE(first.history(id)->DrawCount, 16);
        QCOMPARE(first.draws(id).size(), std::size_t(16));
    }
};

QTEST_GUILESS_MAIN(HistoryStoreTest)
#include "HistoryStoreTest.moc"
