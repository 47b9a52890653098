// "Обновить историю" and "Истории…" through their real controls: a window
// source that loses nothing, conflicts named and never written, every failure
// leaving the tables, the window and the store as they were, the histories
// window's commands, and an update by address against a loopback server.
#include "LoopbackServer.h"
#include "MainWindowFixture.h"

#include "analysis/Analysis.h"
#include "ui/ProgramSettings.h"
#include "ui/history/HistoryStore.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <vector>

namespace {

using TestSupport::Draw;

// A publisher's CSV, newest first: draw number, date, the numbers in one field.
std::string HistoryText(const std::vector<Draw>& draws, const std::string& header = "Draw;Date;Numbers")
{
    std::string text = header + "\r\n";
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        std::string numbers;
        for (int32_t n : it->numbers)
            numbers += (numbers.empty() ? "" : " ") + std::to_string(n);
        text += std::to_string(it->drawNo) + ";" + std::to_string(1 + it->drawNo % 28) + ".03.2026;" + numbers + "\r\n";
    }
    return text;
}

std::vector<Draw> Slice(const std::vector<Draw>& all, int32_t from, int32_t to)
{
    return { all.begin() + from, all.begin() + to };
}

// What the window, the tables and the store show, to compare before and after.
struct Snapshot {
    int32_t drawCount, perDraw, maxNumber;
    std::vector<Main::TDrawRecord> draws;
    QStringList labels;
    bool updateEnabled;
    QString store;

    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

} // namespace

class HistoryUpdateTest : public QObject, MainWindowFixture {
    Q_OBJECT

    QTemporaryDir settingsDir;
    QTemporaryDir dataDir;

