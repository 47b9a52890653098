#include "ModalDialogs.h"
#include "support/DrawFiles.h"

#include "ui/ProgramWindows.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

// Receives the links the program hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

class AboutHelpTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TProgramWindows> windows;
    TForm1* main = nullptr;
    TForm3* about = nullptr;
    TForm4* help = nullptr;
    std::unique_ptr<TestSupport::TempDir> dir;
    QString startFolder;

    template <typename T = QWidget> static T* child(QObject* form, const char* name)
    {
        auto* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void trigger(const char* name)
    {
        auto* action = child<QAction>(main, name);
        QVERIFY2(action->isEnabled(), name);
        action->trigger();
    }
    static void click(QWidget* form, const char* name)
    {
        auto* control = child<QWidget>(form, name);
        QVERIFY2(control->isEnabled(), name);
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }
    QString memoText() { return child<QPlainTextEdit>(help, "Memo1")->toPlainText(); }
    SeenMessage showHelp()
    {
        MessageBoxAnswer box;
        trigger("N6");
        return box.seen;
    }

private slots:
    void init()
    {
        startFolder = QDir::currentPath();
        dir = std::make_unique<TestSupport::TempDir>();
        QDir::setCurrent(QString::fromStdString(dir->path().string()));
        windows = std::make_unique<TProgramWindows>();
        main = &windows->main;
        about = &windows->about;
        help = &windows->help;
        main->show();
    }

    void cleanup()
    {
        windows.reset();
        QDir::setCurrent(startFolder);
        dir.reset();
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }

    void createdHidden()
    {
        QVERIFY(!about->isVisible());
        QVERIFY(!help->isVisible());
        QCOMPARE(about->windowTitle(), QString("О программе"));
        QCOMPARE(help->windowTitle(), QString("Help!!!"));
        QVERIFY(about->windowFlags().testFlag(Qt::Tool));
        QVERIFY(help->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(about->geometry(), QRect(364, 132, 301, 216));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QCOMPARE(help->geometry(), QRect(201, 126, 393, 284));
    }

    void aboutControls_data()
    {
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label1") << QPoint(29, 26) << 17 << "Программа-анализатор числовых пар";
        QTest::newRow("Label2") << QPoint(56, 46) << 15 << "Редакция программы от 11.02.2003г.";
        QTest::newRow("Label3") << QPoint(26, 78) << 15 << "Свежую версию этой программы Вы всегда";
        QTest::newRow("Label4") << QPoint(26, 91) << 15 << "сможете найти на: ";
        QTest::newRow("Label5") << QPoint(16, 143) << 13 << "Присылайте Ваши пожелания и замечания по адресу:";
        QTest::newRow("Label6") << QPoint(85, 163) << 18 << "help@example.org";
        QTest::newRow("Label7") << QPoint(78, 117) << 18 << "veldoran.example.org";
        QTest::newRow("Button1") << QPoint(104, 189) << 20 << "Назад ";
    }
    void aboutControls()
    {
        QFETCH(QPoint, topLeft);
        QFETCH(int, height);
        QFETCH(QString, text);
        QWidget* control = child(about, QTest::currentDataTag());
        QCOMPARE(control->pos(), topLeft);
        QCOMPARE(control->height(), height);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), text);
            QVERIFY(label->width() >= label->sizeHint().width());
            QVERIFY(about->rect().contains(label->geometry()));
        } else {
            QCOMPARE(qobject_cast<QAbstractButton*>(control)->text(), text);
        }
    }

    void aboutDisablesMainWindowUntilBack()
    {
        trigger("N5");
        QVERIFY(about->isVisible());
        QVERIFY(!main->isEnabled());
        click(about, "Button1");
        QVERIFY(!about->isVisible());
        QVERIFY(main->isEnabled());
    }

    void aboutCloseBoxEnablesMainWindow()
    {
        trigger("N5");
        QVERIFY(!main->isEnabled());
        QVERIFY(about->close());
        QVERIFY(!about->isVisible());
        QVERIFY(main->isEnabled());
        trigger("N5");
        QVERIFY(about->isVisible());
    }

    void linksGoToTheDesktop()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "open");
        QDesktopServices::setUrlHandler("http", &catcher, "open");
        click(about, "Label6");
        click(about, "Label7");
        QDesktopServices::unsetUrlHandler("mailto");
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(catcher.urls.size(), 2);
        QCOMPARE(catcher.urls[0], QUrl("mailto:help@example.org?subject=О программе KELDA 2.0"));
        QCOMPARE(catcher.urls[0].query(QUrl::FullyDecoded), QString("subject=О программе KELDA 2.0"));
        QCOMPARE(catcher.urls[1], QUrl("http://veldoran.example.org/"));
    }

    void linkClickedWithTheMouse()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("http", &catcher, "open");
        about->show();
        QTest::mouseClick(child(about, "Label7"), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("http");
        QCOMPARE(catcher.urls.size(), 1);
    }

    void helpText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("LF") << QByteArray("один\nдва\n") << "один\nдва\n";
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << "a\nb\n";
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << "a\nb\n";
        QTest::newRow("mixed") << QByteArray("a\r\n\rb\n\nc") << "a\n\nb\n\nc";
        QTest::newRow("Windows-1251") << QByteArray("\xcf\xf0\xe8\xe2\xe5\xf2\r\n") << "Привет\n";
        QTest::newRow("zero byte ends the text") << QByteArray("before\n\0after", 13) << "before\n";
        QTest::newRow("empty") << QByteArray("") << "";
    }
    void helpText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        dir->write("help.txt", bytes.toStdString());
        QVERIFY(!showHelp().shown);
        QVERIFY(help->isVisible());
        QVERIFY(main->isEnabled());
        QCOMPARE(memoText(), shown);
    }

    void helpReloadsEachTime()
    {
        dir->write("help.txt", "text\n");
        QVERIFY(!showHelp().shown);
        child<QPlainTextEdit>(help, "Memo1")->setPlainText("typed by the user");
        QVERIFY(!showHelp().shown);
        QCOMPARE(memoText(), QString("text\n"));
        click(help, "Button1");
        QVERIFY(!help->isVisible());
    }

    void missingHelpFile()
    {
        dir->write("help.txt", "kept\n");
        QVERIFY(!showHelp().shown);
        std::filesystem::remove(dir->path() / "help.txt");
        const SeenMessage seen = showHelp();
        QVERIFY(seen.shown);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        const QString path = QDir(QString::fromStdString(dir->path().string())).absoluteFilePath("help.txt");
        QCOMPARE(seen.text, QString("Cannot open file \"%1\". No such file or directory.").arg(path));
        QVERIFY(help->isVisible());
        QCOMPARE(memoText(), QString("kept\n"));
    }

    // Help found beside the program when the current folder has none; a
    // byte-order mark skipped.
    void helpFoundBesideTheProgram()
    {
        const QString beside = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("help.txt");
        QFile file(beside);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBFinstalled\n");
        file.close();
        const auto removeIt = qScopeGuard([&beside] { QFile::remove(beside); });
        QVERIFY(!showHelp().shown);
        QCOMPARE(memoText(), QString("installed\n"));
        dir->write("help.txt", "own\n");
        QVERIFY(!showHelp().shown);
        QCOMPARE(memoText(), QString("own\n"));
    }

    // Help that cannot be shown is refused at once, the text left as it was;
    // a long line without blanks is shown in pieces, quickly.
    void helpInputsThatMustNotFreeze()
    {
        dir->write("help.txt", "kept\n");
        QVERIFY(!showHelp().shown);
        const std::string path = (dir->path() / "help.txt").string();
        std::filesystem::remove(path);
        QVERIFY(::mkfifo(path.c_str(), 0600) == 0);
        QElapsedTimer clock;
        clock.start();
        SeenMessage seen = showHelp();
        QVERIFY(seen.shown);
        QCOMPARE(seen.text, QString("Cannot open file \"%1\". Permission denied.").arg(QString::fromStdString(path)));
        std::filesystem::remove(path);
        dir->write("help.txt", std::string(1024 * 1024 + 1, 'x'));
        seen = showHelp();
        QVERIFY(seen.text.startsWith(
            QString("Файл справки \"%1\" слишком велик: 1048577 байт").arg(QString::fromStdString(path))));
        QCOMPARE(memoText(), QString("kept\n"));
        QVERIFY(clock.elapsed() < 2000);

        dir->write("help.txt", std::string(1024 * 1024, 'y'));
        clock.restart();
        QVERIFY(!showHelp().shown);
        QCoreApplication::processEvents();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(memoText().remove('\n'), QString(1024 * 1024, 'y'));
    }

    void helpWindowHasAFixedSize()
    {
        QCOMPARE(help->minimumSize(), QSize(393, 284));
        QCOMPARE(help->maximumSize(), QSize(393, 284));
    }

    void shippedHelpFileIsReadable()
    {
        QDir::setCurrent(QStringLiteral(VELDORAN_SOURCE_DIR));
        QVERIFY(!showHelp().shown);
        QVERIFY(memoText().startsWith("VELDORAN 1.0"));
        QVERIFY(memoText().contains("Создать пары"));
    }
};

QTEST_MAIN(AboutHelpTest)
#include "AboutHelpTest.moc"
