#include "ui/tickets/TicketsTexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace TicketsTexts {

namespace {

QString Count(double value)
{
    return QLocale().toString(value, 'f', 0);
}

} // namespace

double Binomial(int32_t n, int32_t r)
{
    return std::round(Main::BinomialCount(n, r));
}

QString Guarantee(const TAim& aim, int64_t misses)
{
    const auto v = static_cast<int32_t>(aim.numbers.size());
    const QString all = Count(Binomial(v, aim.drawn));
    // lupdate reads a count only when it is a plain name.
    const int missed = static_cast<int>(std::min<int64_t>(misses, 1 << 30));
    if (misses > 0)
        return QCoreApplication::translate("TicketsTexts",
            "Гарантии «%4, если выпало %2» нет: %n комбинаций из C(%1,%2) = %3 не совпадают ни с одним "
            "билетом в %4 числах.",
            nullptr, missed)
            .arg(v)
            .arg(aim.drawn)
            .arg(all)
            .arg(aim.match);
    if (aim.match == aim.drawn)
        return QCoreApplication::translate("TicketsTexts",
            "Гарантия проверена: каждая из C(%1,%2) = %3 комбинаций по %2 из ваших %1 чисел целиком входит "
            "хотя бы в один билет.")
            .arg(v)
            .arg(aim.drawn)
            .arg(all);
    return QCoreApplication::translate("TicketsTexts",
        "Гарантия проверена: каждая из C(%1,%2) = %3 комбинаций по %2 из ваших %1 чисел совпадает хотя бы с "
        "одним билетом не меньше чем в %4 числах.")
        .arg(v)
        .arg(aim.drawn)
        .arg(all)
        .arg(aim.match);
}

// X, the number of the player's v numbers among the k drawn, follows the
// hypergeometric law H(m, v, k): P(X = s) = C(v,s) C(m-v,k-s) / C(m,k)
// (W. Feller, "An Introduction to Probability Theory and Its Applications",
// vol. 1, 3rd ed., 1968, ch. II.6). The guarantee applies when X >= drawn:
// P(X >= drawn) = sum over s = drawn..min(v,k) of P(X = s).
// Each ticket is k' numbers like any other, so its expected matches are
// k' * k / m and its expected winnings those of any ticket: a wheel only
// spreads the same matches differently over the draws.
QString Chance(int32_t m, int32_t k, int32_t v, int32_t drawn, int32_t ticketSize)
{
    const double p = Main::HypergeometricTail(m, v, k, drawn);
    QString text;
    if (p <= 0) {
        text = QCoreApplication::translate(
            "TicketsTexts", "В тираже «%1 из %2» не может выпасть %3 из ваших %4 чисел: гарантия не сработает никогда.")
                   .arg(k)
                   .arg(m)
                   .arg(drawn)
                   .arg(v);
    } else {
        const double every = 1 / p;
        text = QCoreApplication::translate("TicketsTexts",
            "Шанс, что в тираже «%1 из %2» выпадет не меньше %3 из ваших %4 чисел (только тогда действует "
            "гарантия): %5%")
                   .arg(k)
                   .arg(m)
                   .arg(drawn)
                   .arg(v)
                   .arg(QLocale().toString(100 * p, 'f', p < 0.001 ? 4 : 2));
        if (every >= 1.5)
            text += QCoreApplication::translate("TicketsTexts", ", примерно один тираж из %1").arg(Count(every));
        text += QLatin1Char('.');
    }
    const double expected = static_cast<double>(ticketSize) * k / m;
    return text + QLatin1Char(' ')
        + QCoreApplication::translate("TicketsTexts",
            "Система не меняет ни ожидаемого числа совпадений (%1 на билет), ни ожидаемого выигрыша её билетов: "
            "они те же, что у любых билетов по %2 чисел. Она меняет только то, как совпадения распределены по "
            "тиражам.")
              .arg(QLocale().toString(expected, 'f', 3))
              .arg(ticketSize);
}

QString BestPerDraw(const std::vector<int32_t>& best, int32_t ticketSize)
{
    std::vector<int> counts(static_cast<std::size_t>(std::max(ticketSize, 0) + 1), 0);
    for (const int32_t b : best)
        if (b >= 0 && b <= ticketSize)
            ++counts[static_cast<std::size_t>(b)];
    QStringList parts;
    for (int32_t m = 0; m <= ticketSize; ++m) {
        const int draws = counts[static_cast<std::size_t>(m)];
        if (draws > 0)
            parts << QCoreApplication::translate("TicketsTexts", "%1 — %n тиражей", nullptr, draws).arg(m);
    }
    return QCoreApplication::translate(
        "TicketsTexts", "Лучшее совпадение билетов в тираже (совпало чисел — сколько тиражей): %1.")
        .arg(parts.join("; "));
}

QString GuaranteeOnHistory(
    const TAim& aim, const std::vector<int32_t>& numbersBest, const std::vector<int32_t>& ticketsBest)
{
    int came = 0;
    int held = 0;
    for (std::size_t j = 0; j < numbersBest.size() && j < ticketsBest.size(); ++j) {
        if (numbersBest[j] < aim.drawn)
            continue;
        ++came;
        if (ticketsBest[j] >= aim.match)
            ++held;
    }
    const int draws = static_cast<int>(numbersBest.size());
    if (came == 0)
        return QCoreApplication::translate("TicketsTexts",
            "Ни в одном из %n проверенных тиражей не выпало %1 ваших чисел: случая для гарантии не было.", nullptr,
            draws)
            .arg(aim.drawn);
    const QString first
        = QCoreApplication::translate("TicketsTexts", "В %n тиражах выпало не меньше %1 ваших чисел", nullptr, came)
              .arg(aim.drawn);
    if (held == came)
        return first
            + QCoreApplication::translate("TicketsTexts",
                "; в каждом из них хотя бы один билет совпал не меньше чем в %1 числах — гарантия "
                "выполнялась.")
                  .arg(aim.match);
    return first
        + QCoreApplication::translate(
            "TicketsTexts", "; в %n из них ни один билет не совпал в %1 числах.", nullptr, came - held)
              .arg(aim.match);
}

QString NumberList(const std::vector<int32_t>& numbers)
{
    QStringList parts;
    for (const int32_t n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

} // namespace TicketsTexts
