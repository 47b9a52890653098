#include "ModalDialogs.h"
#include "support/DrawFiles.h"

#include "ui/About.h"
#include "ui/Main.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QtTest>

#include <memory>

namespace {

const QString Examples = QStringLiteral(VELDORAN_EXAMPLES_DIR);

} // namespace

class CopyAndDropTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TForm1> form;

    template <typename T = QWidget> T* widget(const char* name)
    {
        auto* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char* name) { return widget<QLabel>(name)->text(); }

    void runAll(const QString& fileName)
    {
        form->openDrawFile(fileName);
        for (const char* name : { "Button1", "Button2" }) {
            QVERIFY2(widget(name)->isEnabled(), name);
            QTest::mouseClick(widget(name), Qt::LeftButton);
        }
    }

    void select(QAbstractItemView* grid, int top, int left, int bottom, int right)
    {
        QAbstractItemModel* model = grid->model();
        grid->setCurrentIndex(model->index(top, left));
        grid->selectionModel()->select(
            QItemSelection(model->index(top, left), model->index(bottom, right)), QItemSelectionModel::ClearAndSelect);
    }
    QString copy(QAbstractItemView* grid)
    {
        QGuiApplication::clipboard()->clear();
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text();
    }

    // Drops `urls` on the main window as a file manager would and returns
    // whether the window took the drag.
    bool drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = form->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &dropped);
        QCoreApplication::processEvents();
        return enter.isAccepted() && dropped.isAccepted();
    }

