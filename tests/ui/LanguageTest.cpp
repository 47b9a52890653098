// The interface in Russian and in English: the rule that picks the language
// from the locale and the settings, the menu that switches it at run time, and
// the main window, About, Help and the import dialog in both languages.
#include "LanguageCheck.h"
#include "MainWindowFixture.h"

#include "ui/ImportDialog.h"
#include "ui/ProgramSettings.h"
#include "ui/ProgramWindows.h"
#include "ui/language/Language.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>

#include <algorithm>
#include <memory>

namespace {

// Latin words the Russian interface has always shown.
const QStringList RussianModeLatin { "VELDORAN", "Help", "OK", "M", "K", "KELDA" };
// The recent files' names are the user's own.
const QStringList RecentFiles { "RecentFile1", "RecentFile2", "RecentFile3", "RecentFile4", "RecentFile5" };

const std::string SmallDrawFile = TestSupport::DrawFileText(6, 49, TestSupport::RandomDraws(6, 49, 30, 7));

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TProgramWindows> windows;
    std::unique_ptr<TestSupport::TempDir> dir;
    QString startFolder;

    template <typename T = QObject> T* child(QObject* form, const char* name) { return FindControl<T>(form, name); }
    TForm1* main() { return &windows->main; }
    void trigger(const char* name)
    {
        auto* action = child<QAction>(main(), name);
        QVERIFY2(action->isEnabled(), name);
        action->trigger();
    }
    void click(QWidget* form, const char* name)
    {
        auto* button = child<QAbstractButton>(form, name);
        QVERIFY2(button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // A file opened and counted, every sort toggled on: every text of the
    // main window that depends on what it shows is on screen.
    void runStatistics()
    {
        const QString fileName = QString::fromStdString(dir->write("6-49.txt", SmallDrawFile));
        {
            MessageBoxAnswer box;
            FileDialogAnswer answer(fileName);
            trigger("N2");
            QVERIFY(answer.answered());
            QVERIFY2(!box.seen.shown, qPrintable(box.seen.text));
        }
        click(main(), "Button1");
        click(main(), "Button2");
        click(main(), "Button3");
    }
    void makeWindows()
    {
        windows = std::make_unique<TProgramWindows>();
        main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(main()));
    }
    QString menuTitle(const char* name) { return child<QMenu>(main(), name)->title(); }

private slots:
    void init()
    {
        startFolder = QDir::currentPath();
        dir = std::make_unique<TestSupport::TempDir>();
        QDir::setCurrent(QString::fromStdString(dir->path().string()));
        TProgramSettings().remove(LanguageKey);
    }
    void cleanup()
    {
        windows.reset();
        QDir::setCurrent(startFolder);
        dir.reset();
        TProgramSettings().remove(LanguageKey);
    }

    void localeRule_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("all");
        QTest::addColumn<QString>("messages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<bool>("english");
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << ""
                                     << "" << false;
        QTest::newRow("Russian") << ""
                                 << ""
                                 << ""
                                 << "ru_RU.UTF-8" << false;
        QTest::newRow("Russian, no region") << ""
                                            << ""
                                            << ""
                                            << "ru" << false;
        QTest::newRow("Ukrainian of Russia is not Russian") << ""
                                                            << ""
                                                            << ""
                                                            << "uk_RU.UTF-8" << true;
        QTest::newRow("German") << ""
                                << ""
                                << ""
                                << "de_DE.UTF-8" << true;
        QTest::newRow("English") << ""
                                 << ""
                                 << ""
                                 << "en_US.UTF-8" << true;
        QTest::newRow("C") << ""
                           << ""
                           << ""
                           << "C" << false;
        QTest::newRow("C.UTF-8") << ""
                                 << ""
                                 << ""
                                 << "C.UTF-8" << false;
        QTest::newRow("POSIX") << ""
                               << ""
                               << ""
                               << "POSIX" << false;
        QTest::newRow("LC_ALL before LANG") << ""
                                            << "ru_RU.UTF-8"
                                            << ""
                                            << "de_DE.UTF-8" << false;
        QTest::newRow("LC_MESSAGES before LANG") << ""
                                                 << ""
                                                 << "fr_FR.UTF-8"
                                                 << "ru_RU.UTF-8" << true;
        QTest::newRow("LC_ALL before LC_MESSAGES") << ""
                                                   << "ru_RU.UTF-8"
                                                   << "fr_FR.UTF-8"
                                                   << "" << false;
        QTest::newRow("LANGUAGE before the locale") << "de:ru"
                                                    << ""
                                                    << ""
                                                    << "ru_RU.UTF-8" << true;
        QTest::newRow("LANGUAGE's first entry") << "ru:en"
                                                << ""
                                                << ""
                                                << "de_DE.UTF-8" << false;
        QTest::newRow("LANGUAGE ignored with C") << "de"
                                                 << "C"
                                                 << ""
                                                 << "" << false;
        QTest::newRow("LANGUAGE ignored without a locale") << "de"
                                                           << ""
                                                           << ""
                                                           << "" << false;
        QTest::newRow("empty LANGUAGE") << ":"
                                        << ""
                                        << ""
                                        << "de_DE.UTF-8" << true;
    }
    void localeRule()
    {
        QFETCH(QString, language);
        QFETCH(QString, all);
        QFETCH(QString, messages);
        QFETCH(QString, lang);
        QFETCH(bool, english);
        QCOMPARE(LocaleLanguage(language, all, messages, lang) == TLanguage::English, english);
    }

    // Run by tests/CMakeLists.txt under several locales, the expected language
    // in VELDORAN_EXPECTED_LANGUAGE and a remembered one, when there is one,
    // in VELDORAN_REMEMBERED_LANGUAGE.
    void startsInTheLocaleOrRememberedLanguage()
    {
        const QString expected = qEnvironmentVariable("VELDORAN_EXPECTED_LANGUAGE", "ru");
        const QString remembered = qEnvironmentVariable("VELDORAN_REMEMBERED_LANGUAGE");
        if (!remembered.isEmpty())
            TProgramSettings().setValue(LanguageKey, remembered);
        makeWindows();
        const bool english = expected == "en";
        QCOMPARE(child<QAction>(main(), "EnglishAction")->isChecked(), english);
        QCOMPARE(child<QAction>(main(), "RussianAction")->isChecked(), !english);
        QCOMPARE(menuTitle("N1"), english ? QString("File") : QString("Файл"));
        QCOMPARE(windows->about.windowTitle(), english ? QString("About") : QString("О программе"));
    }

    void languageMenuIsLastAndInBothLanguages()
    {
        makeWindows();
        const QList<QAction*> menus = main()->menuBar()->actions();
        auto* languageMenu = child<QMenu>(main(), "LanguageMenu");
        QCOMPARE(menus.constLast(), languageMenu->menuAction());
        for (const char* action : { "EnglishAction", "RussianAction" }) {
            LanguageCheck::Choose(main(), action);
            QCOMPARE(languageMenu->title(), QString("Язык / Language"));
            QCOMPARE(child<QAction>(main(), "RussianAction")->text(), QString("Русский"));
            QCOMPARE(child<QAction>(main(), "EnglishAction")->text(), QString("English"));
        }
    }

    void mainWindowInEnglish()
    {
        makeWindows();
        LanguageCheck::Choose(main(), "EnglishAction");
        QStringList russian = LanguageCheck::CyrillicTexts(main());
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join('\n')));
        runStatistics();
        russian = LanguageCheck::CyrillicTexts(main());
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join('\n')));
        QCOMPARE(child<QLabel>(main(), "Label5")->text(), QString("Lottery type: 6 of 49"));
        QCOMPARE(
            child<QAbstractItemView>(main(), "StringGrid2")->model()->index(0, 1).data().toString(), QString("Hits"));

        MessageBoxAnswer box;
        QMetaObject::invokeMethod(main(), "N6Click"); // no help file here: the error box
        QVERIFY(box.seen.shown);
        QVERIFY2(!LanguageCheck::HasCyrillic(box.seen.text), qPrintable(box.seen.text));
    }

    void refusalInEnglish()
    {
        makeWindows();
        LanguageCheck::Choose(main(), "EnglishAction");
        MessageBoxAnswer box;
        QMetaObject::invokeMethod(main(), "Button2Click");
        QVERIFY(box.seen.shown);
        QCOMPARE(box.seen.text, QString("You must open a file first!"));
    }

    // The texts the window always had, with nothing English among them.
    void mainWindowInRussian()
    {
        makeWindows();
        LanguageCheck::Choose(main(), "EnglishAction");
        LanguageCheck::Choose(main(), "RussianAction");
        runStatistics();
        const QStringList english
            = LanguageCheck::LatinTexts(main(), RussianModeLatin, RecentFiles + QStringList { "sidebar" });
        QVERIFY2(english.isEmpty(), qPrintable(english.join('\n')));
        const std::pair<const char*, const char*> menus[] = { { "N1", "Файл" }, { "N4", "Помощь" },
            { "AnalysisMenu", "Анализ" }, { "RecentFilesMenu", "Недавние файлы" } };
        for (const auto& [name, title] : menus)
            QCOMPARE(menuTitle(name), QString(title));
        const std::pair<const char*, const char*> actions[]
            = { { "N2", "Открыть" }, { "N3", "Выход" }, { "N5", "О программе" }, { "N6", "Помощь" },
                  { "ImportAction", "Импорт…" }, { "PairMapAction", "Карта пар" } };
        for (const auto& [name, text] : actions)
            QCOMPARE(child<QAction>(main(), name)->text(), QString(text));
        const std::pair<const char*, const char*> buttons[]
            = { { "Button1", "Создать пары" }, { "Button2", "Статистика" }, { "Button3", "отменить" },
                  { "Button4", "последнего тиража" }, { "Button5", "пропуска" } };
        for (const auto& [name, text] : buttons)
            QCOMPARE(child<QAbstractButton>(main(), name)->text(), QString(text));
        QCOMPARE(child<QLabel>(main(), "Label5")->text(), QString("Лотерея типа: 6 из 49"));
        QCOMPARE(child<QLabel>(main(), "Label14")->text(), QString("Всего пар: 1176"));
        QCOMPARE(child<QLabel>(main(), "Label13")->text(), QString("Процесс:"));
        QCOMPARE(child<QLabel>(main(), "Label7")->text().left(13), QString("максимальный:"));
        QCOMPARE(child<QGroupBox>(main(), "GroupBox1")->title(), QString("Сортировать по признаку"));
        const QAbstractItemModel* grid = child<QAbstractItemView>(main(), "StringGrid2")->model();
        const QStringList headers { "Номер", "Кол. выпад.", "Посл. тираж", "Пропуск" };
        for (int col = 0; col < 4; ++col)
            QCOMPARE(grid->index(0, col).data().toString(), headers[col]);
    }

    // Everything already on screen changes at once, About included, and the
    // choice is there at the next start.
    void switchAtRunTime()
    {
        makeWindows();
        runStatistics();
        trigger("N5");
        QVERIFY(windows->about.isVisible());
        LanguageCheck::Choose(main(), "EnglishAction");
        QCOMPARE(windows->about.windowTitle(), QString("About"));
        QStringList russian = LanguageCheck::CyrillicTexts(&windows->about);
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join('\n')));
        russian = LanguageCheck::CyrillicTexts(main());
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join('\n')));
        QCOMPARE(child<QAbstractButton>(main(), "Button3")->text(), QString("undo"));
        QCOMPARE(child<QLabel>(main(), "Label14")->text(), QString("Total pairs: 1176"));
        QCOMPARE(TProgramSettings().value(LanguageKey).toString(), QString("en"));

        LanguageCheck::Choose(main(), "RussianAction");
        QCOMPARE(windows->about.windowTitle(), QString("О программе"));
        QCOMPARE(child<QLabel>(&windows->about, "Label8")->text(), QString("Автор: студия «Вельдоран»"));
        QCOMPARE(child<QAbstractButton>(main(), "Button3")->text(), QString("отменить"));
        QCOMPARE(TProgramSettings().value(LanguageKey).toString(), QString("ru"));

        LanguageCheck::Choose(main(), "EnglishAction");
        windows.reset();
        makeWindows();
        QVERIFY(child<QAction>(main(), "EnglishAction")->isChecked());
        QCOMPARE(menuTitle("N1"), QString("File"));
    }

    // help.en.txt in English where there is one, help.txt otherwise; an open
    // Help window follows the switch.
    void helpInBothLanguages()
    {
        dir->write("help.txt", "Справка\n");
        makeWindows();
        LanguageCheck::Choose(main(), "EnglishAction");
        trigger("N6");
        const auto memo = [this] { return child<QPlainTextEdit>(&windows->help, "Memo1")->toPlainText(); };
        QCOMPARE(memo(), QString("Справка\n"));
        dir->write("help.en.txt", "Help\n");
        trigger("N6");
        QCOMPARE(memo(), QString("Help\n"));
        QCOMPARE(child<QAbstractButton>(&windows->help, "Button1")->text(), QString("Back"));
        LanguageCheck::Choose(main(), "RussianAction");
        QCOMPARE(memo(), QString("Справка\n"));
        QCOMPARE(child<QAbstractButton>(&windows->help, "Button1")->text(), QString("Назад"));
        LanguageCheck::Choose(main(), "EnglishAction");
        QCOMPARE(memo(), QString("Help\n"));
    }

    // The import's file dialog, the dialog and its summary, with a skipped
    // row whose reason comes from the analysis core.
    void importInEnglish()
    {
        makeWindows();
        LanguageCheck::Choose(main(), "EnglishAction");
        std::string history = "Draw,Date,N1,N2,N3,N4,N5,N6\n";
        for (const TestSupport::Draw& draw : TestSupport::RandomDraws(6, 49, 12, 3)) {
            history += std::to_string(draw.drawNo) + ",2024-01-" + std::to_string(10 + draw.drawNo);
            for (std::size_t i = 0; i < draw.numbers.size(); ++i) // draw 4 repeats a number
                history += "," + std::to_string(draw.drawNo == 4 && i == 5 ? draw.numbers[0] : draw.numbers[i]);
            history += "\n";
        }
        const QString fileName = QString::fromStdString(dir->write("history.csv", history));
        QStringList russian;
        QString summary;
        ModalAnswer<TImportDialog> dialogAnswer([&](TImportDialog* dialog) {
            russian = LanguageCheck::CyrillicTexts(dialog);
            summary = FindControl<QPlainTextEdit>(dialog, "ImportSummary")->toPlainText();
            dialog->accept();
        });
        FileDialogAnswer fileAnswer(fileName);
        MessageBoxAnswer box;
        trigger("ImportAction");
        QTRY_VERIFY(dialogAnswer.answered());
        QCOMPARE(fileAnswer.title, QString("Import draw history"));
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join('\n')));
        QVERIFY2(summary.contains("line 5: "), qPrintable(summary));
        QVERIFY2(!box.seen.shown, qPrintable(box.seen.text));
        QCOMPARE(child<QLabel>(main(), "Label5")->text(), QString("Lottery type: 6 of 49"));
    }

    // Qt's own texts (the file dialog's buttons and places) follow the language.
    void fileDialogInBothLanguages()
    {
        makeWindows();
        const auto dialogTexts = [this](const char* language) {
            LanguageCheck::Choose(main(), language);
            QList<LanguageCheck::TShownText> texts;
            ModalAnswer<QFileDialog> answer([&texts](QFileDialog* dialog) {
                texts = LanguageCheck::ShownTexts(dialog);
                dialog->reject();
            });
            trigger("N2");
            return texts;
        };
        QList<LanguageCheck::TShownText> texts = dialogTexts("RussianAction");
        QVERIFY(std::any_of(texts.begin(), texts.end(),
            [](const LanguageCheck::TShownText& shown) { return shown.text == "Открытие файла"; }));
        QVERIFY(std::any_of(texts.begin(), texts.end(), [](const LanguageCheck::TShownText& shown) {
            return shown.where.startsWith("QPushButton") && shown.text == "&Открыть";
        }));
        texts = dialogTexts("EnglishAction");
        QStringList russian;
        for (const LanguageCheck::TShownText& shown : texts)
            if (LanguageCheck::HasCyrillic(shown.text))
                russian << shown.where + ": " + shown.text;
        QVERIFY2(russian.isEmpty(), qPrintable(russian.join('\n')));
        QVERIFY(std::any_of(texts.begin(), texts.end(),
            [](const LanguageCheck::TShownText& shown) { return shown.text == "Open file"; }));
    }

    void errorsOfTheCoreInEnglish()
    {
        makeWindows();
        LanguageCheck::Choose(main(), "EnglishAction");
        const QString fileName = QString::fromStdString(dir->write("21-99.txt", "21/99\n"));
        MessageBoxAnswer box;
        FileDialogAnswer answer(fileName);
        trigger("N2");
        QVERIFY(box.seen.shown);
        QVERIFY2(!LanguageCheck::HasCyrillic(box.seen.text), qPrintable(box.seen.text));
        LanguageCheck::Choose(main(), "RussianAction");
        MessageBoxAnswer again;
        FileDialogAnswer answerAgain(fileName);
        trigger("N2");
        QCOMPARE(again.seen.text, QString("Лотерея типа 21 из 99 не поддерживается: в тираже не больше 20 чисел."));
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
