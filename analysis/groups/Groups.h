#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace Main {

// Every group of `size` distinct numbers of 1..M (size 1: numbers, 2: pairs,
// 3: triples), counted over the most recent `lastDraws` lines of the draw
// table (Draws[DrawCount-lastDraws+1..DrawCount]). A group comes up in a draw
// when each of its numbers is among the draw's NumbersPerDraw numbers, as the
// pair statistics count. LastDraw is the DrawNo of the last counted line, in
// table order, that held the group (0 when none did), and Gap is
// Draws[DrawCount].DrawNo - LastDraw. So for size 2 over all draws, group i
// equals Stats[i] (pair order).
struct TGroupStat {
    std::array<int32_t, 3> Numbers {}; // increasing; places after `size` are 0
    int32_t Hits = 0;
    int32_t LastDraw = 0;
    int32_t Gap = 0;

    friend bool operator==(const TGroupStat&, const TGroupStat&) = default;
};

struct TGroupTable {
    int32_t Size = 0;
    int32_t Draws = 0; // lines counted (= lastDraws)
    double Probability = 0; // chance of one given group in one fair draw: C(M-s, K-s) / C(M, K)
    double Expected = 0; // Draws * Probability
    double Deviation = 0; // sqrt(Draws * Probability * (1 - Probability))
    std::vector<TGroupStat> Groups; // all C(M, size) groups, lexicographic order of Numbers
};

// Reads the draw table and the header values; changes no table. Throws an
// EAnalysisError, changing nothing, when size is outside 1..3, lastDraws
// outside 1..DrawCount, or size > NumbersPerDraw.
TGroupTable CountGroups(int32_t size, int32_t lastDraws);

} // namespace Main
