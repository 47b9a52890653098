#include "analysis/pairs/PairStatistics.h"

#include "analysis/pairs/PairCounting.h"
#include "analysis/tables/Tables.h"

namespace Main {

void ResetAndCount()
{
    for (int32_t i = 1; i <= PairCount; ++i) {
        const TPairStat fresh { i, 0, 0, 0 };
        Stats[i] = fresh;
        ByHits[i] = fresh;
        ByLastDraw[i] = fresh;
        ByGap[i] = fresh;
    }

    PairCounting::CountPairs(1, [](int32_t pairNo, int32_t drawNo) {
        Stats[pairNo].Hits += 1;
        Stats[pairNo].LastDraw = drawNo;
    });
}

void GapsAndCopies()
{
    const int32_t mostRecent = DrawCount > 0 ? Draws[DrawCount].DrawNo : 0;
    for (int32_t i = 1; i <= PairCount; ++i) {
        Stats[i].Gap = DrawCount > 0 ? mostRecent - Stats[i].LastDraw : 0;
        ByHits[i] = Stats[i];
        ByLastDraw[i] = Stats[i];
        ByGap[i] = Stats[i];
    }
}

int32_t ProcessedDraws()
{
    return DrawCount > 0 ? Draws[DrawCount].DrawNo - Draws[1].DrawNo + 1 : 0;
}

} // namespace Main
