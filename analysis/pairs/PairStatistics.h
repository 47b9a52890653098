#pragma once

#include <cstdint>

namespace Main {

// Statistics of every pair over the loaded draws, in two halves so that the
// caller can show progress between them.
//
// First half: entries 1..PairCount of Stats, ByHits, ByLastDraw and ByGap are
// reset to (PairNo = i, 0, 0, 0); then Stats[i].Hits counts the draws holding
// both numbers of pair i and Stats[i].LastDraw is the DrawNo of the last such
// draw in file order (0 when none did). Drawn numbers outside 0..103 are in no
// pair; a number drawn twice counts once.
void ResetAndCount();

// Second half: Stats[i].Gap = DrawNo of the last draw of the file - LastDraw
// (0 without draws), then every Stats[i] is copied into ByHits, ByLastDraw and
// ByGap.
void GapsAndCopies();

// The span of draw numbers the file covers: last DrawNo - first DrawNo + 1;
// 0 without draws.
int32_t ProcessedDraws();

} // namespace Main
