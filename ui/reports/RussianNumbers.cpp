#include "ui/reports/RussianNumbers.h"

#include <QLocale>

namespace RussianNumbers {

QString Number(double value, int decimals)
{
    static const QLocale russian(QLocale::Russian);
    return russian.toString(value, 'f', decimals);
}

QString Percent(double chance)
{
    if (chance > 0 && chance < 0.001)
        return "меньше 0,1%";
    return Number(chance * 100, 1) + "%";
}

QString Plural(int64_t count, const QString& one, const QString& few, const QString& many)
{
    const int64_t n = count < 0 ? -count : count;
    if (n % 10 == 1 && n % 100 != 11)
        return one;
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14))
        return few;
    return many;
}

} // namespace RussianNumbers
