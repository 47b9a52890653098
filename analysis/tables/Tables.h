#pragma once

#include "analysis/tables/Records.h"

#include <cstdint>

// The analysis state of the program. It lives as long as the program; every
// command overwrites the part it owns and the windows read it directly.
namespace Main {

extern TDrawTable Draws; // draws of the opened file, Draws[1..DrawCount] in file order
extern int32_t DrawCount;
extern int32_t NumbersPerDraw; // K of the lottery type
extern int32_t MaxNumber; // M of the lottery type

extern TPairTable Pairs; // every pair of 1..MaxNumber, Pairs[1..PairCount]
extern int32_t PairCount;

extern TStatTable Stats; // statistics in pair order
extern TStatTable ByHits; // the same records ranked by Hits
extern TStatTable ByLastDraw; // ... by LastDraw
extern TStatTable ByGap; // ... by Gap

} // namespace Main
