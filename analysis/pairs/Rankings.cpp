#include "analysis/pairs/Rankings.h"

#include "analysis/tables/Tables.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace Main {

namespace {

// The keys are small integers (hits up to 1000, four-digit draw numbers), so a
// counting sort orders a table in linear time, ties in their previous order.
// Keys spread wider than the table is long fall back to a stable comparison
// sort.
template <int32_t TPairStat::*Key> void RankBy(TStatTable& table)
{
    const auto entries = table.first(std::max(PairCount, 0));
    if (entries.empty())
        return;
    const auto [lowest, highest] = std::minmax_element(
        entries.begin(), entries.end(), [](const TPairStat& a, const TPairStat& b) { return a.*Key < b.*Key; });
    const int64_t low = (*lowest).*Key;
    const auto range = static_cast<std::size_t>(int64_t { (*highest).*Key } - low + 1);
    if (range > 4 * entries.size() + 4096) {
        std::stable_sort(
            entries.begin(), entries.end(), [](const TPairStat& a, const TPairStat& b) { return a.*Key < b.*Key; });
        return;
    }

    const auto slot = [low](const TPairStat& entry) { return static_cast<std::size_t>(entry.*Key - low); };
    std::vector<std::size_t> next(range + 1, 0); // where the next entry of each key goes
    for (const TPairStat& entry : entries)
        ++next[slot(entry) + 1];
    std::partial_sum(next.begin(), next.end(), next.begin());
    std::vector<TPairStat> ranked(entries.size());
    for (const TPairStat& entry : entries)
        ranked[next[slot(entry)]++] = entry;
    std::copy(ranked.begin(), ranked.end(), entries.begin());
}

template <int32_t TPairStat::*Key> TExtremes ExtremesOf(const TStatTable& table)
{
    TExtremes result;
    if (PairCount < 1)
        return result;
    result.Min = table[1].*Key;
    result.Max = table[PairCount].*Key;
    const auto entries = table.first(PairCount);
    const auto count = [&entries](int32_t value) {
        return static_cast<std::size_t>(
            std::count_if(entries.begin(), entries.end(), [value](const TPairStat& e) { return e.*Key == value; }));
    };
    result.MinList.reserve(count(result.Min));
    result.MaxList.reserve(count(result.Max));
    for (int32_t i = 1; i <= PairCount; ++i) {
        const TPairStat& entry = table[i];
        if (entry.*Key == result.Min)
            result.MinList.push_back(Pairs[entry.PairNo]);
        if (entry.*Key == result.Max)
            result.MaxList.push_back(Pairs[entry.PairNo]);
    }
    return result;
}

} // namespace

void RankByHits()
{
    RankBy<&TPairStat::Hits>(ByHits);
}

void RankByLastDraw()
{
    RankBy<&TPairStat::LastDraw>(ByLastDraw);
}

void RankByGap()
{
    RankBy<&TPairStat::Gap>(ByGap);
}

TExtremes Extremes(TMeasure measure)
{
    switch (measure) {
    case TMeasure::Hits:
        return ExtremesOf<&TPairStat::Hits>(ByHits);
    case TMeasure::LastDraw:
        return ExtremesOf<&TPairStat::LastDraw>(ByLastDraw);
    case TMeasure::Gap:
        return ExtremesOf<&TPairStat::Gap>(ByGap);
    }
    return {};
}

} // namespace Main
