#pragma once

#include "analysis/wheels/Wheels.h"

#include <cstdint>
#include <vector>

namespace Main::WheelDetail {

// The largest number of Drawn-subsets a wheel is searched and checked for.
constexpr int64_t MaxDrawnSets = 1'000'000;

// C(n, r) for 0 <= n, r <= 127, held at 2^62 when larger; 0 when r > n or
// either is negative.
int64_t Binomial(int32_t n, int32_t r);

// A request as the search sees it: points 0..V-1 stand for the player's
// numbers in ascending order (point i is Numbers[i]).
struct TWheelShape {
    int32_t V = 0; // the player's numbers
    int32_t K = 0; // numbers on a ticket
    int32_t T = 0; // Match
    int32_t P = 0; // Drawn
    std::vector<int32_t> Numbers; // ascending
};

// The request checked against the rules; throws EAnalysisError with the
// Russian message naming the first rule it breaks, changing nothing.
TWheelShape CheckRequest(const TWheelRequest& request);

} // namespace Main::WheelDetail
