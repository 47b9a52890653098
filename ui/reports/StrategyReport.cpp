#include "ui/reports/StrategyReport.h"

#include "analysis/Analysis.h"
#include "ui/reports/RussianNumbers.h"
#include "ui/reports/StrategyVerdict.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent>

#include <cmath>

using RussianNumbers::Number;
using RussianNumbers::Percent;

namespace {

constexpr int DefaultPicks = 10;
constexpr int DefaultWarmup = 100;
constexpr int DefaultRecent = 50;

} // namespace

TStrategyReport::TStrategyReport(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("StrategyReport");
    setWindowTitle("Проверка стратегии");
    resize(760, 640);

    ruleBox_ = new QComboBox(this);
    ruleBox_->setObjectName("StrategyRuleBox");
    for (Main::TPairRule rule : StrategyVerdict::Rules)
        ruleBox_->addItem(StrategyVerdict::RuleName(rule, 0));
    ruleBox_->setItemText(3, "частые за последние R тиражей");
    picksBox_ = new QSpinBox(this);
    picksBox_->setObjectName("StrategyPicksBox");
    warmupBox_ = new QSpinBox(this);
    warmupBox_->setObjectName("StrategyWarmupBox");
    recentBox_ = new QSpinBox(this);
    recentBox_->setObjectName("StrategyRecentBox");
    recentBox_->setRange(1, Main::MaxDraws);
    recentBox_->setValue(DefaultRecent);
    for (QSpinBox* box : { picksBox_, warmupBox_, recentBox_ })
        box->setKeyboardTracking(false);

    chart_ = new QChartView(this);
    chart_->setObjectName("StrategyChart");
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumHeight(260);

    table_ = new QTableWidget(4, 5, this);
    table_->setObjectName("StrategyTable");
    table_->setHorizontalHeaderLabels({ "Правило", "Попаданий", "Ожидается", "Отклонение, σ", "Шанс" });
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->setFixedHeight(
        table_->horizontalHeader()->sizeHint().height() + 4 * table_->verticalHeader()->defaultSectionSize() + 4);

    verdict_ = new QLabel(this);
    verdict_->setObjectName("StrategyVerdict");
    verdict_->setTextFormat(Qt::PlainText);
    verdict_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("StrategyProgress");
    cancelButton_ = new QPushButton("Отмена", this);
    cancelButton_->setObjectName("StrategyCancel");

    auto* settings = new QFormLayout;
    settings->addRow("Правило:", ruleBox_);
    settings->addRow("Играть пар в каждом тираже:", picksBox_);
    settings->addRow("Тиражей для обучения до первого прогноза:", warmupBox_);
    settings->addRow("R для правила «частые за последние R»:", recentBox_);
    auto* running = new QHBoxLayout;
    running->addWidget(progress_, 1);
    running->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(settings);
    layout->addWidget(chart_, 1);
    layout->addWidget(table_);
    layout->addWidget(verdict_);
    layout->addLayout(running);

    // Several settings may be changed in a row; one check after the last.
    restartTimer_.setSingleShot(true);
    restartTimer_.setInterval(150);
    connect(&restartTimer_, &QTimer::timeout, this, &TStrategyReport::start);
    connect(ruleBox_, &QComboBox::currentIndexChanged, &restartTimer_, qOverload<>(&QTimer::start));
    for (QSpinBox* box : { picksBox_, warmupBox_, recentBox_ })
        connect(box, &QSpinBox::valueChanged, &restartTimer_, qOverload<>(&QTimer::start));
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        cancel_ = true;
        verdict_->setText("Проверка отменена.");
    });
    progressTimer_.setInterval(50);
    connect(&progressTimer_, &QTimer::timeout, this, [this] { progress_->setValue(done_.load()); });
    connect(&watcher_, &QFutureWatcher<TResult>::finished, this, [this] {
        progressTimer_.stop();
        progress_->hide();
        cancelButton_->hide();
        if (const TResult& result = watcher_.result())
            showResult(*result);
        inFlight_ = false;
        emit finished();
    });
}

TStrategyReport::~TStrategyReport()
{
    stop();
}

void TStrategyReport::stop()
{
    restartTimer_.stop();
    cancel_ = true;
    watcher_.waitForFinished();
}

void TStrategyReport::refresh()
{
    const int32_t m = std::clamp(Main::MaxNumber, 0, 99);
    const QSignalBlocker picks(picksBox_);
    const QSignalBlocker warmup(warmupBox_);
    picksBox_->setRange(1, std::max(1, m * (m - 1) / 2));
    picksBox_->setValue(std::min(DefaultPicks, picksBox_->maximum()));
    warmupBox_->setRange(1, std::max(1, Main::DrawCount - 1));
    warmupBox_->setValue(std::clamp(std::min(DefaultWarmup, Main::DrawCount / 2), 1, warmupBox_->maximum()));
    start();
}

