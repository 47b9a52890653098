#pragma once

#include <QString>

#include <cstdint>

// Figures as a Russian reader writes them: decimal commas, percentages, and
// the noun form a count takes (1 тираж, 2 тиража, 5 тиражей).
namespace RussianNumbers {

QString Number(double value, int decimals);
// A chance as a percentage with one decimal; "меньше 0,1%" below 0.1%.
QString Percent(double chance);
// `one` after 1, 21, 31..., `few` after 2-4, 22-24..., `many` otherwise.
QString Plural(int64_t count, const QString& one, const QString& few, const QString& many);

} // namespace RussianNumbers
