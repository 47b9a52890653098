#include "MainWindowFixture.h"

#include "analysis/Analysis.h"

#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

namespace {
const QString Examples = QStringLiteral(VELDORAN_EXAMPLES_DIR);
}

// "Числа, пары, тройки" driven through its own controls.
class GroupTableTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    QWidget* window = nullptr;
    template <typename T> T* in(const char* name) { return FindControl<T>(window, name); }
    QStringList row(int r)
    {
        QStringList cells;
        QAbstractItemModel* model = in<QTableView>("GroupView")->model();
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        return cells;
    }
    void openWindow(const QString& draws)
    {
        runAll(draws);
        trigger("GroupsAction");
        window = FindControl<QWidget>(form.get(), "GroupTable");
        QVERIFY(window->isVisible());
    }
    void clickHeader(int column)
    {
        QHeaderView* header = in<QTableView>("GroupView")->horizontalHeader();
        const QPoint at(
            header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void sizesSortingAndFilter()
    {
        openWindow(Examples + "/6-49.txt");
        auto* model = in<QTableView>("GroupView")->model();
        QCOMPARE(model->rowCount(), 1176);
        QVERIFY2(in<QLabel>("GroupSummary")->text().contains("Тиражей: 100"),
            qPrintable(in<QLabel>("GroupSummary")->text()));

        auto* size = in<QComboBox>("GroupSizeBox");
        QTest::keyClick(size, Qt::Key_Down); // "Тройки"
        QCOMPARE(model->rowCount(), 18424);
        QCOMPARE(row(0)[0], QString("1 · 2 · 3"));
        QTest::keyClick(size, Qt::Key_Home); // "Числа"
        QCOMPARE(model->rowCount(), 49);

        // By hits, the most first after a second click; ties in number order.
        const Main::TGroupTable numbers = Main::CountGroups(1, 100);
        int32_t most = 0;
        for (const auto& g : numbers.Groups)
            most = std::max(most, g.Hits);
        clickHeader(1);
        clickHeader(1);
        QCOMPARE(in<QTableView>("GroupView")->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(row(0)[1], QString::number(most));
        for (int r = 1; r < model->rowCount(); ++r)
            QVERIFY(row(r - 1)[1].toInt() > row(r)[1].toInt()
                || (row(r - 1)[1] == row(r)[1] && row(r - 1)[0].toInt() < row(r)[0].toInt()));

        // Pairs with 7, over the last 10 draws.
        QTest::keyClick(size, Qt::Key_Down);
        auto* draws = in<QSpinBox>("GroupDrawsBox");
        draws->selectAll();
        QTest::keyClicks(draws, "10");
        QTest::keyClick(draws, Qt::Key_Enter);
        auto* number = in<QSpinBox>("GroupNumberBox");
        number->selectAll();
        QTest::keyClicks(number, "7");
        QTest::keyClick(number, Qt::Key_Enter);
        QCOMPARE(model->rowCount(), 48);
        const Main::TGroupTable pairs = Main::CountGroups(2, 10);
        for (int r = 0; r < model->rowCount(); ++r)
            QVERIFY(row(r)[0].split(" · ").contains("7"));
        QVERIFY(in<QLabel>("GroupSummary")->text().contains("Тиражей: 10"));
        QCOMPARE(pairs.Draws, 10);
    }

    // The CSV export reads back as the rows shown, in a Russian spreadsheet's
    // form; a double click on a pair selects its row of the central table.
    void exportAndPairRow()
    {
        openWindow(Examples + "/5-36.txt");
        clickHeader(5); // by gap
        const QString csv = QString::fromStdString(dir->path().string()) + "/группы.csv";
        FileDialogAnswer save(csv);
        QTest::mouseClick(in<QPushButton>("GroupSaveCsv"), Qt::LeftButton);
        QVERIFY(save.answered());
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 631);
        QCOMPARE(lines[0], QString("Числа;Выпадения;Ожидается;Отклонение;Посл. тираж;Пропуск"));
        QCOMPARE(lines[1], row(0).join(';'));
        QCOMPARE(lines[630], row(629).join(';'));
        QVERIFY(lines[1].split(';')[2].contains(','));

        auto* view = in<QTableView>("GroupView");
        const QRect cell = view->visualRect(view->model()->index(0, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        const QStringList pair = row(0)[0].split(" · ");
        auto* grid = widget<QAbstractItemView>("StringGrid2");
        const int pairNo = grid->model()->index(grid->currentIndex().row(), 0).data().toInt();
        QCOMPARE(QString::number(Main::Pairs[pairNo].First), pair[0]);
        QCOMPARE(QString::number(Main::Pairs[pairNo].Second), pair[1]);
    }
};

QTEST_MAIN(GroupTableTest)
#include "GroupTableTest.moc"
