#include "MainWindowFixture.h"

#include "analysis/Analysis.h"
#include "ui/reports/StrategyReport.h"
#include "ui/reports/StrategyVerdict.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {
const QString Examples = QStringLiteral(VELDORAN_EXAMPLES_DIR);
}

// "Проверка стратегии" driven through its own controls.
class StrategyReportTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    TStrategyReport* report = nullptr;
    template <typename T> T* in(const char* name) { return FindControl<T>(report, name); }
    void waitForResult() { QTRY_VERIFY_WITH_TIMEOUT(!report->running(), 20000); }
    QString cell(int row, int column) { return in<QTableWidget>("StrategyTable")->item(row, column)->text(); }

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void rulesSettingsAndVerdict()
    {
        runAll(Examples + "/6-49.txt");
        trigger("StrategyAction");
        report = FindControl<TStrategyReport>(form.get(), "StrategyReport");
        QVERIFY(report->isVisible());
        waitForResult();
        QCOMPARE(in<QSpinBox>("StrategyPicksBox")->value(), 10);
        QCOMPARE(in<QSpinBox>("StrategyWarmupBox")->value(), 50); // half of a short file
        for (std::size_t i = 0; i < 4; ++i) {
            const auto check = Main::CheckPairRule(StrategyVerdict::Rules[i], 10, 50, 50);
            QCOMPARE(cell(static_cast<int>(i), 1), QString::number(check.Hits));
        }
        const QString verdict = in<QLabel>("StrategyVerdict")->text();
        QVERIFY2(verdict.startsWith("За 50 тиражей пары по правилу «самые частые пары» (10 в каждом тираже)"),
            qPrintable(verdict));
        QVERIFY2(verdict.contains("Бонферрони"), qPrintable(verdict));

        // Another rule and more pairs, typed as a user would.
        QTest::keyClick(in<QComboBox>("StrategyRuleBox"), Qt::Key_End);
        auto* picks = in<QSpinBox>("StrategyPicksBox");
        picks->selectAll();
        QTest::keyClicks(picks, "100");
        QTest::keyClick(picks, Qt::Key_Enter);
        auto* recent = in<QSpinBox>("StrategyRecentBox");
        recent->selectAll();
        QTest::keyClicks(recent, "7");
        QTest::keyClick(recent, Qt::Key_Enter);
        waitForResult();
        const auto hot = Main::CheckPairRule(Main::TPairRule::HotRecent, 100, 50, 7);
        QCOMPARE(cell(3, 1), QString::number(hot.Hits));
        QCOMPARE(cell(3, 0), QString("частые за последние 7 тиражей"));
        QVERIFY(in<QLabel>("StrategyVerdict")->text().contains("«частые за последние 7 тиражей» (100 в каждом"));
        const auto series = in<QChartView>("StrategyChart")->chart()->series();
        QCOMPARE(series.size(), 3);
        auto* line = qobject_cast<QLineSeries*>(series.last());
        QVERIFY(line);
        QCOMPARE(line->count(), 50);
        QCOMPARE(line->at(49).y(), double(hot.Hits));
    }

    void verdictWords_data()
    {
        QTest::addColumn<int>("predicted");
        QTest::addColumn<int>("hits");
        QTest::addColumn<double>("chance");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("not better") << 900 << 98 << 0.31 << "За 900 тиражей"
                                    << "бывает в 31,0% честных лотерей).";
        QTest::newRow("one draw, few") << 1 << 2 << 0.5 << "За 1 тираж"
                                       << "бывает в 50,0% честных лотерей).";
        QTest::newRow("better") << 22 << 21 << 0.004 << "За 22 тиража"
                                << "лишь в 0,4% честных лотерей. Но и это не обещает ничего в следующих тиражах.";
    }
    void verdictWords()
    {
        QFETCH(int, predicted);
        QFETCH(int, hits);
        QFETCH(double, chance);
        QFETCH(QString, start);
        QFETCH(QString, end);
        Main::TStrategyCheck check;
        check.Predicted = predicted;
        check.Picks = 10;
        check.Hits = hits;
        check.Expected = 92.6;
        check.Deviation = 9.4;
        check.Chance = chance;
        const QString text = StrategyVerdict::OnRule(check, "самые частые пары");
        QVERIFY2(text.startsWith(start) && text.endsWith(end), qPrintable(text));
        QVERIFY2(text.contains(QString("выпали %1 %2").arg(hits).arg(hits == 2 ? "раза" : "раз")), qPrintable(text));
        QVERIFY(text.contains("в среднем 92,6 ± 9,4"));
    }
};

QTEST_MAIN(StrategyReportTest)
#include "StrategyReportTest.moc"
