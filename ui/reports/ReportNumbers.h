#pragma once

#include <QLocale>
#include <QString>

// Figures as a reader of the interface's language writes them: decimal
// commas in Russian, points in English, and percentages. A count with its
// noun goes through tr("%n тиражей", nullptr, n), whose word forms both
// languages' catalogues hold.
namespace ReportNumbers {

// The locale of the interface's language.
QLocale Locale();
QString Number(double value, int decimals);
// A chance as a percentage with one decimal; "меньше 0,1%" below 0.1%.
QString Percent(double chance);

} // namespace ReportNumbers
