#include "ModalDialogs.h"
#include "support/DrawFiles.h"

#include "CommandLine.h"
#include "ui/ProgramWindows.h"

#include <QLabel>
#include <QtTest>

#include <memory>

namespace {
const QString Examples = QStringLiteral(VELDORAN_EXAMPLES_DIR);
}

class DesktopTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TProgramWindows> windows;

private slots:
    void init()
    {
        windows = std::make_unique<TProgramWindows>();
        windows->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows->main));
        windows->main.activateWindow();
    }
    void cleanup() { windows.reset(); }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("files");
        using A = TCommandLine::TAction;
        QTest::newRow("nothing") << QStringList { "veldoran" } << int(A::Run) << QStringList {};
        QTest::newRow("two files") << QStringList { "veldoran", "a.txt", "b.txt" } << int(A::Run)
                                   << QStringList { "a.txt", "b.txt" };
        QTest::newRow("help") << QStringList { "veldoran", "a.txt", "--help" } << int(A::PrintHelp)
                              << QStringList { "a.txt" };
        QTest::newRow("version") << QStringList { "veldoran", "-v" } << int(A::PrintVersion) << QStringList {};
        QTest::newRow("unknown") << QStringList { "veldoran", "--bogus" } << int(A::Refuse) << QStringList {};
        QTest::newRow("after --") << QStringList { "veldoran", "--", "--help" } << int(A::Run)
                                  << QStringList { "--help" };
        QTest::newRow("Qt's own") << QStringList { "veldoran", "-reverse", "a.txt" } << int(A::Run)
                                  << QStringList { "a.txt" };
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QStringList, files);
        const TCommandLine line = ReadCommandLine(arguments);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.files, files);
    }

    // A file named at start opens as a dropped one does, once the loop runs.
    void fileOpenedAtStart()
    {
        windows->main.openFileLater(Examples + "/5-36.txt");
        auto* label = windows->main.findChild<QLabel*>("Label5");
        QCOMPARE(label->text(), QString("Лотерея типа:"));
        QTRY_COMPARE(label->text(), QString("Лотерея типа: 5 из 36"));
    }

    void shortcuts()
    {
        FileDialogAnswer open(QString {});
        QTest::keyClick(&windows->main, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(open.answered());

        MessageBoxAnswer box; // no help.txt here: the error box, then Help stays shown
        // The used file dialog goes away once the loop runs again.
        QTRY_VERIFY(!windows->main.findChild<QFileDialog*>() || !windows->main.findChild<QFileDialog*>()->isVisible());
        windows->main.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &windows->main);
        QTest::keyClick(&windows->main, Qt::Key_F1);
        QVERIFY(windows->help.isVisible());
        windows->help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&windows->help));
        QTest::keyClick(&windows->help, Qt::Key_Escape);
        QVERIFY(!windows->help.isVisible());

        windows->main.findChild<QAction*>("N5")->trigger();
        QVERIFY(windows->about.isVisible());
        QVERIFY(!windows->main.isEnabled());
        windows->about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&windows->about));
        QTest::keyClick(&windows->about, Qt::Key_Escape);
        QVERIFY(!windows->about.isVisible());
        QVERIFY(windows->main.isEnabled());

        windows->main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&windows->main));
        QTest::keyClick(&windows->main, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!windows->main.isVisible());
    }

    void menusShowTheirShortcutsUnderTheSameCaptions()
    {
        const struct {
            const char* name;
            const char* text;
            QKeySequence keys;
        } items[] = { { "N2", "Открыть", QKeySequence(Qt::CTRL | Qt::Key_O) },
            { "N3", "Выход", QKeySequence(Qt::CTRL | Qt::Key_Q) }, { "N6", "Помощь", QKeySequence(Qt::Key_F1) } };
        for (const auto& item : items) {
            auto* action = windows->main.findChild<QAction*>(item.name);
            QCOMPARE(action->text(), QString(item.text));
            QCOMPARE(action->shortcut(), item.keys);
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
