#include "analysis/Rankings.h"

#include "analysis/Tables.h"

#include <algorithm>

namespace Main {

namespace {

template <int32_t TPairStat::*Key>
void RankBy(TStatTable& table)
{
    auto entries = table.first(PairCount);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TPairStat& a, const TPairStat& b) { return a.*Key < b.*Key; });
}

template <int32_t TPairStat::*Key>
TExtremes ExtremesOf(const TStatTable& table)
{
    TExtremes result;
    if (PairCount < 1)
        return result;
    result.Min = table[1].*Key;
    result.Max = table[PairCount].*Key;
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
