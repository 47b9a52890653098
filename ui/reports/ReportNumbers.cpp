#include "ui/reports/ReportNumbers.h"

#include "ui/language/Language.h"

#include <QCoreApplication>

namespace ReportNumbers {

namespace {

const char* Plural(int64_t count, const char* one, const char* few, const char* many)
{
    const int64_t n = count < 0 ? -count : count;
    if (n % 10 == 1 && n % 100 != 11)
        return one;
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14))
        return few;
    return many;
}

} // namespace

QLocale Locale()
{
    return InterfaceLocale();
}

QString Number(double value, int decimals)
{
    return Locale().toString(value, 'f', decimals);
}

QString Percent(double chance)
{
    if (chance > 0 && chance < 0.001)
        return QCoreApplication::translate("ReportNumbers", "меньше %1%").arg(Number(0.1, 1));
    return Number(chance * 100, 1) + "%";
}

QString Count(const QString& translated, int64_t n, const char* one, const char* few, const char* many)
{
    if (CurrentLanguage() != TLanguage::Russian)
        return translated;
    return QString("%1 %2").arg(n).arg(QString::fromUtf8(Plural(n, one, few, many)));
}

} // namespace ReportNumbers
