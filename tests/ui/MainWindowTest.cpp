#include "MainWindowFixture.h"
#include "ModalDialogs.h"
#include "support/DrawFiles.h"

#include "analysis/Analysis.h"
#include "ui/Main.h"
#include "ui/MessageBoxes.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/ScreenPlacement.h"
#include "ui/widgets/StringGrid.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

const QString Examples = QStringLiteral(VELDORAN_EXAMPLES_DIR);

// Records the indicator's value each time it is painted.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* gauge) { gauge->installEventFilter(this); }
    QList<int> values;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            values << watched->property("progress").toInt();
        return false;
    }
};

} // namespace

class MainWindowTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    QString text(const char* name)
    {
        if (auto* label = form->findChild<QLabel*>(name))
            return label->text();
        return widget<QAbstractButton>(name)->text();
    }
    bool enabled(const char* name) { return widget(name)->isEnabled(); }
    QAbstractItemModel* grid(const char* name) { return widget<QAbstractItemView>(name)->model(); }
    QString cell(const char* name, int row, int col) { return grid(name)->index(row, col).data().toString(); }
    int rows(const char* name) { return grid(name)->rowCount(); }
    int progress() { return widget("Gauge1")->property("progress").toInt(); }

    // Presses the control of the command `handler` names ("Button2Click": the
    // button Button2, "N2Click": the menu item N2), which must be enabled.
    void press(const char* handler)
    {
        const QString name = QString(handler).chopped(int(std::strlen("Click")));
        if (auto* action = form->findChild<QAction*>(name)) {
            QVERIFY2(action->isEnabled(), handler);
            action->trigger();
            return;
        }
        auto* button = widget<QAbstractButton>(name);
        QVERIFY2(button->isEnabled(), handler);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // A disabled command is run by its handler's name: its refusal is the point.
    void pressOrInvoke(const char* handler)
    {
        const QString name = QString(handler).chopped(int(std::strlen("Click")));
        auto* control = form->findChild<QWidget*>(name);
        if (control && !control->isEnabled())
            QVERIFY(QMetaObject::invokeMethod(form.get(), handler));
        else
            press(handler);
    }
    // Opens a file through the dialog and returns the error box it caused, if any.
    SeenMessage openAndSee(const QString& fileName)
    {
        MessageBoxAnswer box;
        open(fileName);
        return box.seen;
    }
    SeenMessage pressAndSee(const char* handler)
    {
        MessageBoxAnswer box;
        pressOrInvoke(handler);
        return box.seen;
    }

private slots:
    void init() { setUp(); }

    void cleanup()
    {
        tearDown();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void windowAsDesigned()
    {
        QCOMPARE(form->windowTitle(), QString("VELDORAN 1.0"));
        QCOMPARE(form->centralWidget()->size(), QSize(763, 480));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
        // At its stated place where it fits on the screen, else moved just
        // enough to fit (the offscreen screen is 800 by 600).
        const QRect screen = form->screen()->availableGeometry();
        const QSize framed = form->size() + QSize(0, form->style()->pixelMetric(QStyle::PM_TitleBarHeight));
        QCOMPARE(form->pos(), PlaceOnScreen({ 192, 107 }, framed, screen));
        QCOMPARE(form->pos().y(), 107);
    }

    void controlPlaces_data()
    {
        QTest::addColumn<QRect>("place");
        const struct {
            const char* name;
            QRect place;
        } controls[] = {
            { "StringGrid1", { 8, 24, 109, 433 } },
            { "Button1", { 128, 24, 129, 25 } },
            { "Button2", { 128, 64, 129, 25 } },
            { "GroupBox1", { 120, 104, 145, 153 } },
            { "Button3", { 128, 136, 129, 25 } },
            { "Button4", { 128, 176, 129, 25 } },
            { "Button5", { 128, 216, 129, 25 } },
            { "Gauge1", { 136, 312, 113, 113 } },
            { "StringGrid2", { 269, 24, 280, 433 } },
            { "StringGrid3", { 568, 32, 74, 120 } },
            { "StringGrid4", { 672, 32, 74, 120 } },
            { "StringGrid5", { 568, 184, 74, 120 } },
            { "StringGrid6", { 672, 184, 74, 120 } },
            { "StringGrid7", { 568, 336, 74, 120 } },
            { "StringGrid8", { 672, 336, 74, 120 } },
            // Labels: left, top and height; their width follows their text.
            { "Label5", { 8, 8, 0, 13 } },
            { "Label14", { 8, 464, 0, 13 } },
            { "Label13", { 168, 296, 0, 13 } },
            { "Label1", { 328, 8, 0, 13 } },
            { "Label11", { 592, 4, 0, 13 } },
            { "Label3", { 552, 16, 0, 13 } },
            { "Label4", { 656, 16, 0, 13 } },
            { "Label12", { 600, 155, 0, 13 } },
            { "Label6", { 552, 168, 0, 13 } },
            { "Label7", { 656, 168, 0, 13 } },
            { "Label8", { 592, 307, 0, 13 } },
            { "Label9", { 552, 320, 0, 13 } },
            { "Label10", { 656, 320, 0, 13 } },
            { "Label2", { 576, 465, 0, 13 } },
        };
        for (const auto& c : controls)
            QTest::newRow(c.name) << c.place;
    }
    void controlPlaces()
    {
        QFETCH(QRect, place);
        QWidget* control = widget(QTest::currentDataTag());
        const QRect actual(control->mapTo(form->centralWidget(), QPoint(0, 0)), control->size());
        QCOMPARE(actual.topLeft(), place.topLeft());
        QCOMPARE(actual.height(), place.height());
        if (place.width() > 0)
            QCOMPARE(actual.width(), place.width());
        else
            QVERIFY(actual.width() >= qobject_cast<QLabel*>(control)->sizeHint().width());
    }

    void startTexts_data()
    {
        QTest::addColumn<QString>("expected");
        const struct {
            const char* name;
            const char* text;
        } texts[] = {
            { "Label5", "Лотерея типа:" },
            { "Label14", "Всего пар:" },
            { "Button1", "Создать пары" },
            { "Button2", "Статистика" },
            { "Button3", "количества выпадений" },
            { "Button4", "последнего тиража" },
            { "Button5", "пропуска" },
            { "Label13", "Процесс:" },
            { "Label1", "Обработано тиражей:" },
            { "Label11", "Количество выпадений:" },
            { "Label3", "минимальное:" },
            { "Label4", "максимальное:" },
            { "Label12", "Тираж выпадения:" },
            { "Label6", "минимальный:" },
            { "Label7", "максимальный" },
            { "Label8", "Количество пропусков:" },
            { "Label9", "максимальное:" },
            { "Label10", "минимальное:" },
        };
        for (const auto& t : texts)
            QTest::newRow(t.name) << QString(t.text);
    }
    void startTexts()
    {
        QFETCH(QString, expected);
        QCOMPARE(text(QTest::currentDataTag()), expected);
    }

    void menu()
    {
        const struct {
            const char* name;
            const char* text;
        } items[] = { { "N2", "Открыть" }, { "N3", "Выход" }, { "N5", "О программе" }, { "N6", "Помощь" } };
        for (const auto& item : items)
            QCOMPARE(widget<QAction>(item.name)->text(), QString(item.text));
        QCOMPARE(form->findChild<QMenu*>("N1")->title(), QString("Файл"));
        QCOMPARE(form->findChild<QMenu*>("N4")->title(), QString("Помощь"));
    }

    void everyTextFitsItsControl()
    {
        runAll(Examples + "/20-99.txt");
        for (QLabel* label : form->findChildren<QLabel*>())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        for (QPushButton* button : form->findChildren<QPushButton*>()) {
            const int textWidth = button->fontMetrics().horizontalAdvance(button->text());
            QVERIFY2(textWidth + 4 <= button->width(), qPrintable(button->objectName()));
        }
        QVERIFY(widget("Label14")->width() >= widget<QLabel>("Label14")->sizeHint().width());
        QCOMPARE(text("Label14"), QString("Всего пар: 4851"));
    }

    void focusOrder()
    {
        const QStringList expected { "Button1", "StringGrid1", "Button2", "StringGrid2", "Button3", "Button4",
            "Button5", "StringGrid3", "StringGrid4", "StringGrid5", "StringGrid6", "StringGrid7", "StringGrid8" };
        QStringList chain;
        QWidget* start = widget("Button1");
        QWidget* w = start;
        do {
            if (expected.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != start);
        QCOMPARE(chain, expected);
    }

    void refusesCommandsBeforeAFileIsOpened_data()
    {
        QTest::addColumn<QString>("handler");
        QTest::newRow("Создать пары") << "Button1Click";
        QTest::newRow("Статистика") << "Button2Click";
    }
    void refusesCommandsBeforeAFileIsOpened()
    {
        QFETCH(QString, handler);
        const SeenMessage seen = pressAndSee(qPrintable(handler));
        QVERIFY(seen.shown);
        QCOMPARE(seen.text, QString("Вы должны сначала открыть файл!"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.title, QString("ui_tests"));
        QCOMPARE(seen.buttons, QStringList { "OK" });
        QCOMPARE(rows("StringGrid1"), 40);
        QCOMPARE(text("Label14"), QString("Всего пар:"));
        QVERIFY(enabled("Button1"));
        QVERIFY(!enabled("Button2"));
    }

    void workflowOnSixOutOf49()
    {
        QVERIFY(!openAndSee(Examples + "/6-49.txt").shown);
        QCOMPARE(text("Label5"), QString("Лотерея типа: 6 из 49"));
        QCOMPARE(progress(), 0);
        QVERIFY(enabled("Button1"));
        for (const char* name : { "Button2", "Button3", "Button4", "Button5" })
            QVERIFY(!enabled(name));

        press("Button1Click");
        QCOMPARE(rows("StringGrid1"), 1176);
        QCOMPARE(cell("StringGrid1", 0, 0), QString("1"));
        QCOMPARE(cell("StringGrid1", 0, 2), QString("2"));
        QCOMPARE(cell("StringGrid1", 1175, 0), QString("1176"));
        QCOMPARE(cell("StringGrid1", 1175, 1), QString("48"));
        QCOMPARE(cell("StringGrid1", 1175, 2), QString("49"));
        QCOMPARE(text("Label14"), QString("Всего пар: 1176"));
        QVERIFY(!enabled("Button1"));
        QVERIFY(enabled("Button2"));

        const auto inkAtCentre = [this] { // dark pixels of the inverted percentage
            const QImage image = widget("Gauge1")->grab().toImage();
            int ink = 0;
            for (int y = 46; y < 67; ++y)
                for (int x = 30; x < 83; ++x)
                    ink += image.pixelColor(x, y).lightness() < 100;
            return ink;
        };
        const int inkAtZero = inkAtCentre();
        PaintRecorder painted(widget("Gauge1"));
        press("Button2Click");
        QCOMPARE(painted.values, (QList<int> { 16, 32, 48, 64, 80, 96, 100 }));
        QVERIFY(inkAtZero > 20);
        QVERIFY2(inkAtCentre() > inkAtZero + 20, "\"100%\" has more ink than \"0%\"");
        QCOMPARE(text("Label1"), QString("Обработано тиражей: 100"));
        QCOMPARE(rows("StringGrid2"), 1177);
        QCOMPARE(cell("StringGrid2", 0, 0), QString("Номер"));
        QCOMPARE(cell("StringGrid2", 0, 1), QString("Кол. выпад."));
        QCOMPARE(cell("StringGrid2", 0, 2), QString("Посл. тираж"));
        QCOMPARE(cell("StringGrid2", 0, 3), QString("Пропуск"));
        for (int k = 1; k <= 1176; ++k) {
            const Main::TPairStat& s = Main::Stats[k];
            const QStringList row { cell("StringGrid2", k, 0), cell("StringGrid2", k, 1), cell("StringGrid2", k, 2),
                cell("StringGrid2", k, 3) };
            QCOMPARE(row,
                (QStringList { QString::number(k), QString::number(s.Hits), QString::number(s.LastDraw),
                    QString::number(s.Gap) }));
        }
        for (const char* name : { "Button3", "Button4", "Button5" })
            QVERIFY(enabled(name));
        QVERIFY(!enabled("Button2"));
        QVERIFY(!enabled("Button1"));
    }

    void extremePanels()
    {
        runAll(Examples + "/6-49.txt");
        const struct {
            Main::TMeasure measure;
            const char *minLabel, *minPrefix, *minGrid, *maxLabel, *maxPrefix, *maxGrid;
        } panels[] = {
            { Main::TMeasure::Hits, "Label3", "минимальное: ", "StringGrid3", "Label4",
                "максимальное: ", "StringGrid4" },
            { Main::TMeasure::LastDraw, "Label6", "минимальный: ", "StringGrid5", "Label7",
                "максимальный: ", "StringGrid6" },
            { Main::TMeasure::Gap, "Label9", "минимальное: ", "StringGrid7", "Label10",
                "максимальное: ", "StringGrid8" },
        };
        for (const auto& p : panels) {
            const Main::TExtremes e = Main::Extremes(p.measure);
            QCOMPARE(text(p.minLabel), p.minPrefix + QString::number(e.Min));
            QCOMPARE(text(p.maxLabel), p.maxPrefix + QString::number(e.Max));
            for (const auto& [gridName, list] : { std::pair { p.minGrid, e.MinList }, { p.maxGrid, e.MaxList } }) {
                QCOMPARE(rows(gridName), int(list.size()));
                for (int r = 0; r < int(list.size()); ++r) {
                    QCOMPARE(cell(gridName, r, 0), QString::number(list[r].First));
                    QCOMPARE(cell(gridName, r, 1), QString::number(list[r].Second));
                }
            }
        }
        // 100 draws of 6 out of 49 leave some pair never drawn: last draw 0 and
        // a gap of the most recent draw number.
        QCOMPARE(text("Label6"), QString("минимальный: 0"));
        QCOMPARE(text("Label10"), QString("максимальное: 100"));
    }

    void sortToggles()
    {
        runAll(Examples + "/5-36.txt");
        const auto firstColumn = [this] {
            QList<int> numbers;
            for (int k = 1; k < rows("StringGrid2"); ++k)
                numbers << cell("StringGrid2", k, 0).toInt();
            return numbers;
        };
        const auto columnOf = [](const Main::TStatTable& table) {
            QList<int> numbers;
            for (int k = 1; k <= Main::PairCount; ++k)
                numbers << table[k].PairNo;
            return numbers;
        };
        const QList<int> unsorted = columnOf(Main::Stats);
        QCOMPARE(firstColumn(), unsorted);

        // The view is told once of every fill, and shows the new first row
        // where the view puts it.
        auto* view = widget<QAbstractItemView>("StringGrid2");
        QSignalSpy told(view->model(), &QAbstractItemModel::dataChanged);
        press("Button3Click");
        QCOMPARE(told.count(), 1);
        const QModelIndex top = view->model()->index(1, 0);
        QCOMPARE(view->indexAt(view->visualRect(top).center()), top);
        QCOMPARE(top.data().toString(), QString::number(Main::ByHits[1].PairNo));
        QCOMPARE(firstColumn(), columnOf(Main::ByHits));
        QCOMPARE(text("Button3"), QString("отменить"));
        press("Button4Click");
        QCOMPARE(firstColumn(), columnOf(Main::ByLastDraw));
        QCOMPARE(text("Button3"), QString("отменить"));
        QCOMPARE(text("Button4"), QString("отменить"));
        press("Button3Click");
        QCOMPARE(firstColumn(), unsorted);
        QCOMPARE(text("Button3"), QString("Кол-ва выпадений"));
        QCOMPARE(text("Button4"), QString("отменить"));
        press("Button5Click");
        QCOMPARE(firstColumn(), columnOf(Main::ByGap));
        press("Button5Click");
        QCOMPARE(text("Button5"), QString("пропуска"));
        QCOMPARE(firstColumn(), unsorted);

        // Toggle states and captions survive a new file; the new statistics
        // show the unsorted table and the first press of Button4 undoes.
        runAll(Examples + "/6-49.txt");
        QCOMPARE(text("Button4"), QString("отменить"));
        QCOMPARE(firstColumn(), columnOf(Main::Stats));
        press("Button4Click");
        QCOMPARE(text("Button4"), QString("последнего тираж"));
        QCOMPARE(firstColumn(), columnOf(Main::Stats));
    }

    void previousResultsStayUntilComputedAgain()
    {
        runAll(Examples + "/6-49.txt");
        QVERIFY(!openAndSee(Examples + "/5-36.txt").shown);
        QCOMPARE(text("Label5"), QString("Лотерея типа: 5 из 36"));
        QCOMPARE(rows("StringGrid1"), 1176);
        QCOMPARE(text("Label14"), QString("Всего пар: 1176"));
        QCOMPARE(rows("StringGrid2"), 1177);
        QCOMPARE(text("Label1"), QString("Обработано тиражей: 100"));
        QCOMPARE(progress(), 0);
        QVERIFY(enabled("Button1"));
        for (const char* name : { "Button2", "Button3", "Button4", "Button5" })
            QVERIFY(!enabled(name));
    }

    void cancelledDialogChangesNothing()
    {
        runAll(Examples + "/6-49.txt");
        FileDialogAnswer cancel { QString() };
        press("N2Click");
        QVERIFY(cancel.answered());
        QCOMPARE(progress(), 100);
        QCOMPARE(text("Label5"), QString("Лотерея типа: 6 из 49"));
        QVERIFY(enabled("Button3"));
        QVERIFY(!enabled("Button1"));
        QCOMPARE(Main::DrawCount, 100);
    }

    void openDialog()
    {
        const QString first = Examples + "/5-36.txt";
        FileDialogAnswer answer(first);
        press("N2Click");
        QCOMPARE(answer.title, QString("Открытие файла"));
        QCOMPARE(answer.fileMode, QFileDialog::AnyFile);
        FileDialogAnswer again { QString() };
        press("N2Click");
        QCOMPARE(again.offered, first);

        // One dialog for each command, shown again: none is made and left.
        for (const char* action : { "N2", "ImportAction", "N2", "ImportAction" }) {
            FileDialogAnswer cancel { QString() };
            trigger(action);
            QVERIFY(cancel.answered());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(form->findChildren<QFileDialog*>().size(), 2);
    }

    void loadFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("lotteryType");
        QTest::newRow("missing file") << "missing.txt" << QByteArray() << "File not found."
                                      << "Лотерея типа:";
        QTest::newRow("bad draw line") << "bad.txt" << QByteArray("06/49\n0001  0102030405xx\n")
                                       << "'xx' is not a valid integer value."
                                       << "Лотерея типа: 6 из 49";
        QTest::newRow("too many numbers") << "wide.txt" << QByteArray("21/99\n")
                                          << "Лотерея типа 21 из 99 не поддерживается: в тираже не больше 20 чисел."
                                          << "Лотерея типа: 21 из 99";
        QTest::newRow("markup shown as typed")
            << "markup.txt" << QByteArray("06/49\n<b>x  0102030405xx\n") << "'<b>x' is not a valid integer value."
            << "Лотерея типа: 6 из 49";
    }
    void loadFailures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QFETCH(QString, lotteryType);
        const QString path
            = bytes.isNull() ? dir->path().c_str() + QString("/") + name : file(qPrintable(name), bytes.toStdString());
        const SeenMessage seen = openAndSee(path);
        QVERIFY(seen.shown);
        QCOMPARE(seen.text, message);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.format, Qt::PlainText);
        QCOMPARE(seen.buttons, QStringList { "OK" });
        QCOMPARE(seen.title, ApplicationTitle());
        QCOMPARE(text("Label5"), lotteryType);
        // The file counts as opened: the user may go on with what was read.
        QVERIFY(enabled("Button1"));
        QVERIFY(!pressAndSee("Button1Click").shown);
    }

    void lotteryWithoutPairs()
    {
        runAll(Examples + "/6-49.txt");
        runAll(file("one.txt", "01/01\n0001  01\n0002  01\n"));
        QCOMPARE(rows("StringGrid1"), 1);
        QCOMPARE(cell("StringGrid1", 0, 0), QString("1")); // not rewritten
        QCOMPARE(text("Label14"), QString("Всего пар: 0"));
        QCOMPARE(rows("StringGrid2"), 1);
        QCOMPARE(cell("StringGrid2", 0, 0), QString("Номер"));
        QCOMPARE(text("Label1"), QString("Обработано тиражей: 2"));
        const struct {
            const char *label, *prefix, *grid;
        } sides[] = { { "Label3", "минимальное: ", "StringGrid3" }, { "Label4", "максимальное: ", "StringGrid4" },
            { "Label6", "минимальный: ", "StringGrid5" }, { "Label7", "максимальный: ", "StringGrid6" },
            { "Label9", "минимальное: ", "StringGrid7" }, { "Label10", "максимальное: ", "StringGrid8" } };
        for (const auto& side : sides) {
            QCOMPARE(text(side.label), QString(side.prefix));
            QCOMPARE(rows(side.grid), 1);
            QCOMPARE(cell(side.grid, 0, 0), QString());
            QCOMPARE(cell(side.grid, 0, 1), QString());
        }
        QCOMPARE(progress(), 100);
    }

    void fileWithoutDraws()
    {
        runAll(file("empty.txt", "06/49\n"));
        QCOMPARE(text("Label1"), QString("Обработано тиражей: 0"));
        QCOMPARE(text("Label3"), QString("минимальное: 0"));
        QCOMPARE(text("Label10"), QString("максимальное: 0"));
        QCOMPARE(rows("StringGrid3"), 1176);
        QCOMPARE(cell("StringGrid2", 1176, 3), QString("0"));
    }

    void exitClosesTheWindow()
    {
        press("N3Click");
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
