#include "MainWindowFixture.h"

#include "analysis/Analysis.h"
#include "ui/Main.h"
#include "ui/reports/FairnessReport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {
const QString Examples = QStringLiteral(VELDORAN_EXAMPLES_DIR);
}

class AnalysisWindowsTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    template <typename T = QWidget> T* find(const QString& name) { return widget<T>(name); }
    bool analysisEnabled()
    {
        const bool map = find<QAction>("PairMapAction")->isEnabled();
        const bool fairness = find<QAction>("FairnessAction")->isEnabled();
        if (map != fairness)
            qFatal("the two analysis items disagree");
        return map;
    }
    QRect cellRect(QWidget* view, int first, int second)
    {
        QRect rect;
        if (!QMetaObject::invokeMethod(
                view, "cellRect", Q_RETURN_ARG(QRect, rect), Q_ARG(int32_t, first), Q_ARG(int32_t, second)))
            qFatal("no cellRect");
        return rect;
    }
    QString toolTipAt(QWidget* view, const QPoint& point)
    {
        QTest::mouseMove(view, point);
        QMouseEvent move(
            QEvent::MouseMove, point, view->mapToGlobal(point), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        return view->toolTip();
    }

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void analysisMenuFollowsTheWorkflow()
    {
        auto* bar = form->menuBar();
        QCOMPARE(bar->actions().size(), 5);
        QCOMPARE(bar->actions()[1]->menu(), find<QMenu>("AnalysisMenu"));
        QCOMPARE(bar->actions()[2]->menu(), find<QMenu>("TicketsMenu"));
        QCOMPARE(bar->actions()[4]->menu(), find<QMenu>("LanguageMenu"));
        QCOMPARE(find<QMenu>("AnalysisMenu")->title(), QString("Анализ"));
        QVERIFY(!analysisEnabled());
        open(Examples + "/6-49.txt");
        QVERIFY(!analysisEnabled());
        click("Button1");
        QVERIFY(!analysisEnabled());
        click("Button2");
        QVERIFY(analysisEnabled());
        open(Examples + "/5-36.txt");
        QVERIFY(!analysisEnabled());
    }

    // A click on a cell makes the pair's row current, whatever the sort.
    void pairMapClickSelectsTheRow()
    {
        runAll(Examples + "/20-99.txt");
        trigger("PairMapAction");
        auto* map = find<QWidget>("PairMap");
        QVERIFY(map->isWindow() && map->isVisible());
        auto* view = find<QWidget>("PairMapView");
        auto* grid = find<QAbstractItemView>("StringGrid2");
        QVERIFY(cellRect(view, 5, 5).isEmpty());
        QVERIFY(cellRect(view, 7, 3).isEmpty());
        for (const char* sort : { "", "Button3", "Button4", "Button5" }) {
            if (*sort)
                click(sort);
            for (const auto& [a, b] : { std::pair { 1, 2 }, { 17, 64 }, { 98, 99 } }) {
                const QRect cell = cellRect(view, a, b);
                QVERIFY(!cell.isEmpty());
                QTest::mouseClick(view, Qt::LeftButton, {}, cell.center());
                const int32_t pairNo = (a - 1) * (2 * 99 - a) / 2 + (b - a);
                QCOMPARE(grid->currentIndex().siblingAtColumn(0).data().toString(), QString::number(pairNo));
                QVERIFY(grid->viewport()->rect().intersects(grid->visualRect(grid->currentIndex())));
                const QString tip = toolTipAt(view, cell.center());
                QVERIFY2(
                    tip.startsWith(QString("Пара %1 и %2\nВыпадений: %3 ").arg(a).arg(b).arg(Main::Stats[pairNo].Hits)),
                    qPrintable(tip));
            }
        }
    }

    // The map over the last N draws, and the deviation's colour: red above
    // what a fair lottery gives, blue below.
    void lastDrawsAndDeviationColour()
    {
        runAll(Examples + "/6-49.txt");
        trigger("PairMapAction");
        auto* view = find<QWidget>("PairMapView");
        auto* last = find<QSpinBox>("LastDrawsBox");
        QCOMPARE(last->maximum(), 100);
        QCOMPARE(last->value(), 100);
        last->selectAll();
        QTest::keyClicks(last, "10");
        QTest::keyClick(last, Qt::Key_Enter);
        const Main::TRecentPairs recent = Main::CountRecentPairs(10);
        int32_t above = 0, below = 0;
        for (int32_t i = 1; i <= Main::PairCount; ++i) {
            const int32_t hits = recent.Stats[static_cast<std::size_t>(i - 1)].Hits;
            (hits >= 2 ? above : below) = i;
        }
        QVERIFY(above > 0 && below > 0);
        const QRect aboveCell = cellRect(view, Main::Pairs[above].First, Main::Pairs[above].Second);
        QVERIFY(toolTipAt(view, aboveCell.center())
                    .contains(QString("Выпадений: %1 (ожидается 0,13")
                                  .arg(recent.Stats[static_cast<std::size_t>(above - 1)].Hits)));

        auto* measure = find<QComboBox>("MeasureBox");
        measure->setCurrentIndex(measure->findText("Отклонение от ожидаемого"));
        const QImage image = view->grab().toImage();
        const auto colourAt = [&](int32_t pairNo) {
            const QRect r = cellRect(view, Main::Pairs[pairNo].First, Main::Pairs[pairNo].Second);
            return image.pixelColor(r.topLeft() * view->devicePixelRatioF() + QPoint(1, 1));
        };
        QVERIFY(colourAt(above).red() > colourAt(above).blue() + 50);
        QVERIFY(colourAt(below).blue() > colourAt(below).red() + 10);
    }

    void mapWithoutPairsSaysSo()
    {
        runAll(file("one.txt", "02/01\n0001  0101\n"));
        trigger("PairMapAction");
        auto* empty = find<QLabel>("PairMapEmpty");
        QVERIFY(empty->isVisible());
        QVERIFY(empty->text().contains("пар нет"));
    }

    void fairnessReportShowsTheFigures()
    {
        runAll(Examples + "/6-49.txt");
        trigger("FairnessAction");
        auto* report = find<TFairnessReport>("FairnessReport");
        QSignalSpy finished(report, &TFairnessReport::finished);
        QVERIFY(finished.wait(20000));
        const Main::TFairness expected = Main::AssessFairness(TFairnessReport::Simulations, TFairnessReport::Seed);
        const QString figures = find<QLabel>("FairnessFigures")->text();
        QVERIFY2(figures.contains(QString("Больше всего выпадений у пары: %1 — так или сильнее бывает в %2%")
                                      .arg(expected.MaxHits)
                                      .arg(QLocale(QLocale::Russian).toString(expected.MaxHitsChance * 100, 'f', 1))),
            qPrintable(figures));
        QVERIFY(figures.contains("Ожидаемое число выпадений пары: 1,28"));
        QCOMPARE(find<QLabel>("FairnessVerdict")->text(), TFairnessReport::Verdict(expected));
        QVERIFY(find<QLabel>("FairnessDraws")->text().contains("Тиражей в проверке: 100."));
    }

    void fairnessCanBeCancelled()
    {
        runAll(Examples + "/20-99.txt");
        trigger("FairnessAction");
        auto* report = find<TFairnessReport>("FairnessReport");
        QVERIFY(report->running());
        QSignalSpy finished(report, &TFairnessReport::finished);
        QTest::mouseClick(find<QPushButton>("FairnessCancel"), Qt::LeftButton);
        QVERIFY(finished.wait(5000));
        QCOMPARE(find<QLabel>("FairnessVerdict")->text(), QString("Проверка отменена."));
        QVERIFY(find<QLabel>("FairnessFigures")->text().isEmpty());
    }
};

QTEST_MAIN(AnalysisWindowsTest)
#include "AnalysisWindowsTest.moc"
