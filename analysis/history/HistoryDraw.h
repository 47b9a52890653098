#pragma once

#include <cstdint>
#include <vector>

namespace Main {

// One draw of a kept history, as its source wrote it.
struct THistoryDraw {
    int32_t Position = 0; // order in the history: the import's draw number for the row (oldest = 1), later draws after
    int32_t DrawNo = 0; // the source's own draw number; 0 when its layout has none
    int32_t Date = 0; // year * 10000 + month * 100 + day, as FindDate gives it; 0 when the row has none
    std::vector<int32_t> Numbers; // the K main numbers in the source's order

    friend bool operator==(const THistoryDraw&, const THistoryDraw&) = default;
};

// Whether a draw belongs to a K-of-M game: K numbers, each within 1..M. The
// numbers of a row are distinct once read.
bool FitsGame(const THistoryDraw& draw, int32_t k, int32_t maxNumber);

// The same numbers, in whatever order each copy lists them.
bool SameNumbers(const THistoryDraw& a, const THistoryDraw& b);

// The largest number of the draws; 0 for none.
int32_t LargestNumber(const std::vector<THistoryDraw>& draws);

} // namespace Main
