#include "MainWindowFixture.h"

#include "analysis/Analysis.h"
#include "ui/Main.h"
#include "ui/ProgramSettings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class ImportTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    QTemporaryDir settingsDir;
    QTemporaryDir dataDir; // the store of histories every import keeps
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

    // A 6 of 49 history, oldest first, whose rows end in a bonus from the same
    // pool: the proposal takes seven numbers.
    QString bonusHistory(const char* name, uint32_t seed)
    {
        std::string text;
        for (const auto& d : TestSupport::RandomDraws(7, 49, 80, seed)) {
            std::vector<int32_t> n = d.numbers;
            std::rotate(n.begin(), n.begin() + d.drawNo % 7, n.end());
            text += std::to_string(d.drawNo);
            for (int32_t x : n)
                text += "," + std::to_string(x);
            text += "\n";
        }
        return file(name, text);
    }
    QString summaryOf(QDialog* d)
    {
        QCoreApplication::processEvents();
        return d->findChild<QPlainTextEdit*>("ImportSummary")->toPlainText();
    }
    // Answers the import dialog that a route other than "Импорт…" opens.
    void answerImport(const std::function<void()>& route, const std::function<void(QDialog*)>& answer)
    {
        ModalAnswer<QDialog> dialog([&answer](QDialog* d) {
            if (d->objectName() == "ImportDialog")
                answer(d);
            if (d->isVisible())
                d->reject();
        });
        route();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.answered(), 3000);
    }
    static void load(QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>("LoadButton"), Qt::LeftButton); }
    static void typeInto(QWidget* box, const QString& text)
    {
        if (auto* edit = qobject_cast<QLineEdit*>(box))
            edit->selectAll();
        else
            box->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(box, text);
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", dataDir.path().toUtf8());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    }
    void init()
    {
        TProgramSettings().clear();
        setUp();
    }
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

        // A history handed over on the command line, from the file manager or by
        // a drop goes through the import dialog; a draw file opens as Open does.
        void everyRouteLeadsIn()
        {
            const QString csv = history(TestSupport::RandomDraws(6, 49, 50, 3));
            answerImport([&] { form->openFileLater(csv); }, load);
            QTRY_COMPARE(label("Label5"), QString("Лотерея типа: 6 из 49"));
            QCOMPARE(Main::DrawCount, 50);

            const QString dropped = bonusHistory("dropped.csv", 4);
            answerImport(
                [&] {
                    QMimeData data;
                    data.setUrls({ QUrl::fromLocalFile(dropped) });
                    const QPoint at = form->rect().center();
                    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                    QCoreApplication::sendEvent(form.get(), &enter);
                    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
                    QCoreApplication::sendEvent(form.get(), &drop);
                    QVERIFY(drop.isAccepted());
                },
                load);
            QTRY_COMPARE(label("Label5"), QString("Лотерея типа: 7 из 49"));

            MessageBoxAnswer box;
            form->openFileLater(QStringLiteral(VELDORAN_EXAMPLES_DIR) + "/5-36.txt");
            QTRY_COMPARE(label("Label5"), QString("Лотерея типа: 5 из 36"));
            QVERIFY(!box.seen.shown);
            form->openFileLater(file("bad.txt", "06/49\n0001  010203040506\n\n"));
            QTRY_VERIFY(box.seen.shown);
            QCOMPARE(box.seen.text, QString("'' is not a valid integer value."));

            // Newest first, each once, the last five.
            auto* recent = widget<QMenu>("RecentFilesMenu");
            QCOMPARE(recent->actions().size(), 4);
            QCOMPARE(recent->actions()[1]->text(), QString("&2 5-36.txt"));
            answerImport([&] { recent->actions()[3]->trigger(); }, load);
            QCOMPARE(Main::DrawCount, 50);
            QCOMPARE(recent->actions()[0]->text(), QString("&1 history.csv"));
        }

        // A correction is proposed again for the next file of the same shape.
        void correctionsAreRemembered()
        {
            import(bonusHistory("first.csv", 5), [this](QDialog* d) {
                QVERIFY2(summaryOf(d).contains("Поле 8 может быть бонусным"), qPrintable(summaryOf(d)));
            typeInto(d->findChild<QLineEdit*>("NumberFieldsEdit"), "2-7");
            load(d);
        });
        QCOMPARE(label("Label5"), QString("Лотерея типа: 6 из 49"));
        QString fields;
            import(bonusHistory("second.csv", 6), [&fields](QDialog* d) {
                fields = d->findChild<QLineEdit*>("NumberFieldsEdit")->text();
            load(d);
            });
            QCOMPARE(fields, QString("2-7"));
            QCOMPARE(label("Label5"), QString("Лотерея типа: 6 из 49"));
            }

            // M follows the draws to load until the user types one; older rows
            // with a larger pool are pointed out.
            void maxNumberFollowsTheDrawsToLoad()
            {
                std::string text = "Draw;1;2;3;4;5;6\n";
                int32_t no = 0;
                for (const auto& [m, count] : { std::pair { 49, 300 }, { 37, 200 } })
                    for (const auto& d : TestSupport::RandomDraws(6, m, count, 9)) {
                        text += std::to_string(++no);
                        for (int32_t n : d.numbers)
                            text += ";" + std::to_string(n);
                        text += "\n";
                    }
            import(file("two-games.csv", text), [this](QDialog* d) {
                auto* m = d->findChild<QSpinBox*>("MaxNumberBox");
            auto* last = d->findChild<QSpinBox*>("LastDrawsToLoadBox");
            typeInto(last, "200");
            QCOMPARE(m->value(), 37);
            QVERIFY2(summaryOf(d).contains("В старых тиражах встречаются числа до 49"), qPrintable(summaryOf(d)));
            QVERIFY2(
                summaryOf(d).contains("Заголовок, строка 1 «Draw;1;2;3;4;5;6»: не тираж"), qPrintable(summaryOf(d)));
            typeInto(last, "400");
            QCOMPARE(m->value(), 49);
            typeInto(m, "45");
            typeInto(last, "150");
            QCOMPARE(m->value(), 45);
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
