#include "MainWindowFixture.h"

#include "analysis/Analysis.h"

#include <QAbstractItemView>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <set>

namespace {
const QString Examples = QStringLiteral(VELDORAN_EXAMPLES_DIR);
using TTickets = std::vector<std::vector<int32_t>>;

// Every `drawn`-subset of `numbers` tested against every ticket, the plain way.
bool GuaranteeHolds(const std::vector<int32_t>& numbers, const TTickets& tickets, int match, int drawn)
{
    std::vector<bool> pick(numbers.size(), false);
    std::fill(pick.begin(), pick.begin() + drawn, true);
    do {
        bool held = false;
        for (const auto& ticket : tickets) {
            int shared = 0;
            for (std::size_t i = 0; i < numbers.size(); ++i)
                shared += pick[i] && std::count(ticket.begin(), ticket.end(), numbers[i]);
            held = held || shared >= match;
        }
        if (!held)
            return false;
    } while (std::prev_permutation(pick.begin(), pick.end()));
    return true;
}
} // namespace

// "Билеты" driven through its own controls.
class TicketsWindowTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    QWidget* window = nullptr;
    template <typename T = QWidget> T* in(const char* name) { return FindControl<T>(window, name); }

    void openWindow()
    {
        trigger("TicketsAction");
        window = FindControl<QWidget>(form.get(), "TicketsWindow");
        QVERIFY(window->isVisible());
    }
    void press(const char* name)
    {
        auto* button = in<QAbstractButton>(name);
        QVERIFY2(button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void type(const char* name, const QString& text)
    {
        auto* edit = in<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void request(const QString& numbers, int size, int match, int drawn)
    {
        type("WheelNumbersEdit", numbers);
        in<QSpinBox>("TicketSizeBox")->setValue(size);
        in<QSpinBox>("MatchBox")->setValue(match);
        in<QSpinBox>("DrawnBox")->setValue(drawn);
        QCOMPARE(in<QSpinBox>("TicketSizeBox")->value(), size);
        QCOMPARE(in<QSpinBox>("MatchBox")->value(), match);
        QCOMPARE(in<QSpinBox>("DrawnBox")->value(), drawn);
    }
    // The tickets as the view shows them: the last `size` columns of each row.
    TTickets shown()
    {
        QAbstractItemModel* model = in<QAbstractItemView>("TicketsView")->model();
        const int size = in<QSpinBox>("TicketSizeBox")->value();
        TTickets tickets;
        for (int r = 0; r < model->rowCount(); ++r) {
            std::vector<int32_t> ticket;
            for (int c = model->columnCount() - size; c < model->columnCount(); ++c)
                ticket.push_back(model->index(r, c).data().toString().toInt());
            tickets.push_back(ticket);
        }
        return tickets;
    }
    void ownTickets(const QString& lines)
    {
        auto* edit = in<QPlainTextEdit>("OwnTicketsEdit");
        edit->setPlainText(lines); // as pasted
        press("UseOwnTicketsButton");
    }
    QString message() { return in<QLabel>("TicketsMessage")->isVisible() ? in<QLabel>("TicketsMessage")->text() : ""; }

private slots:
    void init()
    {
        // As at program start: no history loaded.
        Main::DrawCount = 0;
        Main::NumbersPerDraw = 0;
        Main::MaxNumber = 0;
        setUp();
    }
    void cleanup()
    {
        window = nullptr;
        tearDown();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void menuAndDefaultsWithNoFile()
    {
        const QList<QAction*> menus = form->menuBar()->actions();
        QStringList names;
        for (QAction* action : menus)
            names << (action->menu() ? action->menu()->objectName() : QString());
        const qsizetype tickets = names.indexOf("TicketsMenu");
        QVERIFY(tickets > names.indexOf("AnalysisMenu"));
        QCOMPARE(names.indexOf("N4"), tickets + 1);
        QVERIFY(widget<QAction>("TicketsAction")->isEnabled());

        openWindow();
        QCOMPARE(in<QSpinBox>("TicketSizeBox")->value(), 6);
        auto* check = in<QPushButton>("CheckHistoryButton");
        QVERIFY(!check->isEnabled());
        QVERIFY2(check->toolTip().contains("Нет истории тиражей"), qPrintable(check->toolTip()));

        // Opening a file while the window is open enables the check when the window is shown again.
        open(Examples + "/6-49.txt");
        trigger("TicketsAction");
        QVERIFY(check->isEnabled());
        QCOMPARE(in<QSpinBox>("HistoryDrawsBox")->maximum(), Main::DrawCount);
        open(Examples + "/5-36.txt");
        trigger("TicketsAction");
        QCOMPARE(in<QSpinBox>("TicketSizeBox")->value(), 5);
        QCOMPARE(in<QSpinBox>("LotteryMBox")->value(), 36);
    }

    void limitsStayConsistent()
    {
        openWindow();
        type("WheelNumbersEdit", "1 2 3 4 5 6 7");
        auto* size = in<QSpinBox>("TicketSizeBox");
        auto* match = in<QSpinBox>("MatchBox");
        auto* drawn = in<QSpinBox>("DrawnBox");
        size->setValue(4);
        QCOMPARE(match->maximum(), 4);
        match->setValue(4);
        QCOMPARE(drawn->minimum(), 4);
        QCOMPARE(drawn->maximum(), 7);
        drawn->setValue(6);
        size->setValue(3); // Match follows the ticket down, Drawn stays above Match
        QCOMPARE(match->value(), 3);
        QCOMPARE(drawn->minimum(), 3);
        type("WheelNumbersEdit", "1 2 3 4 5");
        QCOMPARE(drawn->maximum(), 5);
        drawn->setValue(6);
        QCOMPARE(drawn->value(), 5);
    }

    void badInputStartsNothing_data()
    {
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << "" << 6 << "Введите ваши числа";
        QTest::newRow("letters") << "1 2 x3 4 5 6 7" << 6 << "«x3» — не число";
        QTest::newRow("repeated") << "1 2 3 4 5 6 7 3" << 6 << "Число 3 указано дважды";
        QTest::newRow("zero") << "0 1 2 3 4 5 6" << 6 << "Число 0 вне диапазона от 1 до 49";
        QTest::newRow("above 99") << "1 2 3 4 5 6 100" << 6 << "Число 100 вне диапазона от 1 до 49";
        QTest::newRow("above M") << "1 2 3 4 5 6 50" << 6 << "Число 50 вне диапазона от 1 до 49";
        QTest::newRow("too few") << "1, 2, 3, 4" << 6 << "Чисел в билете (6) больше, чем ваших чисел (4)";
        QTest::newRow("too large")
            << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 "
               "31 32 33 34 35 36 37 38 39 40"
            << 6 << "Слишком большой запрос: C(40,6)";
    }
    void badInputStartsNothing()
    {
        QFETCH(QString, numbers);
        QFETCH(int, size);
        QFETCH(QString, expected);
        openWindow();
        type("WheelNumbersEdit", numbers);
        in<QSpinBox>("TicketSizeBox")->setValue(size);
        if (QTest::currentDataTag() == QByteArray("too large")) {
            in<QSpinBox>("MatchBox")->setValue(3);
            in<QSpinBox>("DrawnBox")->setValue(6);
        }
        press("MakeWheelButton");
        QVERIFY2(message().contains(expected), qPrintable(message()));
        QVERIFY(!in<QPushButton>("StopWheelButton")->isEnabled());
        QCOMPARE(in<QAbstractItemView>("TicketsView")->model()->rowCount(), 0);
        QCOMPARE(in<QLineEdit>("WheelNumbersEdit")->text(), numbers);
    }

    void wheelSearchStopAndImprove()
    {
        openWindow();
        request("1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12", 6, 3, 4);
        QSignalSpy finished(window, SIGNAL(searchFinished()));
        press("MakeWheelButton");
        QVERIFY(in<QPushButton>("StopWheelButton")->isEnabled());
        QVERIFY(!in<QPushButton>("MakeWheelButton")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(in<QAbstractItemView>("TicketsView")->model()->rowCount() > 0, 3000);
        QTRY_VERIFY(in<QLabel>("SearchState")->text().contains("Идёт поиск"));
        press("StopWheelButton");
        QVERIFY(finished.wait(2000));
        QVERIFY(in<QPushButton>("MakeWheelButton")->isEnabled());

        const std::vector<int32_t> numbers { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 };
        const TTickets first = shown();
        for (const auto& ticket : first) {
            QCOMPARE(ticket.size(), 6u);
            QVERIFY(std::is_sorted(ticket.begin(), ticket.end()));
            QVERIFY(std::adjacent_find(ticket.begin(), ticket.end()) == ticket.end());
        }
        QVERIFY(GuaranteeHolds(numbers, first, 3, 4));
        const QString guarantee = in<QLabel>("GuaranteeLabel")->text();
        QVERIFY2(guarantee.contains("Гарантия проверена: каждая из C(12,4) = 495 комбинаций"), qPrintable(guarantee));
        QVERIFY2(in<QLabel>("TicketsCount")->text().contains(QString("Билетов: %1.").arg(first.size())),
            qPrintable(in<QLabel>("TicketsCount")->text()));
        QVERIFY2(in<QLabel>("ChanceLabel")->text().contains("не меньше 4 из ваших 12 чисел"),
            qPrintable(in<QLabel>("ChanceLabel")->text()));

        // Improving keeps the best found: never more tickets, still complete.
        press("ImproveWheelButton");
        QVERIFY(in<QPushButton>("StopWheelButton")->isEnabled());
        QTest::qWait(700);
        press("StopWheelButton");
        QVERIFY(finished.wait(2000));
        const TTickets improved = shown();
        QVERIFY(improved.size() <= first.size());
        QVERIFY(GuaranteeHolds(numbers, improved, 3, 4));
    }

    void closingDuringASearchStopsIt()
    {
        openWindow();
        QString numbers;
        for (int n = 1; n <= 30; ++n)
            numbers += QString::number(n) + " ";
        request(numbers, 6, 3, 3);
        QSignalSpy finished(window, SIGNAL(searchFinished()));
        press("MakeWheelButton");
        QTest::qWait(100);
        window->close();
        QVERIFY(finished.wait(3000));
        QVERIFY(!window->isVisible());
        // A window destroyed while searching waits for the search.
        trigger("TicketsAction");
        press("MakeWheelButton");
        QTest::qWait(50);
    }

    void fillsFromRandomAndPairs()
    {
        runAll(Examples + "/6-49.txt");
        openWindow();
        in<QSpinBox>("RandomCountBox")->setValue(12);
        press("RandomNumbersButton");
        std::set<int> picked;
        for (const QString& n : in<QLineEdit>("WheelNumbersEdit")->text().split(' ')) {
            QVERIFY(n.toInt() >= 1 && n.toInt() <= 49);
            picked.insert(n.toInt());
        }
        QCOMPARE(picked.size(), 12u);

        auto* grid = widget<QAbstractItemView>("StringGrid2");
        grid->selectionModel()->clearSelection();
        std::set<int32_t> expected;
        for (int row : { 1, 2, 5 }) {
            grid->selectionModel()->select(grid->model()->index(row, 0), QItemSelectionModel::Select);
            const int pairNo = grid->model()->index(row, 0).data().toString().toInt();
            expected.insert(Main::Pairs[pairNo].First);
            expected.insert(Main::Pairs[pairNo].Second);
        }
        press("PairNumbersButton");
        QStringList texts;
        for (int32_t n : expected)
            texts << QString::number(n);
        QCOMPARE(in<QLineEdit>("WheelNumbersEdit")->text(), texts.join(' '));
    }

    void ownTicketsAgainstTheHistory()
    {
        open(Examples + "/6-49.txt");
        openWindow();
        ownTickets("1 2 3 4 5 6\n7, 8, 9, 10, 11, 12\n40 41 42 43 44 45");
        QCOMPARE(shown().size(), 3u);
        in<QSpinBox>("HistoryDrawsBox")->setValue(50);
        press("CheckHistoryButton");

        // Counted here over the same 50 draws.
        const TTickets tickets = shown();
        std::vector<int64_t> counts(7, 0);
        std::vector<int> best(50, 0); // newest first
        for (int32_t j = Main::DrawCount - 49; j <= Main::DrawCount; ++j)
            for (const auto& ticket : tickets) {
                int shared = 0;
                for (int32_t n : ticket)
                    for (int32_t i = 1; i <= Main::NumbersPerDraw; ++i)
                        if (Main::Draws[j].Numbers[i] == n) {
                            ++shared;
                            break;
                        }
                ++counts[static_cast<std::size_t>(shared)];
                int& most = best[static_cast<std::size_t>(Main::DrawCount - j)];
                most = std::max(most, shared);
            }
        auto* table = in<QTableWidget>("HistoryMatchesTable");
        QCOMPARE(table->rowCount(), 7);
        for (int m = 0; m <= 6; ++m)
            QCOMPARE(table->item(m, 1)->text().remove(QChar(0xA0)).remove(' ').toLongLong(),
                counts[static_cast<std::size_t>(m)]);
        // The draws newest first, with the best ticket's match.
        auto* draws = in<QTableWidget>("HistoryDrawsTable");
        QCOMPARE(draws->rowCount(), 50);
        QCOMPARE(draws->item(0, 0)->text(), QString::number(Main::Draws[Main::DrawCount].DrawNo));
        QCOMPARE(draws->item(49, 0)->text(), QString::number(Main::Draws[Main::DrawCount - 49].DrawNo));
        for (int row = 0; row < 50; ++row)
            QCOMPARE(draws->item(row, 2)->text().toInt(), best[static_cast<std::size_t>(row)]);
        const QString summary = in<QLabel>("HistorySummary")->text();
        QVERIFY2(summary.contains("Проверено 50") && summary.contains("Лучшее совпадение"), qPrintable(summary));

        // A ticket with a number above the lottery's M is refused in the window.
        ownTickets("1 2 3 4 5 60");
        QVERIFY2(message().contains("Число 60 вне диапазона от 1 до 49"), qPrintable(message()));
        QCOMPARE(shown().size(), 3u);
    }

    void csvWrittenAndReadBack()
    {
        openWindow();
        ownTickets("1 2 3 4 5 6\n12 7 8 9 10 11\n40 41 42 43 44 45");
        const QString file = dir->path().c_str() + QStringLiteral("/билеты.csv");
        {
            FileDialogAnswer answer(file);
            press("SaveTicketsCsvButton");
            QVERIFY(answer.answered());
        }
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(),
            QByteArray("\xEF\xBB\xBF№;Число 1;Число 2;Число 3;Число 4;Число 5;Число 6\r\n1;1;2;3;4;5;6\r\n"
                       "2;7;8;9;10;11;12\r\n3;40;41;42;43;44;45\r\n"));

        ownTickets("2 3 4 5 6 7");
        QCOMPARE(shown().size(), 1u);
        {
            FileDialogAnswer answer(file);
            press("LoadTicketsCsvButton");
            QVERIFY(answer.answered());
        }
        QCOMPARE(shown(), (TTickets { { 1, 2, 3, 4, 5, 6 }, { 7, 8, 9, 10, 11, 12 }, { 40, 41, 42, 43, 44, 45 } }));
    }

    void pdfPagesWritten()
    {
        openWindow();
        QString lines;
        for (int t = 0; t < 150; ++t)
            lines += QString("%1 %2 %3 %4 %5 %6\n").arg(1 + t % 40).arg(42).arg(43).arg(44).arg(45).arg(46 + t % 4);
        ownTickets(lines);
        QCOMPARE(shown().size(), 150u);
        const QString file = dir->path().c_str() + QStringLiteral("/билеты.pdf");
        FileDialogAnswer answer(file);
        press("SaveTicketsPdfButton");
        QVERIFY(answer.answered());
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        const qsizetype pages
            = bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type /Page/");
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));

        // The print preview lays out the same pages.
        int previewed = 0;
        ModalAnswer<QPrintPreviewDialog> preview([&previewed](QPrintPreviewDialog* dialog) {
            if (auto* widget = dialog->findChild<QPrintPreviewWidget*>())
                previewed = widget->pageCount();
            dialog->reject();
        });
        press("PrintTicketsButton");
        QVERIFY(preview.answered());
        QCOMPARE(previewed, static_cast<int>(pages));
    }
};

QTEST_MAIN(TicketsWindowTest)
#include "TicketsWindowTest.moc"
