#include "ui/reports/StrategyVerdict.h"

#include "ui/reports/RussianNumbers.h"

#include <algorithm>

using RussianNumbers::Number;
using RussianNumbers::Percent;
using RussianNumbers::Plural;

namespace StrategyVerdict {

QString RuleName(Main::TPairRule rule, int32_t recent)
{
    switch (rule) {
    case Main::TPairRule::MostHits:
        return "самые частые пары";
    case Main::TPairRule::FewestHits:
        return "самые редкие пары";
    case Main::TPairRule::LongestGap:
        return "дольше всех не выпадавшие";
    case Main::TPairRule::HotRecent:
        return QString("частые за последние %1 %2").arg(recent).arg(Plural(recent, "тираж", "тиража", "тиражей"));
    }
    return {};
}

QString OnRule(const Main::TStrategyCheck& c, const QString& ruleName)
{
    QString text = QString("За %1 %2 пары по правилу «%3» (%4 в каждом тираже) выпали %5 %6; случайный выбор дал бы "
                           "в среднем %7 ± %8. ")
                       .arg(c.Predicted)
                       .arg(Plural(c.Predicted, "тираж", "тиража", "тиражей"), ruleName)
                       .arg(c.Picks)
                       .arg(c.Hits)
                       .arg(Plural(c.Hits, "раз", "раза", "раз"), Number(c.Expected, 1), Number(c.Deviation, 1));
    if (c.Chance >= BetterThanChance)
        return text
            + QString("Это не лучше случая (так или лучше бывает в %1 честных лотерей).").arg(Percent(c.Chance));
    return text
        + QString("Это лучше, чем обычно бывает случайно: так или лучше бывает лишь в %1 честных лотерей. "
                  "Но и это не обещает ничего в следующих тиражах.")
              .arg(Percent(c.Chance));
}

QString OnBestOfFour(const std::array<Main::TStrategyCheck, 4>& checks, int32_t recent)
{
    const auto best = std::min_element(checks.begin(), checks.end(),
        [](const Main::TStrategyCheck& a, const Main::TStrategyCheck& b) { return a.Chance < b.Chance; });
    const auto rule = Rules[static_cast<std::size_t>(best - checks.begin())];
    const double corrected = std::min(1.0, 4 * best->Chance);
    return QString("Лучшее из четырёх правил — «%1»: так или лучше бывает в %2 честных лотерей. Но из четырёх "
                   "попыток лучшая всегда выглядит лучше, чем есть: с поправкой на сравнение четырёх правил "
                   "(Бонферрони) шанс — до %3, %4.")
        .arg(RuleName(rule, recent), Percent(best->Chance), Percent(corrected),
            corrected >= BetterThanChance ? "то есть и лучшее правило не лучше случая"
                                          : "и даже так это редкость для честной лотереи");
}

} // namespace StrategyVerdict
