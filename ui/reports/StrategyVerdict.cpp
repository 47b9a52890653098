#include "ui/reports/StrategyVerdict.h"

#include "ui/reports/ReportNumbers.h"

#include <QCoreApplication>

#include <algorithm>

using ReportNumbers::Number;
using ReportNumbers::Percent;

namespace StrategyVerdict {

namespace {

QString Draws(int32_t n)
{
    return QCoreApplication::translate("StrategyVerdict", "%n тиражей", nullptr, n);
}

} // namespace

QString RuleName(Main::TPairRule rule, int32_t recent)
{
    switch (rule) {
    case Main::TPairRule::MostHits:
        return QCoreApplication::translate("StrategyVerdict", "самые частые пары");
    case Main::TPairRule::FewestHits:
        return QCoreApplication::translate("StrategyVerdict", "самые редкие пары");
    case Main::TPairRule::LongestGap:
        return QCoreApplication::translate("StrategyVerdict", "дольше всех не выпадавшие");
    case Main::TPairRule::HotRecent:
        //: %1 is a count of draws with its noun, "50 draws".
        return QCoreApplication::translate("StrategyVerdict", "частые за последние %1").arg(Draws(recent));
    }
    return {};
}

QString OnRule(const Main::TStrategyCheck& c, const QString& ruleName)
{
    // lupdate reads a count only when it is a plain name.
    const int hits = static_cast<int>(c.Hits);
    const QString times = QCoreApplication::translate("StrategyVerdict", "%n раз", nullptr, hits);
    //: %1: a count of draws, "50 draws"; %4: a count of times, "98 times".
    QString text = QCoreApplication::translate("StrategyVerdict",
        "За %1 пары по правилу «%2» (%3 в каждом тираже) выпали %4; случайный выбор дал бы в среднем %5 ± %6. ")
                       .arg(Draws(c.Predicted), ruleName)
                       .arg(c.Picks)
                       .arg(times, Number(c.Expected, 1), Number(c.Deviation, 1));
    if (c.Chance >= BetterThanChance)
        return text
            + QCoreApplication::translate(
                "StrategyVerdict", "Это не лучше случая (так или лучше бывает в %1 честных лотерей).")
                  .arg(Percent(c.Chance));
    return text
        + QCoreApplication::translate("StrategyVerdict",
            "Это лучше, чем обычно бывает случайно: так или лучше бывает лишь в %1 честных лотерей. "
            "Но и это не обещает ничего в следующих тиражах.")
              .arg(Percent(c.Chance));
}

QString OnBestOfFour(const std::array<Main::TStrategyCheck, 4>& checks, int32_t recent)
{
    const auto best = std::min_element(checks.begin(), checks.end(),
        [](const Main::TStrategyCheck& a, const Main::TStrategyCheck& b) { return a.Chance < b.Chance; });
    const auto rule = Rules[static_cast<std::size_t>(best - checks.begin())];
    const double corrected = std::min(1.0, 4 * best->Chance);
    return QCoreApplication::translate("StrategyVerdict",
        "Лучшее из четырёх правил — «%1»: так или лучше бывает в %2 честных лотерей. Но из четырёх "
        "попыток лучшая всегда выглядит лучше, чем есть: с поправкой на сравнение четырёх правил "
        "(Бонферрони) шанс — до %3, %4.")
        .arg(RuleName(rule, recent), Percent(best->Chance), Percent(corrected),
            corrected >= BetterThanChance
                ? QCoreApplication::translate("StrategyVerdict", "то есть и лучшее правило не лучше случая")
                : QCoreApplication::translate("StrategyVerdict", "и даже так это редкость для честной лотереи"));
}

} // namespace StrategyVerdict
