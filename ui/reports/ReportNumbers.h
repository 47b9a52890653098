#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>

// Figures as a reader of the interface's language writes them: decimal
// commas in Russian and points in English, percentages, and the noun a count
// takes.
namespace ReportNumbers {

// The locale of the interface's language.
QLocale Locale();
QString Number(double value, int decimals);
// A chance as a percentage with one decimal; "меньше 0,1%" below 0.1%.
QString Percent(double chance);
// A count with its noun. `translated` is the count through tr("%n тиражей",
// nullptr, n), whose numerus forms serve every language but Russian; the
// Russian forms are chosen here by the Russian rule: `one` after 1, 21, 31...,
// `few` after 2-4, 22-24..., `many` otherwise (1 тираж, 2 тиража, 5 тиражей).
QString Count(const QString& translated, int64_t n, const char* one, const char* few, const char* many);

} // namespace ReportNumbers
