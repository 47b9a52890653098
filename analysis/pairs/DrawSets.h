#pragma once

#include "analysis/tables/Records.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace Main {

// A draw's numbers as the counts see them: each number of 1..m once, however
// often drawn, in increasing order; numbers outside 1..m are in no group.
// The one reading of a draw shared by the group counts and the strategy check.
struct TDrawSet {
    std::array<int32_t, MaxNumbersPerDraw> numbers {};
    std::size_t count = 0;
};

inline TDrawSet DrawSet(const TDrawRecord& draw, int32_t k, int32_t m)
{
    std::array<bool, 100> seen {};
    for (int32_t n = 1; n <= std::min(k, MaxNumbersPerDraw); ++n) {
        const int32_t number = draw.Numbers[n];
        if (number >= 1 && number <= m && number <= 99)
            seen[static_cast<std::size_t>(number)] = true;
    }
    TDrawSet set;
    for (int32_t number = 1; number <= m && number <= 99; ++number)
        if (seen[static_cast<std::size_t>(number)])
            set.numbers[set.count++] = number;
    return set;
}

} // namespace Main
