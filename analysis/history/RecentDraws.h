#pragma once

#include "analysis/history/HistoryDraw.h"
#include "analysis/import/DrawImport.h"

#include <vector>

namespace Main {

// The game a kept history is loaded as.
struct THistoryGame {
    int32_t NumbersPerDraw = 0; // K
    int32_t MaxNumber = 0; // M
    bool DrawNumbers = false; // the draws carry the source's numbers; otherwise they are numbered by Position
};

// Loads the most recent `lastDraws` draws of `draws` (oldest first) that
// belong to the game into the draw table, as ImportDrawHistory loads a file:
// Draws[1..DrawCount] oldest first, NumbersPerDraw = K, MaxNumber = M.
// `draws` may hold only the newest part of a history, as long as it reaches
// back that far. Result.Rows counts `draws`; Skipped lists (by Position in
// Line) only the draws of another game among the ones loaded, which kept a
// draw out of the loaded ones. Throws, leaving every table unchanged, when K
// is outside 1..20, M outside 2..99, lastDraws outside 1..1000 or no draw
// belongs to the game.
TImportResult LoadRecentDraws(const std::vector<THistoryDraw>& draws, const THistoryGame& game, int32_t lastDraws);

} // namespace Main
