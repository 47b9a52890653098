#include "analysis/pairs/RecentPairs.h"

#include "analysis/pairs/PairCounting.h"
#include "analysis/tables/Tables.h"

namespace Main {

TRecentPairs CountRecentPairs(int32_t lastDraws)
{
    TRecentPairs recent;
    recent.Draws = std::clamp(lastDraws, 0, DrawCount);
    recent.Stats.resize(static_cast<std::size_t>(PairCount));
    for (int32_t i = 1; i <= PairCount; ++i)
        recent.Stats[static_cast<std::size_t>(i - 1)].PairNo = i;
    PairCounting::CountPairs(DrawCount - recent.Draws + 1, [&recent](int32_t pairNo, int32_t drawNo) {
        TPairStat& stat = recent.Stats[static_cast<std::size_t>(pairNo - 1)];
        stat.Hits += 1;
        stat.LastDraw = drawNo;
    });
    const int32_t mostRecent = DrawCount > 0 ? Draws[DrawCount].DrawNo : 0;
    for (TPairStat& stat : recent.Stats)
        stat.Gap = DrawCount > 0 ? mostRecent - stat.LastDraw : 0;
    return recent;
}

} // namespace Main
