#pragma once

#include "analysis/tables/Records.h"

#include <cstdint>
#include <vector>

namespace Main {

// Stable ascending reorders of the working tables entries 1..PairCount, each by
// its own measure; ties keep their previous order (pair order after the
// statistics). Whole records move, so the other measures travel with a pair.
void RankByHits(); // ByHits by Hits
void RankByLastDraw(); // ByLastDraw by LastDraw
void RankByGap(); // ByGap by Gap

enum class TMeasure { Hits, LastDraw, Gap };

// The smallest and largest value of a measure and the pairs that reach them,
// each list in table order (ascending pair order after ranking).
struct TExtremes {
    int32_t Min = 0, Max = 0;
    std::vector<TPairRecord> MinList, MaxList;
};

// Reads the measure's ranked table: the minimum is its first entry, the maximum
// its last. Without pairs both lists are empty and Min = Max = 0.
TExtremes Extremes(TMeasure measure);

} // namespace Main
