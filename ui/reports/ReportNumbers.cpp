#include "ui/reports/ReportNumbers.h"

#include "ui/language/Language.h"

#include <QCoreApplication>

namespace ReportNumbers {

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

} // namespace ReportNumbers
