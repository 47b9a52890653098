#pragma once

#include "analysis/tables/FixedTable.h"

#include <cstdint>

namespace Main {

inline constexpr int32_t MaxNumbersPerDraw = 20;
inline constexpr int32_t MaxDraws = 1000;
inline constexpr int32_t MaxPairs = 5000;

// One draw: its number as written in the file and its numbers in file order.
// Only Numbers[1..NumbersPerDraw] are meaningful.
struct TDrawRecord {
    int32_t DrawNo = 0;
    TFixedTable<int32_t, MaxNumbersPerDraw> Numbers;

    friend bool operator==(const TDrawRecord&, const TDrawRecord&) = default;
};

// One pair of distinct numbers, First < Second.
struct TPairRecord {
    int32_t First = 0;
    int32_t Second = 0;

    friend bool operator==(const TPairRecord&, const TPairRecord&) = default;
};

// The statistics of one pair; PairNo is its position in the pair table.
struct TPairStat {
    int32_t PairNo = 0;
    int32_t Hits = 0;
    int32_t LastDraw = 0;
    int32_t Gap = 0;

    friend bool operator==(const TPairStat&, const TPairStat&) = default;
};

using TDrawTable = TFixedTable<TDrawRecord, MaxDraws>;
using TPairTable = TFixedTable<TPairRecord, MaxPairs>;
using TStatTable = TFixedTable<TPairStat, MaxPairs>;

} // namespace Main
