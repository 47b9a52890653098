#include "LanguageCheck.h"
#include "MainWindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

namespace {
const QString Examples = QStringLiteral(VELDORAN_EXAMPLES_DIR);
}

// The Билеты window, the stored histories and the address dialog in English
// and in Russian, and a change of language while the windows are open.
class TicketsHistoriesLanguagesTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    void english() { LanguageCheck::Choose(form.get(), "EnglishAction"); }
    void russian() { LanguageCheck::Choose(form.get(), "RussianAction"); }
    QWidget* window(const char* name) { return widget<QWidget>(name); }
    QString text(const char* name) { return widget<QLabel>(name)->text(); }
    // A wheel of 12 numbers, 3 if 4, stopped once it has tickets, and checked
    // against the last 50 draws of 6 of 49.
    void wheelAndCheck()
    {
        runAll(Examples + "/6-49.txt");
        trigger("TicketsAction");
        auto* edit = widget<QLineEdit>("WheelNumbersEdit");
        edit->clear();
        QTest::keyClicks(edit, "1 2 3 4 5 6 7 8 9 10 11 12");
        widget<QSpinBox>("TicketSizeBox")->setValue(6);
        widget<QSpinBox>("MatchBox")->setValue(3);
        widget<QSpinBox>("DrawnBox")->setValue(4);
        QSignalSpy finished(window("TicketsWindow"), SIGNAL(searchFinished()));
        click("MakeWheelButton");
        QTRY_VERIFY_WITH_TIMEOUT(widget<QAbstractItemView>("TicketsView")->model()->rowCount() > 0, 3000);
        click("StopWheelButton");
        QVERIFY(finished.wait(2000));
        widget<QSpinBox>("HistoryDrawsBox")->setValue(50);
        click("CheckHistoryButton");
    }

private slots:
    void init() { setUp(); }
    void cleanup()
    {
        russian();
        tearDown();
    }

    void ticketsWindow()
    {
        english();
        wheelAndCheck();
        QStringList found = LanguageCheck::CyrillicTexts(window("TicketsWindow"));
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        QVERIFY2(text("GuaranteeLabel").startsWith("Guarantee checked: each of the C(12,4) = 495 combinations"),
            qPrintable(text("GuaranteeLabel")));
        QVERIFY2(text("HistorySummary").contains("Checked the last 50 draws."), qPrintable(text("HistorySummary")));
        QVERIFY2(text("ChanceLabel").contains("at least 4 of your 12 numbers"), qPrintable(text("ChanceLabel")));

        russian();
        QVERIFY2(text("GuaranteeLabel").startsWith("Гарантия проверена: каждая из C(12,4) = 495 комбинаций"),
            qPrintable(text("GuaranteeLabel")));
        QVERIFY2(
            text("HistorySummary").contains("Проверено 50 последних тиражей."), qPrintable(text("HistorySummary")));
        QCOMPARE(window("TicketsWindow")->windowTitle(), QString("Билеты"));
        QCOMPARE(widget<QPushButton>("MakeWheelButton")->text(), QString("Составить билеты"));

        english();
        found = LanguageCheck::CyrillicTexts(window("TicketsWindow"));
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }

    void historiesWindow()
    {
        trigger("HistoriesAction");
        QTRY_VERIFY(window("HistoriesWindow")->isVisible());
        QCOMPARE(window("HistoriesWindow")->windowTitle(), QString("Сохранённые истории тиражей"));
        QCOMPARE(widget<QPushButton>("RenameHistoryButton")->text(), QString("Переименовать…"));

        english();
        const QStringList found = LanguageCheck::CyrillicTexts(window("HistoriesWindow"));
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        QCOMPARE(window("HistoriesWindow")->windowTitle(), QString("Stored draw histories"));
        QCOMPARE(widget<QPushButton>("SaveHistoryButton")->text(), QString("Save as CSV…"));
    }

    void urlDialog()
    {
        english();
        QStringList found { "not shown" };
        QString title;
        NamedDialogAnswer answer("UrlDialog", [&](QDialog* dialog) {
            found = LanguageCheck::CyrillicTexts(dialog);
            title = dialog->windowTitle();
            dialog->reject();
        });
        trigger("ImportUrlAction");
        QVERIFY(answer.answered());
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        QCOMPARE(title, QString("Import from address"));
    }
};

QTEST_MAIN(TicketsHistoriesLanguagesTest)
#include "TicketsHistoriesLanguagesTest.moc"
