#include "analysis/tables/Tables.h"

namespace Main {

TDrawTable Draws;
int32_t DrawCount = 0;
int32_t NumbersPerDraw = 0;
int32_t MaxNumber = 0;

TPairTable Pairs;
int32_t PairCount = 0;

TStatTable Stats;
TStatTable ByHits;
TStatTable ByLastDraw;
TStatTable ByGap;

} // namespace Main
