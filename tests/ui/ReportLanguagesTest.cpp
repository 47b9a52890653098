#include "LanguageCheck.h"
#include "MainWindowFixture.h"

#include "analysis/Analysis.h"
#include "ui/language/Language.h"
#include "ui/reports/FairnessReport.h"
#include "ui/reports/PairMapView.h"
#include "ui/reports/ReportNumbers.h"
#include "ui/reports/StrategyReport.h"
#include "ui/reports/StrategyVerdict.h"

#include <QAbstractAxis>
#include <QAbstractItemView>
#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

namespace {

const QString Examples = QStringLiteral(VELDORAN_EXAMPLES_DIR);

struct TReportWindow {
    const char* action;
    const char* window;
};
const TReportWindow Reports[] = { { "PairMapAction", "PairMap" }, { "FairnessAction", "FairnessReport" },
    { "GroupsAction", "GroupTable" }, { "StrategyAction", "StrategyReport" } };

// Every text a reader sees in a window, "where: text", with the pair map's
// painted legend.
QStringList WindowTexts(QWidget* window)
{
    QStringList texts;
    for (const LanguageCheck::TShownText& shown : LanguageCheck::ShownTexts(window))
        texts << shown.where + ": " + shown.text;
    for (auto* map : window->findChildren<PairMapView*>())
        texts << "legend: " + map->legendTitle();
    return texts;
}

QStringList WithCyrillic(const QStringList& texts)
{
    QStringList found;
    for (const QString& text : texts)
        if (LanguageCheck::HasCyrillic(text))
            found << text;
    return found;
}

} // namespace

