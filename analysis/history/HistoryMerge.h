#pragma once

#include "analysis/history/HistoryDraw.h"

#include <cstdint>
#include <vector>

namespace Main {

// A stored draw whose numbers differ in a new copy of its source. The stored
// one is kept.
struct THistoryConflict {
    THistoryDraw Stored;
    THistoryDraw Downloaded;
};

// What a new copy of a history's source adds to the stored history.
struct THistoryMerge {
    std::vector<THistoryDraw> Added; // draws the stored history lacks, oldest first, Positions after the stored ones
    std::vector<THistoryConflict> Conflicts;
    int32_t Matched = 0; // rows of the copy found among the stored draws with the same numbers
    int32_t Unplaced = 0; // rows without a draw number, older than the newest stored draw, that match none: not added
    bool Aligned = true; // false: a copy without draw numbers or dates shares no draw with the stored history
    int32_t LargerPool = 0; // the largest number of the added draws when it is above the stored game's M, else 0
};

// Matches a new copy of a history's source with the stored history, both
// oldest first, without changing either:
// - with draw numbers (`byDrawNo`), a row is the stored draw of the same number;
//   every number not stored is added, wherever it falls (the store orders such
//   a history by draw number);
// - without them, when every draw has a date, by date and, within a date, by
//   the numbers and then the order of the draws; a row dated after the newest
//   stored draw, or on its date beyond the draws stored for it, is added;
// - otherwise by aligning the copy with the stored draws where the newest
//   stored draws (or the copy's newest row) appear in the other; the rows after
//   the stored newest are added.
// Stored draws are never changed: a row that matches a stored draw but whose
// numbers differ is a conflict.
THistoryMerge MergeHistory(const std::vector<THistoryDraw>& stored, const std::vector<THistoryDraw>& downloaded,
    bool byDrawNo, int32_t maxNumber);

} // namespace Main
