#pragma once

#include "analysis/tables/Records.h"

#include <cstdint>
#include <vector>

namespace Main {

// The statistics of every pair of the pair table over the most recent
// `lastDraws` loaded draws only (all of them when lastDraws >= DrawCount):
// Stats[i - 1] is pair i, counted as ResetAndCount and GapsAndCopies count the
// whole file, the gap reaching from the most recent draw.
struct TRecentPairs {
    int32_t Draws = 0; // draws counted
    std::vector<TPairStat> Stats;
};
TRecentPairs CountRecentPairs(int32_t lastDraws);

} // namespace Main