// The Анализ windows in English and in Russian, and a change of language while
// they are open.
class ReportLanguagesTest : public QObject, MainWindowFixture {
    Q_OBJECT

private:
    QWidget* window(const char* name) { return widget<QWidget>(name); }
    // Through the "Язык / Language" menu, as a user chooses.
    void choose(TLanguage language)
    {
        LanguageCheck::Choose(form.get(), language == TLanguage::English ? "EnglishAction" : "RussianAction");
    }
    // Every Анализ window open over a file, its figures shown.
    void openAll(const QString& draws)
    {
        runAll(draws);
        for (const TReportWindow& report : Reports)
            trigger(report.action);
        // The check started by its command finishes in the event loop.
        QSignalSpy fairness(widget<TFairnessReport>("FairnessReport"), &TFairnessReport::finished);
        QVERIFY(fairness.wait(30000));
        auto* strategy = widget<TStrategyReport>("StrategyReport");
        QTRY_VERIFY_WITH_TIMEOUT(!strategy->running(), 30000);
    }
    QString text(const char* name) { return widget<QLabel>(name)->text(); }
    QString pairToolTip(int first, int second)
    {
        auto* view = widget<PairMapView>("PairMapView");
        const QPoint point = view->cellRect(first, second).center();
        QMouseEvent move(
            QEvent::MouseMove, point, view->mapToGlobal(point), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        return view->toolTip();
    }

private slots:
    void init() { setUp(); }
    void cleanup()
    {
        choose(TLanguage::Russian);
        tearDown();
    }

    // Opened in English through the menu: not a Russian letter in any window,
    // figures with decimal points, counts with English nouns.
    void englishWindows()
    {
        choose(TLanguage::English);
        openAll(Examples + "/6-49.txt");
        for (const TReportWindow& report : Reports) {
            const QStringList texts = WindowTexts(window(report.window));
            QVERIFY2(texts.size() > 5, report.window);
            QVERIFY2(WithCyrillic(texts).isEmpty(), qPrintable(WithCyrillic(texts).join(" | ")));
        }
        QCOMPARE(window("PairMap")->windowTitle(), QString("Pair map"));
        QVERIFY2(pairToolTip(1, 2).startsWith("Pair 1 and 2\nHits: "), qPrintable(pairToolTip(1, 2)));
        QVERIFY(pairToolTip(1, 2).contains("(expected 1.28 ± 1.12, deviation "));
        QVERIFY(WithCyrillic({ pairToolTip(1, 2) }).isEmpty());
        QVERIFY(text("FairnessFigures").contains("Expected hits of a pair: 1.28, standard deviation 1.12."));
        QVERIFY(text("FairnessDraws").startsWith("A 6 of 49 lottery. Draws checked: 100."));
        QVERIFY2(text("GroupSummary").startsWith("Draws: 100, a 6 of 49 lottery."), qPrintable(text("GroupSummary")));
        QCOMPARE(widget<QTableView>("GroupView")->model()->index(0, 2).data().toString(), QString("1.28"));
        const QString verdict = text("StrategyVerdict");
        QVERIFY2(verdict.startsWith("Over 50 draws, the pairs picked by the rule “most frequent pairs” (10 per draw) "
                                    "came up "),
            qPrintable(verdict));
        QVERIFY(verdict.contains("(Bonferroni)"));
    }

    // A change of language reaches every open window at once; back in
    // Russian, every text is what it was.
    void switchWhileOpen()
    {
        openAll(Examples + "/6-49.txt");
        QList<QStringList> russian;
        for (const TReportWindow& report : Reports)
            russian << WindowTexts(window(report.window));
        const QString tip = pairToolTip(17, 30);

        choose(TLanguage::English);
        for (const TReportWindow& report : Reports) {
            const QStringList texts = WindowTexts(window(report.window));
            QVERIFY2(WithCyrillic(texts).isEmpty(), qPrintable(WithCyrillic(texts).join(" | ")));
        }
        QVERIFY(pairToolTip(17, 30).startsWith("Pair 17 and 30\n"));

        choose(TLanguage::Russian);
        for (std::size_t i = 0; i < std::size(Reports); ++i)
            QCOMPARE(WindowTexts(window(Reports[i].window)), russian[static_cast<int>(i)]);
        QCOMPARE(pairToolTip(17, 30), tip);
    }

    // The Russian texts as the windows have always shown them.
    void russianTexts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("pair map") << "PairMap"
                                  << QStringList { "Карта пар",
                                         "Цвет:", "последние N тиражей:", "Сохранить изображение…", "Выпадения",
                                         "Отклонение от ожидаемого", "Пропуск", "Выпадения\nN = 100, K = 6, M = 49" };
        QTest::newRow("fairness") << "FairnessReport"
                                  << QStringList { "Проверка случайности",
                                         "Лотерея 6 из 49. Тиражей в проверке: 100." };
        QTest::newRow("groups") << "GroupTable"
                                << QStringList { "Числа, пары, тройки", "Числа", "Пары", "Тройки", "за последние",
                                       "тиражей, с числом", "любым", "Сохранить как CSV…", "Выпадения", "Ожидается",
                                       "Отклонение", "Посл. тираж", "Пропуск", "1,28" };
        QTest::newRow("strategy") << "StrategyReport"
                                  << QStringList { "Проверка стратегии", "Правило:", "Играть пар в каждом тираже:",
                                         "Тиражей для обучения до первого прогноза:",
                                         "R для правила «частые за последние R»:", "самые частые пары",
                                         "самые редкие пары", "дольше всех не выпадавшие",
                                         "частые за последние R тиражей", "частые за последние 50 тиражей", "Правило",
                                         "Попаданий", "Ожидается", "Отклонение, σ", "Шанс", "попадания правила",
                                         "случайный выбор, в среднем", "±2σ честной лотереи", "предсказано тиражей",
                                         "попаданий всего" };
    }
    void russianTexts()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, texts);
        openAll(Examples + "/6-49.txt");
        const QStringList shown = WindowTexts(this->window(qPrintable(window)));
        for (const QString& text : texts)
            QVERIFY2(std::any_of(shown.begin(), shown.end(), [&](const QString& s) { return s.endsWith(": " + text); }),
                qPrintable(text));
        QVERIFY(text("GroupSummary").startsWith("Тиражей: 100, лотерея 6 из 49. Вероятность данной группы в тираже: "));
    }

    // Counts take their noun's form in each language.
    void countsAndChances_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<int>("draws");
        QTest::addColumn<int>("hits");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("ru 1") << false << 1 << 1 << "частые за последние 1 тираж"
                              << "За 1 тираж пары по правилу";
        QTest::newRow("ru 3") << false << 3 << 2 << "частые за последние 3 тиража"
                              << "За 3 тиража пары по правилу";
        QTest::newRow("ru 11") << false << 11 << 22 << "частые за последние 11 тиражей"
                               << "За 11 тиражей пары по правилу";
        QTest::newRow("ru 21") << false << 21 << 5 << "частые за последние 21 тираж"
                               << "За 21 тираж пары по правилу";
        QTest::newRow("en 1") << true << 1 << 1 << "most frequent in the last 1 draw"
                              << "Over 1 draw, the pairs";
        QTest::newRow("en 21") << true << 21 << 2 << "most frequent in the last 21 draws"
                               << "Over 21 draws, the pairs";
    }
    void countsAndChances()
    {
        QFETCH(bool, english);
        QFETCH(int, draws);
        QFETCH(int, hits);
        QFETCH(QString, rule);
        QFETCH(QString, verdict);
        if (english)
            choose(TLanguage::English);
        QCOMPARE(StrategyVerdict::RuleName(Main::TPairRule::HotRecent, draws), rule);
        Main::TStrategyCheck check;
        check.Predicted = draws;
        check.Picks = 10;
        check.Hits = hits;
        check.Expected = 92.6;
        check.Deviation = 9.4;
        check.Chance = 0.0004;
        const QString text = StrategyVerdict::OnRule(check, rule);
        QVERIFY2(text.startsWith(verdict), qPrintable(text));
        const QString times = english
            ? QString(hits == 1 ? "came up 1 time;" : "came up %1 times;").arg(hits)
            : QString(hits == 2 || hits == 22 ? "выпали %1 раза;" : "выпали %1 раз;").arg(hits);
        QVERIFY2(text.contains(times), qPrintable(text));
        QVERIFY(text.contains(english ? "would give 92.6 ± 9.4 on average" : "в среднем 92,6 ± 9,4"));
        QVERIFY(text.contains(english ? "under 0.1% of fair" : "лишь в меньше 0,1% честных"));
    }

    // The table saved in English: English headings, commas between fields,
    // decimal points; the dialog in English too.
    void csvInEnglish()
    {
        choose(TLanguage::English);
        runAll(Examples + "/5-36.txt");
        trigger("GroupsAction");
        const QString csv = QString::fromStdString(dir->path().string()) + "/groups.csv";
        FileDialogAnswer save(csv);
        QTest::mouseClick(widget<QPushButton>("GroupSaveCsv"), Qt::LeftButton);
        QVERIFY(save.answered());
        QCOMPARE(save.title, QString("Save table"));
        QVERIFY2(save.offered.endsWith("/groups.csv"), qPrintable(save.offered));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll().mid(3)).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 631);
        QCOMPARE(lines[0], QString("Numbers,Hits,Expected,Deviation,Last drawn,Draws since"));
        const QStringList first = lines[1].split(',');
        QCOMPARE(first.size(), 6);
        auto* model = widget<QTableView>("GroupView")->model();
        for (int c = 0; c < 6; ++c)
            QCOMPARE(first[c], model->index(0, c).data().toString());
        QVERIFY(first[2].contains('.'));
    }

    // What the windows say when there is nothing to count, and a cancelled
    // check, in both languages.
    void emptyAndCancelled()
    {
        choose(TLanguage::English);
        runAll(file("one.txt", "01/05\n0001  03\n0002  04\n0003  01\n"));
        trigger("GroupsAction");
        trigger("StrategyAction");
        QCOMPARE(text("GroupSummary"), QString("A draw has 1 number: it holds no groups of 2."));
        QTRY_VERIFY(!widget<TStrategyReport>("StrategyReport")->running());
        QVERIFY(text("StrategyVerdict").startsWith("A draw has fewer than two numbers"));
        choose(TLanguage::Russian);
        QCOMPARE(text("GroupSummary"), QString("В тираже 1 чисел: групп по 2 в нём не бывает."));
        QVERIFY(text("StrategyVerdict").startsWith("В тираже меньше двух чисел"));

        runAll(file("none.txt", "02/01\n0001  0101\n"));
        trigger("PairMapAction");
        QCOMPARE(text("PairMapEmpty"), QString("Карту не из чего построить: в лотерее меньше двух чисел, пар нет."));
        choose(TLanguage::English);
        QCOMPARE(text("PairMapEmpty"),
            QString("Nothing to map: the lottery has fewer than two numbers, so there are no pairs."));
        choose(TLanguage::Russian);

        runAll(Examples + "/20-99.txt");
        trigger("FairnessAction");
        auto* fairness = widget<TFairnessReport>("FairnessReport");
        QSignalSpy finished(fairness, &TFairnessReport::finished);
        QTest::mouseClick(widget<QPushButton>("FairnessCancel"), Qt::LeftButton);
        QVERIFY(finished.wait(5000));
        QCOMPARE(text("FairnessVerdict"), QString("Проверка отменена."));
        choose(TLanguage::English);
        QCOMPARE(text("FairnessVerdict"), QString("Check cancelled."));
        QCOMPARE(text("FairnessDraws"), QString("A 20 of 99 lottery. Draws checked: 1000."));
    }
};

QTEST_MAIN(ReportLanguagesTest)
#include "ReportLanguagesTest.moc"