    QString storeState()
    {
        THistoryStore& store = THistoryStore::Instance();
        QString text;
        for (const TStoredHistory& h : store.histories()) {
            text += QString("%1 %2 %3 %4 %5;")
                        .arg(h.Name, h.Source, QString(h.ETag))
                        .arg(h.DrawCount)
                        .arg(h.Layout.MaxNumber);
            for (const auto& d : store.draws(h.Id))
                text += QString::number(d.DrawNo) + ":" + QString::number(d.Numbers[0]) + ",";
        }
        return text;
    }
    Snapshot snapshot()
    {
        Snapshot s { Main::DrawCount, Main::NumbersPerDraw, Main::MaxNumber, {}, {},
            widget<QAction>("UpdateAction")->isEnabled(), storeState() };
        for (int32_t i = 1; i <= Main::DrawCount; ++i)
            s.draws.push_back(Main::Draws[i]);
        for (const char* name : { "Label1", "Label5", "Label14" })
            s.labels << widget<QLabel>(name)->text();
        return s;
    }
    static void load(QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>("LoadButton"), Qt::LeftButton); }
    void importHistory(const QString& fileName)
    {
        FileDialogAnswer fileAnswer(fileName);
        NamedDialogAnswer importAnswer("ImportDialog", load);
        trigger("ImportAction");
        QVERIFY(fileAnswer.answered());
        QVERIFY(importAnswer.answered());
    }
    // "Обновить историю" with its one box answered.
    SeenMessage update()
    {
        MessageBoxAnswer box;
        widget<QAction>("UpdateAction")->trigger();
        return box.seen;
    }
    static void setQueryOnly(bool on)
    {
        QSqlQuery(QSqlDatabase::database(THistoryStore::Instance().connectionName()))
            .exec(QString("PRAGMA query_only = %1").arg(on ? 1 : 0));
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", dataDir.path().toUtf8());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        for (const char* name : { "http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY" })
            qunsetenv(name);
    }
    void init()
    {
        TProgramSettings().clear();
        setUp();
    }
    void cleanup() { tearDown(); }

    // A publisher that lists only its most recent draws: the update adds the
    // new ones, keeps every stored one and names the draw it gives differently.
    void aWindowSourceLosesNothing()
    {
        const auto draws = TestSupport::RandomDraws(6, 49, 1200, 1);
        const QString csv = file("lotto.csv", HistoryText(Slice(draws, 0, 1100)));
        importHistory(csv);
        QCOMPARE(Main::DrawCount, 1000);
        QCOMPARE(Main::Draws[1000].DrawNo, 1100);
        QVERIFY(widget<QAction>("UpdateAction")->isEnabled());
        QCOMPARE(widget<QAction>("UpdateAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));

        // Now the file holds draws 1001..1200, and 1050 reads otherwise.
        auto window = Slice(draws, 1000, 1200);
        const std::vector<int32_t> stored1050 = window[49].numbers;
        window[49].numbers = { 1, 2, 3, 4, 5, 6 };
        file("lotto.csv", HistoryText(window));
        const SeenMessage seen = update();
        QVERIFY(seen.shown);
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QVERIFY2(seen.text.contains("Новых тиражей: 100 (№ 1101, № 1102"), qPrintable(seen.text));
        QVERIFY2(seen.text.contains("Всего тиражей в истории: 1200; загружено последних: 1000"), qPrintable(seen.text));
        QVERIFY2(seen.text.contains("№ 1050: сохранено"), qPrintable(seen.text));
        QCOMPARE(Main::DrawCount, 1000);
        QCOMPARE(Main::Draws[1].DrawNo, 201);
        QCOMPARE(Main::Draws[1000].DrawNo, 1200);
        const Main::TDrawRecord& kept = Main::Draws[1050 - 200];
        QCOMPARE(kept.DrawNo, 1050);
        for (int32_t k = 1; k <= 6; ++k)
            QCOMPARE(kept.Numbers[k], stored1050[static_cast<std::size_t>(k - 1)]);
        QCOMPARE(THistoryStore::Instance().history(form->storedHistory())->DrawCount, 1200);
        QVERIFY(widget<QPushButton>("Button1")->isEnabled());

        // Nothing new the next time.
        const SeenMessage again = update();
        QVERIFY2(again.text.contains("Новых тиражей нет"), qPrintable(again.text));
        QCOMPARE(THistoryStore::Instance().history(form->storedHistory())->DrawCount, 1200);
    }

    void everyFailureLeavesEverythingAsItWas()
    {
        const auto draws = TestSupport::RandomDraws(6, 45, 120, 2);
        const QString csv = file("six45.csv", HistoryText(Slice(draws, 0, 100)));
        importHistory(csv);
        const Snapshot before = snapshot();
        QVERIFY(before.updateEnabled);

        // The file has gone.
        QVERIFY(QFile::rename(csv, csv + ".moved"));
        SeenMessage seen = update();
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QVERIFY2(seen.text.contains("больше нет"), qPrintable(seen.text));
        QCOMPARE(snapshot(), before);
        QVERIFY(QFile::rename(csv + ".moved", csv));

        // Its header changed: the import dialog comes with a fresh proposal,
        // and cancelling it changes nothing.
        file("six45.csv", HistoryText(Slice(draws, 0, 110), "Номер;Дата тиража;Выпавшие числа"));
        bool asked = false;
        NamedDialogAnswer cancel("ImportDialog", [&asked](QDialog* d) {
            asked = true;
            d->reject();
        });
        seen = update();
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QVERIFY2(seen.text.contains("изменился"), qPrintable(seen.text));
        QTRY_VERIFY(asked);
        QCOMPARE(snapshot(), before);

        // The store cannot be written.
        file("six45.csv", HistoryText(Slice(draws, 0, 110)));
        setQueryOnly(true);
        seen = update();
        setQueryOnly(false);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QVERIFY2(seen.text.contains("только для чтения"), qPrintable(seen.text));
        QCOMPARE(snapshot(), before);

        // The next good update proves the store whole.
        seen = update();
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QVERIFY2(seen.text.contains("Новых тиражей: 10 (№ 101"), qPrintable(seen.text));
        QCOMPARE(Main::DrawCount, 110);
        QCOMPARE(Main::Draws[110].DrawNo, 110);
    }

    // Open, rename, save as CSV and remove, each through its own control.
    void theHistoriesWindow()
    {
        const auto draws = TestSupport::RandomDraws(5, 36, 40, 3);
        importHistory(file("a.csv", HistoryText(draws)));
        const qint64 first = form->storedHistory();
        runAll(QStringLiteral(VELDORAN_EXAMPLES_DIR) + "/5-36.txt");
        QVERIFY(!widget<QAction>("UpdateAction")->isEnabled());

        trigger("HistoriesAction");
        auto* window = FindControl<QWidget>(form.get(), "HistoriesWindow");
        QTRY_VERIFY(window->isVisible());
        auto* view = FindControl<QTableView>(window, "HistoriesView");
        QAbstractItemModel* model = view->model();
        int row = -1;
        for (int r = 0; r < model->rowCount(); ++r)
            if (model->index(r, 1).data().toString().endsWith("/a.csv"))
                row = r;
        QVERIFY(row >= 0);
        QCOMPARE(model->index(row, 0).data().toString(), QString("a.csv"));
        QCOMPARE(model->index(row, 2).data().toString(), QString("40"));
        view->setCurrentIndex(model->index(row, 0));

        QTest::mouseClick(FindControl<QPushButton>(window, "OpenHistoryButton"), Qt::LeftButton);
        QCOMPARE(Main::DrawCount, 40);
        QCOMPARE(form->storedHistory(), first);
        QVERIFY(widget<QAction>("UpdateAction")->isEnabled());

        ModalAnswer<QInputDialog> rename([](QInputDialog* d) {
            d->setTextValue("Моя 5 из 36");
            d->accept();
        });
        QTest::mouseClick(FindControl<QPushButton>(window, "RenameHistoryButton"), Qt::LeftButton);
        QVERIFY(rename.answered());
        QCOMPARE(model->index(view->currentIndex().row(), 0).data().toString(), QString("Моя 5 из 36"));

        const QString saved = dir->path().c_str() + QString("/saved.csv");
        FileDialogAnswer save(saved);
        QTest::mouseClick(FindControl<QPushButton>(window, "SaveHistoryButton"), Qt::LeftButton);
        QVERIFY(save.answered());
        QFile csv(saved);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.size(), 40 + 2); // the header, 40 draws, the empty end
        QCOMPARE(lines[0].trimmed(), QByteArray("\xEF\xBB\xBFТираж;Дата;Число 1;Число 2;Число 3;Число 4;Число 5"));
        QVERIFY(lines[1].startsWith("1;02.03.2026;"));

        const int rows = model->rowCount();
        ModalAnswer<QMessageBox> remove([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        QTest::mouseClick(FindControl<QPushButton>(window, "RemoveHistoryButton"), Qt::LeftButton);
        QVERIFY(remove.answered());
        QCOMPARE(model->rowCount(), rows - 1);
        QVERIFY(!THistoryStore::Instance().history(first));
        QVERIFY(!widget<QAction>("UpdateAction")->isEnabled());
        QCOMPARE(Main::DrawCount, 40); // the tables stay loaded
        window->close();
    }

    // By address: unchanged sources are not downloaded twice, new draws are
    // added, an HTTP error changes nothing.
    void anAddressSource()
    {
        const auto draws = TestSupport::RandomDraws(6, 49, 60, 4);
        LoopbackServer server;
        QByteArray body = QByteArray::fromStdString(HistoryText(Slice(draws, 0, 50)));
        QByteArray etag = "\"one\"";
        int status = 200;
        server.on("/lotto.csv", [&](const LoopbackServer::Request& request) {
            if (status != 200)
                return LoopbackServer::Reply(status, "Internal Server Error", "oops");
            if (request.headers.value("if-none-match") == etag)
                return LoopbackServer::Reply(304, "Not Modified", {}, { "ETag: " + etag });
            return LoopbackServer::Reply(200, "OK", body, { "Content-Type: text/csv", "ETag: " + etag });
        });
        NamedDialogAnswer url("UrlDialog", [&server](QDialog* d) {
            auto* edit = d->findChild<QLineEdit*>("UrlEdit");
            edit->selectAll();
            QTest::keyClicks(edit, server.url("/lotto.csv"));
            QTest::mouseClick(d->findChild<QPushButton*>("UrlLoadButton"), Qt::LeftButton);
        });
        NamedDialogAnswer importAnswer("ImportDialog", load);
        trigger("ImportUrlAction");
        QTRY_VERIFY(importAnswer.answered());
        QCOMPARE(Main::DrawCount, 50);
        const qint64 id = form->storedHistory();
        QVERIFY(id != 0);
        QCOMPARE(THistoryStore::Instance().history(id)->ETag, etag);

        SeenMessage seen = update();
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QVERIFY2(seen.text.contains("не изменилась"), qPrintable(seen.text));
        QCOMPARE(server.requests().back().headers.value("if-none-match"), etag);

        const Snapshot before = snapshot();
        status = 500;
        seen = update();
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QVERIFY2(seen.text.contains("500"), qPrintable(seen.text));
        QCOMPARE(snapshot(), before);

        status = 200;
        body = QByteArray::fromStdString(HistoryText(Slice(draws, 20, 60)));
        etag = "\"two\"";
        seen = update();
        QVERIFY2(seen.text.contains("Новых тиражей: 10 (№ 51"), qPrintable(seen.text));
        QCOMPARE(Main::DrawCount, 60);
        QCOMPARE(THistoryStore::Instance().history(id)->ETag, etag);
    }
};

QTEST_MAIN(HistoryUpdateTest)
#include "HistoryUpdateTest.moc"
