#include "ui/reports/FairnessReport.h"

#include "ui/reports/RussianNumbers.h"

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

using RussianNumbers::Number;
using RussianNumbers::Percent;

} // namespace

TFairnessReport::TFairnessReport(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("FairnessReport");
    setWindowTitle("Проверка случайности");
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
    cancelButton_ = new QPushButton("Отмена", this);
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
        verdictLabel_->setText("Проверка отменена.");
    });
    progressTimer_.setInterval(50);
    connect(&progressTimer_, &QTimer::timeout, this, &TFairnessReport::showProgress);
    connect(&watcher_, &QFutureWatcher<std::optional<Main::TFairness>>::finished, this, [this] {
        progressTimer_.stop();
        progress_->hide();
        cancelButton_->hide();
        if (const auto& result = watcher_.result())
            showFigures(*result);
        emit finished();
    });
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

    const QString leftOut = input_.LeftOut == 0
        ? QString()
        : QString(" Не вошли %1: в них числа повторяются или выходят за 1..%2.").arg(input_.LeftOut).arg(input_.M);
    drawsLabel_->setText(QString("Лотерея %1 из %2. Тиражей в проверке: %3.%4")
                             .arg(input_.K)
                             .arg(input_.M)
                             .arg(input_.Draws.size())
                             .arg(leftOut));
    figuresLabel_->clear();
    if (input_.Draws.empty()) {
        verdictLabel_->setText("Нет ни одного тиража, который можно проверить, поэтому сравнивать не с чем.");
        progress_->hide();
        cancelButton_->hide();
        emit finished();
        return;
    }
    verdictLabel_->setText(QString("Сравниваю с %1 смоделированными честными лотереями…").arg(Simulations));
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

void TFairnessReport::showFigures(const Main::TFairness& f)
{
    const QString in = " — так или сильнее бывает в %1 честных лотерей";
    QStringList lines;
    lines << QString("Вероятность данной пары в одном тираже: %1 (%2).")
                 .arg(Number(f.PairProbability, 5), Percent(f.PairProbability));
    lines << QString("Ожидаемое число выпадений пары: %1, стандартное отклонение %2.")
                 .arg(Number(f.ExpectedHits, 2), Number(f.HitsDeviation, 2));
    lines << QString("Больше всего выпадений у пары: %1").arg(f.MaxHits) + in.arg(Percent(f.MaxHitsChance)) + ".";
    lines << QString("Меньше всего выпадений у пары: %1").arg(f.MinHits) + in.arg(Percent(f.MinHitsChance)) + ".";
    lines << QString("Самый долгий пропуск пары: %1 тиражей").arg(f.LongestGap) + in.arg(Percent(f.LongestGapChance))
            + ".";
    lines << QString("Хи-квадрат по парам: %1").arg(Number(f.PairChiSquare, 1)) + in.arg(Percent(f.PairChiSquareChance))
            + ".";
    lines << QString("Хи-квадрат по числам: %1").arg(Number(f.NumberChiSquare, 1))
            + in.arg(Percent(f.NumberChiSquareChance)) + ".";
    figuresLabel_->setText(lines.join('\n'));
    verdictLabel_->setText(Verdict(f));
}

QString TFairnessReport::Verdict(const Main::TFairness& f)
{
    if (f.Draws == 0)
        return "Нет ни одного тиража, который можно проверить, поэтому сравнивать не с чем.";
    const std::pair<double, const char*> figures[] = {
        { f.MaxHitsChance, "наибольшее число выпадений пары" },
        { f.MinHitsChance, "наименьшее число выпадений пары" },
        { f.LongestGapChance, "самый долгий пропуск" },
        { f.PairChiSquareChance, "разброс выпадений пар (хи-квадрат)" },
        { f.NumberChiSquareChance, "разброс выпадений чисел (хи-квадрат)" },
    };
    const auto rarest = std::min_element(
        std::begin(figures), std::end(figures), [](const auto& a, const auto& b) { return a.first < b.first; });
    if (rarest->first >= Unusual)
        return QString("Ничего необычного: такие крайние значения встречаются в %1 честных лотерей той же длины, "
                       "а долгий пропуск не делает пару вероятнее в следующем тираже.")
            .arg(Percent(rarest->first));
    return QString("Необычно %1: так бывает лишь в %2 честных лотерей той же длины, но и это не делает ни одну "
                   "пару вероятнее в следующем тираже.")
        .arg(rarest->second, Percent(rarest->first));
}