void TStrategyReport::start()
{
    stop();
    input_ = Main::CollectStrategyInput();
    cancel_ = false;
    done_ = 0;
    const Main::TPairRule chosen = StrategyVerdict::Rules[static_cast<std::size_t>(ruleBox_->currentIndex())];
    const int32_t picks = picksBox_->value();
    const int32_t warmup = warmupBox_->value();
    const int32_t recent = recentBox_->value();
    const auto lines = static_cast<int32_t>(input_.Lines.size());

    QString refusal;
    if (input_.K < 2 || input_.M < 2)
        refusal = "В тираже меньше двух чисел или в лотерее меньше двух чисел: пар нет, проверять нечего.";
    else if (lines < 2)
        refusal = "Для проверки нужно хотя бы два тиража: один, чтобы учиться, и один, чтобы угадывать.";
    if (!refusal.isEmpty()) {
        verdict_->setText(refusal);
        replaceChart(new QChart);
        progress_->hide();
        cancelButton_->hide();
        emit finished();
        return;
    }

    verdict_->setText(QString("Проверяю правило «%1»…").arg(StrategyVerdict::RuleName(chosen, recent)));
    progress_->setRange(0, 4 * (lines - warmup));
    progress_->setValue(0);
    progress_->show();
    cancelButton_->show();
    progressTimer_.start();
    inFlight_ = true;
    watcher_.setFuture(QtConcurrent::run([this, picks, warmup, recent]() -> TResult {
        std::array<Main::TStrategyWalk, 4> walks;
        for (std::size_t i = 0; i < walks.size(); ++i) {
            auto walk = Main::WalkPairRule(input_, StrategyVerdict::Rules[i], picks, warmup, recent, &cancel_, &done_);
            if (!walk)
                return std::nullopt;
            walks[i] = std::move(*walk);
        }
        return walks;
    }));
}

void TStrategyReport::showResult(const std::array<Main::TStrategyWalk, 4>& walks)
{
    const int32_t recent = recentBox_->value();
    std::array<Main::TStrategyCheck, 4> checks;
    for (std::size_t i = 0; i < walks.size(); ++i) {
        const Main::TStrategyCheck& c = walks[i].Check;
        checks[i] = c;
        const double sigmas = c.Deviation > 0 ? (static_cast<double>(c.Hits) - c.Expected) / c.Deviation : 0;
        const QString cells[] = { StrategyVerdict::RuleName(StrategyVerdict::Rules[i], recent), QString::number(c.Hits),
            Number(c.Expected, 1) + " ± " + Number(c.Deviation, 1), (sigmas > 0.05 ? "+" : "") + Number(sigmas, 1),
            Percent(c.Chance) };
        for (int column = 0; column < 5; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(i), column, item);
        }
    }
    const auto chosen = static_cast<std::size_t>(ruleBox_->currentIndex());
    showChart(walks[chosen]);
    verdict_->setText(
        StrategyVerdict::OnRule(checks[chosen], StrategyVerdict::RuleName(StrategyVerdict::Rules[chosen], recent))
        + "\n\n" + StrategyVerdict::OnBestOfFour(checks, recent));
}

// Hits so far against the expected line of a random choice and its band of
// two standard deviations, sqrt of the fair variance summed so far.
void TStrategyReport::showChart(const Main::TStrategyWalk& walk)
{
    const Main::TStrategyCheck& c = walk.Check;
    auto* chart = new QChart;
    auto* hits = new QLineSeries;
    hits->setName("попадания правила");
    auto* expected = new QLineSeries;
    expected->setName("случайный выбор, в среднем");
    // The band's edges are not series of the chart; the chart owns them.
    auto* upper = new QLineSeries(chart);
    auto* lower = new QLineSeries(chart);
    const double perLine = c.Predicted > 0 ? c.Expected / c.Predicted : 0;
    double top = 1;
    for (int32_t i = 0; i < c.Predicted; ++i) {
        const auto x = static_cast<double>(i + 1);
        const double mean = perLine * x;
        const double band = 2 * std::sqrt(walk.CumulativeVariance[static_cast<std::size_t>(i)]);
        hits->append(x, static_cast<double>(c.Cumulative[static_cast<std::size_t>(i)]));
        expected->append(x, mean);
        upper->append(x, mean + band);
        lower->append(x, std::max(0.0, mean - band));
        top = std::max({ top, mean + band, static_cast<double>(c.Cumulative[static_cast<std::size_t>(i)]) });
    }
    auto* area = new QAreaSeries(upper, lower);
    area->setName("±2σ честной лотереи");
    area->setColor(QColor(187, 222, 251, 160));
    area->setBorderColor(QColor(187, 222, 251));

    chart->addSeries(area);
    chart->addSeries(expected);
    chart->addSeries(hits);
    expected->setPen(QPen(QColor(90, 90, 90), 1.5, Qt::DashLine));
    hits->setPen(QPen(QColor(198, 40, 40), 2));
    auto* x = new QValueAxis;
    x->setTitleText("предсказано тиражей");
    x->setRange(1, std::max(2, c.Predicted));
    x->setLabelFormat("%d");
    auto* y = new QValueAxis;
    y->setTitleText("попаданий всего");
    y->setRange(0, top * 1.05);
    y->setLabelFormat("%d");
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    replaceChart(chart);
}

// The view does not take down the chart it showed before.
void TStrategyReport::replaceChart(QChart* chart)
{
    QChart* old = chart_->chart();
    chart_->setChart(chart);
    delete old;
}
