// Numbers, pairs and triples counted over the most recent draws.
#include "analysis/groups/Groups.h"

#include "analysis/pairs/DrawSets.h"
#include "analysis/pairs/PairOrder.h"
#include "analysis/tables/Errors.h"
#include "analysis/tables/Tables.h"
#include "analysis/text/MessageCatalogue.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace Main {

namespace {

// Where each group lies in the lexicographic list, by its leading numbers:
// the group (a) is at a - 1, (a, b) in pair order and (a, b, c) at
// tripleBase[a][b] + c - b - 1.
class TGroupIndex {
public:
    TGroupIndex(int32_t size, int32_t m, std::vector<TGroupStat>& groups)
        : pairs_(size == 2 ? m : 0)
    {
        const auto c = [m](int64_t s) {
            int64_t value = 1;
            for (int64_t i = 0; i < s; ++i)
                value = value * (m - i) / (i + 1);
            return value;
        };
        groups.reserve(static_cast<std::size_t>(std::max<int64_t>(c(size), 0)));
        for (int32_t a = 1; a <= m; ++a) {
            if (size == 1)
                groups.push_back({ { a, 0, 0 } });
            for (int32_t b = a + 1; size >= 2 && b <= m; ++b) {
                if (size == 2)
                    groups.push_back({ { a, b, 0 } });
                tripleBase_[static_cast<std::size_t>(a * 100 + b)] = static_cast<int32_t>(groups.size());
                for (int32_t c = b + 1; size == 3 && c <= m; ++c)
                    groups.push_back({ { a, b, c } });
            }
        }
    }
    std::size_t pair(int32_t a, int32_t b) const { return static_cast<std::size_t>(pairs_.index(a, b)); }
    std::size_t triple(int32_t a, int32_t b, int32_t c) const
    {
        return static_cast<std::size_t>(tripleBase_[static_cast<std::size_t>(a * 100 + b)] + c - b - 1);
    }

private:
    TPairOrder pairs_;
    std::array<int32_t, 100 * 100> tripleBase_ {};
};

// The chance that a fair K-of-M draw holds s given numbers: the other K - s
// drawn numbers are any of the other M - s, so C(M-s, K-s) / C(M, K), which is
// the product of (K-i) / (M-i) for i < s (the hypergeometric law; W. Feller,
// "An Introduction to Probability Theory and Its Applications", vol. 1, 3rd
// ed., 1968, ch. II.6).
double GroupProbability(int32_t s, int32_t k, int32_t m)
{
    if (m < s || k < s)
        return 0;
    double p = 1;
    for (int32_t i = 0; i < s; ++i)
        p *= static_cast<double>(k - i) / static_cast<double>(m - i);
    return std::min(p, 1.0);
}

} // namespace

TGroupTable CountGroups(int32_t size, int32_t lastDraws)
{
    if (size < 1 || size > 3)
        throw EAnalysisError(Text(Messages::GroupSizeLimits, size));
    if (DrawCount < 1)
        throw EAnalysisError(Text(Messages::NoDrawsYet));
    if (lastDraws < 1 || lastDraws > DrawCount)
        throw EAnalysisError(Text(Messages::CountedDrawsLimits, DrawCount, lastDraws));
    if (size > NumbersPerDraw)
        throw EAnalysisError(Text(Messages::GroupLargerThanDraw, NumbersPerDraw, size));

    TGroupTable table;
    table.Size = size;
    table.Draws = lastDraws;
    const int32_t m = std::clamp(MaxNumber, 0, 99);
    const TGroupIndex index(size, m, table.Groups);

    for (int32_t j = DrawCount - lastDraws + 1; j <= DrawCount; ++j) {
        const TDrawSet set = DrawSet(Draws[j], NumbersPerDraw, m);
        const int32_t drawNo = Draws[j].DrawNo;
        const auto hit = [&table, drawNo](std::size_t group) {
            TGroupStat& stat = table.Groups[group];
            ++stat.Hits;
            stat.LastDraw = drawNo;
        };
        for (std::size_t x = 0; x < set.count; ++x) {
            const int32_t a = set.numbers[x];
            if (size == 1)
                hit(static_cast<std::size_t>(a - 1));
            for (std::size_t y = x + 1; size >= 2 && y < set.count; ++y) {
                const int32_t b = set.numbers[y];
                if (size == 2)
                    hit(index.pair(a, b));
                for (std::size_t z = y + 1; size == 3 && z < set.count; ++z)
                    hit(index.triple(a, b, set.numbers[z]));
            }
        }
    }
    const int32_t mostRecent = Draws[DrawCount].DrawNo;
    for (TGroupStat& stat : table.Groups)
        stat.Gap = mostRecent - stat.LastDraw;

    table.Probability = GroupProbability(size, NumbersPerDraw, m);
    table.Expected = lastDraws * table.Probability;
    table.Deviation = std::sqrt(lastDraws * table.Probability * (1 - table.Probability));
    return table;
}

} // namespace Main
