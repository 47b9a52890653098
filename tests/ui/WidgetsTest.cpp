#include "ui/MessageBoxes.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/ScreenPlacement.h"
#include "ui/widgets/StringGrid.h"

#include <QHeaderView>
#include <QImage>
#include <QtTest>

class WidgetsTest : public QObject {
    Q_OBJECT

private:
    static QString cell(const TStringGrid& grid, int row, int col)
    {
        return grid.model()->index(row, col).data().toString();
    }

private slots:
    void gridNeverHasFewerThanOneRow_data()
    {
        QTest::addColumn<int>("fixedRows");
        QTest::addColumn<int>("newCount");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("fixedAfter");
        QTest::newRow("zero rows leave one") << 0 << 0 << 1 << 0;
        QTest::newRow("negative rows leave one") << 0 << -3 << 1 << 0;
        QTest::newRow("count equal to fixed rows lowers them") << 1 << 1 << 1 << 0;
        QTest::newRow("count below fixed rows lowers them") << 3 << 2 << 2 << 1;
        QTest::newRow("count above fixed rows keeps them") << 1 << 2 << 2 << 1;
    }
    void gridNeverHasFewerThanOneRow()
    {
        QFETCH(int, fixedRows);
        QFETCH(int, newCount);
        QFETCH(int, rows);
        QFETCH(int, fixedAfter);
        TStringGrid grid("Grid", { 0, 0, 100, 100 },
            { .colCount = 2, .rowCount = 5, .fixedCols = 0, .fixedRows = fixedRows }, nullptr);
        grid.setRowCount(newCount);
        QCOMPARE(grid.model()->rowCount(), rows);
        int fixed = 0; // rows whose cells cannot be selected
        while (fixed < rows && !(grid.model()->index(fixed, 1).flags() & Qt::ItemIsSelectable))
            ++fixed;
        QCOMPARE(fixed, fixedAfter);
    }

    void gridKeepsCellsInsideItAndLosesTheRest()
    {
        TStringGrid grid(
            "Grid", { 0, 0, 100, 100 }, { .colCount = 2, .rowCount = 3, .fixedCols = 1, .fixedRows = 0 }, nullptr);
        grid.setCell(1, 0, 7);
        grid.setCell(1, 2, QString("x"));
        grid.setRowCount(1);
        QCOMPARE(cell(grid, 0, 1), QString("7"));
        grid.setRowCount(3);
        QCOMPARE(cell(grid, 2, 1), QString());
    }

    void gridCellsSelectableNotEditableFixedShaded()
    {
        TStringGrid grid(
            "Grid", { 0, 0, 200, 200 }, { .colCount = 3, .rowCount = 4, .fixedCols = 1, .fixedRows = 1 }, nullptr);
        const QModelIndex fixedCell = grid.model()->index(0, 1);
        const QModelIndex fixedColumnCell = grid.model()->index(2, 0);
        const QModelIndex normal = grid.model()->index(2, 2);
        QVERIFY(!(normal.flags() & Qt::ItemIsEditable));
        QVERIFY(normal.flags() & Qt::ItemIsSelectable);
        QVERIFY(!fixedCell.flags().testFlag(Qt::ItemIsSelectable));
        QVERIFY(fixedCell.data(Qt::BackgroundRole).isValid());
        QVERIFY(fixedColumnCell.data(Qt::BackgroundRole).isValid());
        QVERIFY(!normal.data(Qt::BackgroundRole).isValid());
        QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(grid.showGrid());
        QVERIFY(grid.horizontalHeader()->isHidden());
        QVERIFY(grid.verticalHeader()->isHidden());
        QCOMPARE(grid.columnWidth(1), 64);
        QCOMPARE(grid.rowHeight(1), 24);
    }

