#include "ui/reports/FairnessReport.h"

#include "ui/reports/ReportNumbers.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

// A figure is unusual when fewer than 1% of fair lotteries reach it: five
// figures are judged at once, so 1% each keeps the chance of a false alarm
// in a fair lottery near 5% (Bonferroni's bound).
constexpr double Unusual = 0.01;

using ReportNumbers::Number;
using ReportNumbers::Percent;

} // namespace

TFairnessReport::TFairnessReport(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("FairnessReport");
    resize(560, 320);

    drawsLabel_ = new QLabel(this);
    drawsLabel_->setObjectName("FairnessDraws");
    figuresLabel_ = new QLabel(this);
    figuresLabel_->setObjectName("FairnessFigures");
    verdictLabel_ = new QLabel(this);
    verdictLabel_->setObjectName("FairnessVerdict");
    for (QLabel* label : { drawsLabel_, figuresLabel_, verdictLabel_ }) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    QFont bold = verdictLabel_->font();
    bold.setBold(true);
    verdictLabel_->setFont(bold);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("FairnessProgress");
    progress_->setRange(0, Simulations);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setObjectName("FairnessCancel");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(drawsLabel_);
    layout->addWidget(figuresLabel_);
    layout->addWidget(verdictLabel_);
    layout->addStretch(1);
    layout->addWidget(progress_);
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);

    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        cancel_ = true;
        state_ = TState::Cancelled;
        retranslate();
    });
    progressTimer_.setInterval(50);
    connect(&progressTimer_, &QTimer::timeout, this, &TFairnessReport::showProgress);
    connect(&watcher_, &QFutureWatcher<std::optional<Main::TFairness>>::finished, this, [this] {
        progressTimer_.stop();
        progress_->hide();
        cancelButton_->hide();
        if (const auto& result = watcher_.result()) {
            shown_ = *result;
            state_ = TState::Shown;
            retranslate();
        }
        emit finished();
    });
    retranslate();
}

void TFairnessReport::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

TFairnessReport::~TFairnessReport()
{
    stop();
}

void TFairnessReport::stop()
{
    cancel_ = true;
    watcher_.waitForFinished();
}

void TFairnessReport::start()
{
    stop();
    input_ = Main::CollectFairnessInput();
    cancel_ = false;
    done_ = 0;
    shown_.reset();
    if (input_.Draws.empty()) {
        state_ = TState::NoDraws;
        retranslate();
        progress_->hide();
        cancelButton_->hide();
        emit finished();
        return;
    }
    state_ = TState::Running;
    retranslate();
    progress_->setValue(0);
    progress_->show();
    cancelButton_->show();
    progressTimer_.start();
    watcher_.setFuture(
        QtConcurrent::run([this] { return Main::SimulateFairness(input_, Simulations, Seed, &done_, &cancel_); }));
}

void TFairnessReport::showProgress()
{
    progress_->setValue(done_.load());
}

// The simulation reads only the draws of input_, so its header figures are
// read here while it runs.
void TFairnessReport::retranslate()
{
    setWindowTitle(tr("Проверка случайности"));
    cancelButton_->setText(tr("Отмена"));
    if (state_ == TState::Idle)
        return;

    const QString leftOut = input_.LeftOut == 0
        ? QString()
        : tr(" Не вошли %n: в них числа повторяются или выходят за 1..%1.", nullptr, input_.LeftOut).arg(input_.M);
    drawsLabel_->setText(tr("Лотерея %1 из %2. Тиражей в проверке: %3.%4")
                             .arg(input_.K)
                             .arg(input_.M)
                             .arg(input_.Draws.size())
                             .arg(leftOut));
    QStringList lines;
    if (state_ == TState::Shown && shown_) {
        const Main::TFairness& f = *shown_;
        lines << tr("Вероятность данной пары в одном тираже: %1 (%2).")
                     .arg(Number(f.PairProbability, 5), Percent(f.PairProbability));
        lines << tr("Ожидаемое число выпадений пары: %1, стандартное отклонение %2.")
                     .arg(Number(f.ExpectedHits, 2), Number(f.HitsDeviation, 2));
        lines << tr("Больше всего выпадений у пары: %1 — так или сильнее бывает в %2 честных лотерей.")
                     .arg(f.MaxHits)
                     .arg(Percent(f.MaxHitsChance));
        lines << tr("Меньше всего выпадений у пары: %1 — так или сильнее бывает в %2 честных лотерей.")
                     .arg(f.MinHits)
                     .arg(Percent(f.MinHitsChance));
        lines << tr("Самый долгий пропуск пары: %n тиражей — так или сильнее бывает в %1 честных лотерей.", nullptr,
            f.LongestGap)
                     .arg(Percent(f.LongestGapChance));
        lines << tr("Хи-квадрат по парам: %1 — так или сильнее бывает в %2 честных лотерей.")
                     .arg(Number(f.PairChiSquare, 1), Percent(f.PairChiSquareChance));
        lines << tr("Хи-квадрат по числам: %1 — так или сильнее бывает в %2 честных лотерей.")
                     .arg(Number(f.NumberChiSquare, 1), Percent(f.NumberChiSquareChance));
    }
    figuresLabel_->setText(lines.join('\n'));
    switch (state_) {
    case TState::Idle:
        break;
    case TState::NoDraws:
        verdictLabel_->setText(tr("Нет ни одного тиража, который можно проверить, поэтому сравнивать не с чем."));
        break;
    case TState::Running:
        verdictLabel_->setText(tr("Сравниваю с %1 смоделированными честными лотереями…").arg(Simulations));
        break;
    case TState::Cancelled:
        verdictLabel_->setText(tr("Проверка отменена."));
        break;
    case TState::Shown:
        verdictLabel_->setText(shown_ ? Verdict(*shown_) : QString());
        break;
    }
}

QString TFairnessReport::Verdict(const Main::TFairness& f)
{
    if (f.Draws == 0)
        return tr("Нет ни одного тиража, который можно проверить, поэтому сравнивать не с чем.");
    const std::pair<double, QString> figures[] = {
        { f.MaxHitsChance, tr("наибольшее число выпадений пары") },
        { f.MinHitsChance, tr("наименьшее число выпадений пары") },
        { f.LongestGapChance, tr("самый долгий пропуск") },
        { f.PairChiSquareChance, tr("разброс выпадений пар (хи-квадрат)") },
        { f.NumberChiSquareChance, tr("разброс выпадений чисел (хи-квадрат)") },
    };
    const auto rarest = std::min_element(
        std::begin(figures), std::end(figures), [](const auto& a, const auto& b) { return a.first < b.first; });
    if (rarest->first >= Unusual)
        return tr("Ничего необычного: такие крайние значения встречаются в %1 честных лотерей той же длины, "
                  "а долгий пропуск не делает пару вероятнее в следующем тираже.")
            .arg(Percent(rarest->first));
    return tr("Необычно %1: так бывает лишь в %2 честных лотерей той же длины, но и это не делает ни одну "
              "пару вероятнее в следующем тираже.")
        .arg(rarest->second, Percent(rarest->first));
}
