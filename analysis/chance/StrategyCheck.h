#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace Main {

// Would picking pairs by a rule have caught more pairs than a fair lottery
// hands anyone? For each predicted line t = warmup+1 .. DrawCount of the draw
// table (positions, oldest = 1), the rule ranks every pair (a, b),
// a < b <= M, from lines 1..t-1 only, takes the first `picks` pairs, and
// counts how many of them line t holds (both numbers among its
// NumbersPerDraw numbers).
//   MostHits:   most hits in lines 1..t-1 first
//   FewestHits: fewest hits in lines 1..t-1 first
//   LongestGap: earliest last hit first (position of the last line 1..t-1
//               holding the pair; a pair never seen counts as position 0)
//   HotRecent:  most hits in lines max(1, t-recent)..t-1 first
// Ties go to the pair that comes first in pair order ((1,2), (1,3), ..., (M-1,M)).
enum class TPairRule { MostHits, FewestHits, LongestGap, HotRecent };

struct TStrategyCheck {
    int32_t Predicted = 0; // lines predicted: DrawCount - warmup
    int32_t Picks = 0;
    int64_t Hits = 0; // picked pairs held by the predicted lines, summed
    double Expected = 0; // Predicted * Picks * p2, p2 = K(K-1) / (M(M-1))
    // Standard deviation of Hits in a fair lottery, exact for the sets
    // actually picked: each line adds Var = P*p2*(1-p2) + sum over ordered
    // pairs of distinct picked pairs (i, j) of (p_ij - p2^2), where p_ij = p3
    // = K(K-1)(K-2) / (M(M-1)(M-2)) when i and j share a number and p4 =
    // K(K-1)(K-2)(K-3) / (M(M-1)(M-2)(M-3)) when they share none (possible
    // only for M >= 4).
    double Deviation = 0;
    // The chance that a fair lottery gives at least Hits, normal with
    // continuity correction: 0.5 * erfc(((Hits - 0.5) - Expected) /
    // (Deviation * sqrt(2))); 1 when Deviation is 0.
    double Chance = 0;
    std::vector<int64_t> Cumulative; // Hits after each predicted line, Predicted entries

    friend bool operator==(const TStrategyCheck&, const TStrategyCheck&) = default;
};

// Reads the draw table and the header values; changes no table. Throws an
// EAnalysisError, changing nothing, when picks is outside 1..M(M-1)/2, warmup
// outside 1..DrawCount-1, recent < 1 (HotRecent only), or K < 2.
TStrategyCheck CheckPairRule(TPairRule rule, int32_t picks, int32_t warmup, int32_t recent = 50);

// The draws a check walks, copied out of the tables so that the walk can run
// on another thread while the tables change: each line's distinct numbers of
// 1..M, oldest first.
struct TStrategyInput {
    int32_t K = 0;
    int32_t M = 0;
    std::vector<std::vector<int32_t>> Lines;
};
TStrategyInput CollectStrategyInput(); // reads the draw table and the header values

// The walk of one rule over `input`, with the fair variance summed after each
// predicted line (for a band around the expected line). Throws as
// CheckPairRule does on bad settings; setting `cancel` stops it early with no
// result; `done`, when given, counts the predicted lines as they are walked.
struct TStrategyWalk {
    TStrategyCheck Check;
    std::vector<double> CumulativeVariance; // Predicted entries
};
std::optional<TStrategyWalk> WalkPairRule(const TStrategyInput& input, TPairRule rule, int32_t picks, int32_t warmup,
    int32_t recent, const std::atomic<bool>* cancel = nullptr, std::atomic<int32_t>* done = nullptr);

} // namespace Main