    void gaugeClampsItsValue_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("expected");
        QTest::newRow("step") << 0 << 16 << 16;
        QTest::newRow("past the top") << 96 << 16 << 100;
        QTest::newRow("below zero") << 10 << -50 << 0;
        QTest::newRow("huge") << 50 << INT_MAX << 100;
    }
    void gaugeClampsItsValue()
    {
        QFETCH(int, start);
        QFETCH(int, delta);
        QFETCH(int, expected);
        TGauge gauge("Gauge", { 0, 0, 113, 113 }, nullptr);
        gauge.setProgress(start);
        gauge.addProgress(delta);
        QCOMPARE(gauge.property("progress").toInt(), expected);
        QVERIFY(gauge.setProperty("progress", 250));
        QCOMPARE(gauge.progress(), 100);
    }

    void gaugeDrawsSectorClockwiseFromNoon()
    {
        TGauge gauge("Gauge", { 0, 0, 113, 113 }, nullptr);
        gauge.setProgress(25);
        const QImage image = gauge.grab().toImage();
        const QColor green(192, 220, 192);
        const auto at = [&image](int x, int y) { return image.pixelColor(x, y); };
        QCOMPARE(at(80, 30), green); // upper right quarter: done
        QVERIFY(at(30, 30) != green); // upper left: still to do
        QVERIFY(at(80, 85) != green); // lower right: still to do
        gauge.setProgress(100);
        QCOMPARE(gauge.grab().toImage().pixelColor(30, 85), green);
    }

    // The percentage reads as separate glyphs: columns of the text band that
    // hold ink come in one run a character.
    void gaugeTextHasSeparateGlyphs_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("glyphs");
        QTest::newRow("0%") << 0 << 2;
        QTest::newRow("100%") << 100 << 4;
    }
    void gaugeTextHasSeparateGlyphs()
    {
        QFETCH(int, value);
        QFETCH(int, glyphs);
        TGauge gauge("Gauge", { 0, 0, 113, 113 }, nullptr);
        gauge.setProgress(value);
        const QImage image = gauge.grab().toImage();
        int runs = 0;
        bool inked = false;
        for (int x = 20; x < 93; ++x) {
            bool ink = false;
            for (int y = 46; y < 67 && !ink; ++y) {
                const QColor c = image.pixelColor(x, y);
                ink = c.lightness() < 100; // the glyphs' cores, not their antialiased edges
            }
            runs += ink && !inked;
            inked = ink;
        }
        QCOMPARE(runs, glyphs);
    }

    void windowKeepsItsPlaceWhereItFits_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("place");
        const QPoint stated(192, 107);
        QTest::newRow("fits") << QRect(0, 0, 1024, 768) << stated;
        QTest::newRow("narrow") << QRect(0, 0, 900, 768) << QPoint(900 - 763, 107);
        QTest::newRow("200% of 1024x768") << QRect(0, 0, 512, 384) << QPoint(0, 0);
        QTest::newRow("second screen") << QRect(1024, 0, 1280, 1024) << QPoint(1024, 107);
        QTest::newRow("panel on top") << QRect(0, 200, 1024, 568) << QPoint(192, 200);
    }
    void windowKeepsItsPlaceWhereItFits()
    {
        QFETCH(QRect, screen);
        QFETCH(QPoint, place);
        QCOMPARE(PlaceOnScreen({ 192, 107 }, { 763, 520 }, screen), place);
    }

    void errorBoxAddsFullStopAfterLettersAndDigits_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "File not found"
                                << "File not found.";
        QTest::newRow("digit") << "I/O error 5"
                               << "I/O error 5.";
        QTest::newRow("cyrillic") << "Ошибка"
                                  << "Ошибка.";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("quote") << "'x' is 'y'"
                               << "'x' is 'y'";
        QTest::newRow("bracket") << "error (5)"
                                 << "error (5)";
        QTest::newRow("blank") << "error "
                               << "error ";
        QTest::newRow("empty") << ""
                               << "";
    }
    void errorBoxAddsFullStopAfterLettersAndDigits()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorBoxText(message), shown);
    }

    void applicationTitleFromExecutableName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("upper case") << "/opt/VELDORAN.EXE"
                                    << "Veldoran";
        QTest::newRow("lower case") << "/usr/bin/veldoran"
                                    << "veldoran";
        QTest::newRow("mixed") << "build/Pair.Tool.bin"
                               << "Pair";
        QTest::newRow("cyrillic") << "/home/ЛОТО"
                                  << "Лото";
    }
    void applicationTitleFromExecutableName()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(ApplicationTitleOf(path), title);
        QCOMPARE(ApplicationTitle(), QString("widgets_tests"));
    }
};

QTEST_MAIN(WidgetsTest)
#include "WidgetsTest.moc"
