#include "ui/reports/StrategyReport.h"

#include "analysis/Analysis.h"
#include "ui/reports/ReportNumbers.h"
#include "ui/reports/StrategyVerdict.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QEvent>
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

using ReportNumbers::Number;
using ReportNumbers::Percent;

namespace {

constexpr int DefaultPicks = 10;
constexpr int DefaultWarmup = 100;
constexpr int DefaultRecent = 50;

} // namespace

TStrategyReport::TStrategyReport(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("StrategyReport");
    resize(760, 640);

    ruleBox_ = new QComboBox(this);
    ruleBox_->setObjectName("StrategyRuleBox");
    for (std::size_t i = 0; i < StrategyVerdict::Rules.size(); ++i)
        ruleBox_->addItem(QString());
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
    cancelButton_ = new QPushButton(this);
    cancelButton_->setObjectName("StrategyCancel");

    auto* settings = new QFormLayout;
    ruleLabel_ = new QLabel(this);
    picksLabel_ = new QLabel(this);
    warmupLabel_ = new QLabel(this);
    recentLabel_ = new QLabel(this);
    settings->addRow(ruleLabel_, ruleBox_);
    settings->addRow(picksLabel_, picksBox_);
    settings->addRow(warmupLabel_, warmupBox_);
    settings->addRow(recentLabel_, recentBox_);
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
        state_ = TState::Cancelled;
        showVerdict();
    });
    progressTimer_.setInterval(50);
    connect(&progressTimer_, &QTimer::timeout, this, [this] { progress_->setValue(done_.load()); });
    connect(&watcher_, &QFutureWatcher<TResult>::finished, this, [this] {
        progressTimer_.stop();
        progress_->hide();
        cancelButton_->hide();
        if (const TResult& result = watcher_.result()) {
            shown_ = TShown { *result, static_cast<std::size_t>(ruleBox_->currentIndex()), recentBox_->value() };
            state_ = TState::Shown;
            showResult();
        }
        inFlight_ = false;
        emit finished();
    });
    retranslate();
}

void TStrategyReport::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TStrategyReport::retranslate()
{
    setWindowTitle(tr("Проверка стратегии"));
    for (std::size_t i = 0; i < StrategyVerdict::Rules.size(); ++i)
        ruleBox_->setItemText(static_cast<int>(i), StrategyVerdict::RuleName(StrategyVerdict::Rules[i], 0));
    ruleBox_->setItemText(3, tr("частые за последние R тиражей"));
    ruleLabel_->setText(tr("Правило:"));
    picksLabel_->setText(tr("Играть пар в каждом тираже:"));
    warmupLabel_->setText(tr("Тиражей для обучения до первого прогноза:"));
    recentLabel_->setText(tr("R для правила «частые за последние R»:"));
    table_->setHorizontalHeaderLabels(
        { tr("Правило"), tr("Попаданий"), tr("Ожидается"), tr("Отклонение, σ"), tr("Шанс") });
    cancelButton_->setText(tr("Отмена"));
    if (shown_)
        showResult();
    showVerdict();
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
    const int32_t picks = picksBox_->value();
    const int32_t warmup = warmupBox_->value();
    const int32_t recent = recentBox_->value();
    const auto lines = static_cast<int32_t>(input_.Lines.size());

    if (input_.K < 2 || input_.M < 2 || lines < 2) {
        state_ = input_.K < 2 || input_.M < 2 ? TState::NoPairs : TState::TooFewDraws;
        shown_.reset();
        showVerdict();
        replaceChart(new QChart);
        progress_->hide();
        cancelButton_->hide();
        emit finished();
        return;
    }

    state_ = TState::Running;
    runningRule_ = static_cast<std::size_t>(ruleBox_->currentIndex());
    runningRecent_ = recent;
    showVerdict();
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

void TStrategyReport::showVerdict()
{
    switch (state_) {
    case TState::Idle:
        verdict_->clear();
        break;
    case TState::NoPairs:
        verdict_->setText(tr("В тираже меньше двух чисел или в лотерее меньше двух чисел: пар нет, проверять нечего."));
        break;
    case TState::TooFewDraws:
        verdict_->setText(tr("Для проверки нужно хотя бы два тиража: один, чтобы учиться, и один, чтобы угадывать."));
        break;
    case TState::Running:
        verdict_->setText(tr("Проверяю правило «%1»…")
                              .arg(StrategyVerdict::RuleName(StrategyVerdict::Rules[runningRule_], runningRecent_)));
        break;
    case TState::Cancelled:
        verdict_->setText(tr("Проверка отменена."));
        break;
    case TState::Shown: {
        std::array<Main::TStrategyCheck, 4> checks;
        for (std::size_t i = 0; i < checks.size(); ++i)
            checks[i] = shown_->walks[i].Check;
        verdict_->setText(StrategyVerdict::OnRule(checks[shown_->chosen],
                              StrategyVerdict::RuleName(StrategyVerdict::Rules[shown_->chosen], shown_->recent))
            + "\n\n" + StrategyVerdict::OnBestOfFour(checks, shown_->recent));
        break;
    }
    }
}

// The table and the chart of the walks shown; the verdict is showVerdict's.
void TStrategyReport::showResult()
{
    for (std::size_t i = 0; i < shown_->walks.size(); ++i) {
        const Main::TStrategyCheck& c = shown_->walks[i].Check;
        const double sigmas = c.Deviation > 0 ? (static_cast<double>(c.Hits) - c.Expected) / c.Deviation : 0;
        const QString cells[] = { StrategyVerdict::RuleName(StrategyVerdict::Rules[i], shown_->recent),
            QString::number(c.Hits), Number(c.Expected, 1) + " ± " + Number(c.Deviation, 1),
            (sigmas > 0.05 ? "+" : "") + Number(sigmas, 1), Percent(c.Chance) };
        for (int column = 0; column < 5; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(i), column, item);
        }
    }
    showChart(shown_->walks[shown_->chosen]);
    showVerdict();
}

// Hits so far against the expected line of a random choice and its band of
// two standard deviations, sqrt of the fair variance summed so far.
void TStrategyReport::showChart(const Main::TStrategyWalk& walk)
{
    const Main::TStrategyCheck& c = walk.Check;
    auto* chart = new QChart;
    auto* hits = new QLineSeries;
    hits->setName(tr("попадания правила"));
    auto* expected = new QLineSeries;
    expected->setName(tr("случайный выбор, в среднем"));
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
    area->setName(tr("±2σ честной лотереи"));
    area->setColor(QColor(187, 222, 251, 160));
    area->setBorderColor(QColor(187, 222, 251));

    chart->addSeries(area);
    chart->addSeries(expected);
    chart->addSeries(hits);
    expected->setPen(QPen(QColor(90, 90, 90), 1.5, Qt::DashLine));
    hits->setPen(QPen(QColor(198, 40, 40), 2));
    auto* x = new QValueAxis;
    x->setTitleText(tr("предсказано тиражей"));
    x->setRange(1, std::max(2, c.Predicted));
    x->setLabelFormat("%d");
    auto* y = new QValueAxis;
    y->setTitleText(tr("попаданий всего"));
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