private slots:
    void init()
    {
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        form->show();
    }
    void cleanup()
    {
        Form1 = nullptr;
        form.reset();
    }

    void copiesRectangleOfCentralTable()
    {
        runAll(Examples + "/6-49.txt");
        auto* grid = widget<QAbstractItemView>("StringGrid2");
        select(grid, 2, 1, 3, 3);
        QStringList expected;
        for (int k = 2; k <= 3; ++k)
            expected
                << QString("%1\t%2\t%3").arg(Main::Stats[k].Hits).arg(Main::Stats[k].LastDraw).arg(Main::Stats[k].Gap);
        QCOMPARE(copy(grid), expected.join('\n'));
    }

    void copiesPanelGrid()
    {
        runAll(Examples + "/6-49.txt");
        auto* grid = widget<QAbstractItemView>("StringGrid4");
        select(grid, 0, 0, 1, 1);
        const Main::TExtremes hits = Main::Extremes(Main::TMeasure::Hits);
        QCOMPARE(copy(grid),
            QString("%1\t%2\n%3\t%4")
                .arg(hits.MaxList[0].First)
                .arg(hits.MaxList[0].Second)
                .arg(hits.MaxList[1].First)
                .arg(hits.MaxList[1].Second));
    }

    void copiesCurrentCellWithoutSelection()
    {
        runAll(Examples + "/6-49.txt");
        auto* grid = widget<QAbstractItemView>("StringGrid1");
        grid->setCurrentIndex(grid->model()->index(48, 2));
        grid->selectionModel()->clearSelection();
        QCOMPARE(copy(grid), QString("3")); // pair 49 is (2, 3)
    }

    void selectAllThenCopyTakesWholeGrid()
    {
        runAll(Examples + "/5-36.txt");
        auto* grid = widget<QAbstractItemView>("StringGrid1");
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        const QStringList lines = copy(grid).split('\n');
        QCOMPARE(lines.size(), 630);
        QCOMPARE(lines.first(), QString("1\t2")); // the fixed column is not selectable
        QCOMPARE(lines.last(), QString("35\t36"));
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void dropOpensFileAsTheDialogWould()
    {
        runAll(Examples + "/6-49.txt");
        QVERIFY(drop({ QUrl::fromLocalFile(Examples + "/5-36.txt") }));
        QCOMPARE(text("Label5"), QString("Лотерея типа: 5 из 36"));
        QCOMPARE(widget("Gauge1")->property("progress").toInt(), 0);
        QVERIFY(widget("Button1")->isEnabled());
        for (const char* name : { "Button2", "Button3", "Button4", "Button5" })
            QVERIFY(!widget(name)->isEnabled());
        QCOMPARE(Main::DrawCount, 250);
        QCOMPARE(text("Label14"), QString("Всего пар: 1176")); // previous results stay

        FileDialogAnswer next { QString() };
        widget<QAction>("N2")->trigger();
        QCOMPARE(next.offered, Examples + "/5-36.txt");
    }

    void droppedMissingFileShowsTheErrorBox()
    {
        MessageBoxAnswer box;
        QVERIFY(drop({ QUrl::fromLocalFile(Examples + "/missing.txt") }));
        QVERIFY(box.seen.shown);
        QCOMPARE(box.seen.text, QString("File not found."));
        QCOMPARE(box.seen.icon, QMessageBox::Critical);
    }

    void refusedDrops_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("aboutOpen");
        QTest::newRow("two files") << QList<QUrl> { QUrl::fromLocalFile(Examples + "/5-36.txt"),
            QUrl::fromLocalFile(Examples + "/6-49.txt") }
                                   << false;
        QTest::newRow("web address") << QList<QUrl> { QUrl("http://example.org/5-36.txt") } << false;
        QTest::newRow("nothing") << QList<QUrl> {} << false;
        QTest::newRow("About open") << QList<QUrl> { QUrl::fromLocalFile(Examples + "/5-36.txt") } << true;
    }
    void refusedDrops()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, aboutOpen);
        TForm3 about;
        Form3 = &about;
        if (aboutOpen)
            widget<QAction>("N5")->trigger();
        Main::DrawCount = 0;
        QVERIFY(!drop(urls));
        QCOMPARE(text("Label5"), QString("Лотерея типа:"));
        QCOMPARE(Main::DrawCount, 0);
        Form3 = nullptr;
    }

    // Scrolled down, the central table still shows its header on top: the
    // same pixels as before scrolling, and the cell there is row 0. A click
    // below it and a copy take the row shown, not the one under the header.
    void fixedRowStaysInViewWhenScrolled()
    {
        runAll(Examples + "/20-99.txt");
        auto* grid = widget<QAbstractItemView>("StringGrid2");
        QWidget* viewport = grid->viewport();
        const QRect headerBand(0, 0, viewport->width(), 24);
        const QImage before = viewport->grab(headerBand).toImage();
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum() / 2);
        QCoreApplication::processEvents();
        QCOMPARE(viewport->grab(headerBand).toImage(), before);
        QCOMPARE(grid->indexAt({ 5, 5 }).row(), 0);
        QCOMPARE(grid->visualRect(grid->model()->index(0, 1)).top(), 0);

        const QPoint below(5, 24 + 10);
        const QModelIndex shown = grid->indexAt(below);
        QVERIFY(shown.row() > 1000);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, below);
        QCOMPARE(grid->currentIndex(), shown);
        QCOMPARE(copy(grid), shown.data().toString());

        // Moving up from the top row shown scrolls it out from under the header.
        QTest::keyClick(grid, Qt::Key_Up);
        QVERIFY(grid->visualRect(grid->currentIndex()).top() >= 24);
        QCOMPARE(grid->currentIndex().row(), shown.row() - 1);
    }

    void fixedColumnStaysInViewWhenScrolled()
    {
        runAll(Examples + "/20-99.txt");
        auto* grid = widget<QAbstractItemView>("StringGrid1");
        grid->verticalScrollBar()->setValue(3000);
        QCoreApplication::processEvents();
        const QModelIndex first = grid->indexAt({ 3, 3 });
        QCOMPARE(first.column(), 0);
        QCOMPARE(first.data().toString(), QString::number(first.row() + 1));
    }
};

QTEST_MAIN(CopyAndDropTest)
#include "CopyAndDropTest.moc"
