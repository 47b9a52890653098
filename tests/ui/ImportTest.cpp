#include "MainWindowFixture.h"

#include "analysis/Analysis.h"
#include "ui/Main.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

class ImportTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    QString label(const char* name) { return widget<QLabel>(name)->text(); }
    QStringList centralTable()
    {
        QStringList cells;
        QAbstractItemModel* model = widget<QAbstractItemView>("StringGrid2")->model();
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(r, c).data().toString();
        return cells;
    }
    // Runs "Импорт…" on `fileName`; `answer` sees the import dialog and closes it.
    void import(const QString& fileName, const std::function<void(QDialog*)>& answer)
    {
        FileDialogAnswer fileAnswer(fileName);
        ModalAnswer<QDialog> dialog([&answer](QDialog* d) {
            if (d->objectName() == "ImportDialog")
                answer(d);
            if (d->isVisible()) // a failed check inside `answer` must not hang the test
                d->reject();
        });
        QAction* action = widget<QAction>("ImportAction");
        QVERIFY(action->isEnabled());
        action->trigger();
        QVERIFY(fileAnswer.answered());
        QVERIFY(dialog.answered());
    }

    // A newest-first history with a header, a bad row and a bonus column.
    QString history(const std::vector<TestSupport::Draw>& draws)
    {
        std::string text = "Тираж;Дата;Числа;Бонус\r\n";
        for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
            std::string numbers;
            for (int32_t n : it->numbers)
                numbers += (numbers.empty() ? "" : " ") + std::to_string(n);
            text += std::to_string(it->drawNo) + ";0" + std::to_string(1 + it->drawNo % 9) + ".01.20"
                + std::to_string(10 + it->drawNo / 100) + ";" + numbers + ";" + std::to_string(it->drawNo % 5 + 1)
                + "\r\n";
            if (it->drawNo == 50)
                text += "50a;01.01.2011;1 2 3 4 5 99;1\r\n";
        }
        return QString::fromStdString(dir->write("history.csv", text));
    }

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    // "Загрузить" without changing anything gives the same pairs and
    // statistics as the draw file of the same draws.
    void importGivesTheSameResultsAsOpen()
    {
        const auto draws = TestSupport::RandomDraws(6, 49, 300, 5);
        const QString drawFile
            = QString::fromStdString(dir->write("same.txt", TestSupport::DrawFileText(6, 49, draws)));
        FileDialogAnswer open(drawFile);
        widget<QAction>("N2")->trigger();
        QVERIFY(open.answered());
        click("Button1");
        click("Button2");
        const QStringList fromOpen = centralTable();
        QVERIFY(widget<QAction>("PairMapAction")->isEnabled());

        QString summary;
        import(history(draws), [&summary](QDialog* d) {
            QCoreApplication::processEvents();
        summary = d->findChild<QPlainTextEdit*>("ImportSummary")->toPlainText();
        auto* preview = d->findChild<QTableWidget*>("ImportPreview");
        QCOMPARE(preview->item(1, 0)->text(), QString("300"));
        QCOMPARE(preview->item(1, 0)->background().color(), QColor(187, 222, 251));
        QTest::mouseClick(d->findChild<QPushButton*>("LoadButton"), Qt::LeftButton);
    });
    QVERIFY2(summary.contains("Строк с тиражами: 301.") && summary.contains("с № 1 по № 300")
            && summary.contains("от новых к старым") && summary.contains("строка 253: номер тиража"),
        qPrintable(summary));
    QCOMPARE(label("Label5"), QString("Лотерея типа: 6 из 49"));
    QCOMPARE(widget("Gauge1")->property("progress").toInt(), 0);
    QVERIFY(!widget<QPushButton>("Button2")->isEnabled());
    QVERIFY(!widget<QAction>("PairMapAction")->isEnabled());
    QCOMPARE(centralTable(), fromOpen); // earlier results stay until recomputed
    click("Button1");
    click("Button2");
    QCOMPARE(centralTable(), fromOpen);
    QCOMPARE(label("Label1"), QString("Обработано тиражей: 300"));
}

    // The controls change what is loaded; "Отмена" loads nothing.
    void controlsAndCancel()
{
    const auto draws = TestSupport::RandomDraws(6, 49, 120, 9);
    const QString file = history(draws);
        import(file, [](QDialog* d) {
            auto* last = d->findChild<QSpinBox*>("LastDrawsToLoadBox");
        last->selectAll();
        QTest::keyClicks(last, "20");
        QTest::mouseClick(d->findChild<QPushButton*>("LoadButton"), Qt::LeftButton);
});
QCOMPARE(Main::DrawCount, 20);
QCOMPARE(Main::Draws[20].DrawNo, 120);
QCOMPARE(Main::Draws[1].DrawNo, 101);

        import(file, [](QDialog* d) {
            QTest::mouseClick(d->findChild<QCheckBox*>("NewestFirstBox"), Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
        });
        QCOMPARE(Main::DrawCount, 20);

        import(file, [](QDialog* d) {
            auto* fields = d->findChild<QLineEdit*>("NumberFieldsEdit");
        fields->selectAll();
        QTest::keyClicks(fields, "3-9");
        QCoreApplication::processEvents();
        const QString summary = d->findChild<QPlainTextEdit*>("ImportSummary")->toPlainText();
        QVERIFY2(summary.contains("Лотерея: 7 из 49"), qPrintable(summary));
        d->reject();
        });
        }

        void unreadableFileChangesNothing()
        {
            const int32_t drawsBefore = Main::DrawCount;
            MessageBoxAnswer box;
            FileDialogAnswer file(QString::fromStdString(dir->write("binary.csv", std::string("1,2\n\0\0", 6))));
            widget<QAction>("ImportAction")->trigger();
            QVERIFY(box.seen.shown);
            QCOMPARE(box.seen.text, QString("Файл не похож на историю тиражей: в строке 2 двоичные данные."));
            QCOMPARE(Main::DrawCount, drawsBefore);
            QCOMPARE(label("Label5"), QString("Лотерея типа:"));
        }
        }
        ;

        QTEST_MAIN(ImportTest)
#include "ImportTest.moc"
