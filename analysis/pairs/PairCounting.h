#pragma once

#include "analysis/tables/Tables.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <memory>

// The pair counting shared by the statistics and the counts over recent
// draws: every draw Draws[firstDraw..DrawCount] is walked once and each pair
// of the pair table it holds is reported as hit(pairNo, drawNo).
namespace Main::PairCounting {

// A draw's numbers as a set; values outside 0..103 are never members.
inline constexpr int32_t DrawSetSize = 104;

inline bool InDrawSet(int32_t number)
{
    return number >= 0 && number < DrawSetSize;
}

// Pair numbers by their two numbers, smaller first: at(a, b) is the pair
// (a, b), 0 for none. build() fails when two entries of the pair table would
// share a cell, which a table written by BuildPairs never does.
class TPairIndex {
public:
    bool build()
    {
        for (int32_t i = 1; i <= PairCount; ++i) {
            const auto [first, second] = Pairs[i];
            if (!InDrawSet(first) || !InDrawSet(second))
                continue; // never in a draw set
            int32_t& cell = at(std::min(first, second), std::max(first, second));
            if (cell != 0)
                return false;
            cell = i;
        }
        return true;
    }
    int32_t& at(int32_t a, int32_t b) { return cells_[static_cast<std::size_t>(a * DrawSetSize + b)]; }

private:
    std::array<int32_t, DrawSetSize * DrawSetSize> cells_ {};
};

// Walks each draw's own pairs: K(K-1)/2 look-ups a draw instead of a test of
// every pair. Each number of the draw set is taken once, however often drawn.
template <typename Hit> void CountByDrawPairs(TPairIndex& index, int32_t firstDraw, Hit&& hit)
{
    std::array<bool, DrawSetSize> seen {};
    std::array<int32_t, MaxNumbersPerDraw> numbers {};
    const int32_t k = std::min(NumbersPerDraw, MaxNumbersPerDraw);
    for (int32_t j = firstDraw; j <= DrawCount; ++j) {
        const TDrawRecord& draw = Draws[j];
        std::size_t count = 0;
        for (int32_t n = 1; n <= k; ++n) {
            const int32_t number = draw.Numbers[n];
            if (InDrawSet(number) && !seen[static_cast<std::size_t>(number)]) {
                seen[static_cast<std::size_t>(number)] = true;
                numbers[count++] = number;
            }
        }
        for (std::size_t x = 0; x < count; ++x) {
            seen[static_cast<std::size_t>(numbers[x])] = false;
            if (const int32_t same = index.at(numbers[x], numbers[x]))
                hit(same, draw.DrawNo);
            for (std::size_t y = x + 1; y < count; ++y) {
                const auto [low, high] = std::minmax(numbers[x], numbers[y]);
                if (const int32_t pairNo = index.at(low, high))
                    hit(pairNo, draw.DrawNo);
            }
        }
    }
}

// Tests every pair against every draw; only for pair tables that repeat a pair.
template <typename Hit> void CountByEveryPair(int32_t firstDraw, Hit&& hit)
{
    const int32_t k = std::min(NumbersPerDraw, MaxNumbersPerDraw);
    for (int32_t j = firstDraw; j <= DrawCount; ++j) {
        std::bitset<DrawSetSize> set;
        for (int32_t n = 1; n <= k; ++n)
            if (InDrawSet(Draws[j].Numbers[n]))
                set.set(static_cast<std::size_t>(Draws[j].Numbers[n]));
        const auto member = [&set](int32_t n) { return InDrawSet(n) && set.test(static_cast<std::size_t>(n)); };
        for (int32_t i = 1; i <= PairCount; ++i)
            if (member(Pairs[i].First) && member(Pairs[i].Second))
                hit(i, Draws[j].DrawNo);
    }
}

template <typename Hit> void CountPairs(int32_t firstDraw, Hit&& hit)
{
    auto index = std::make_unique<TPairIndex>();
    if (index->build())
        CountByDrawPairs(*index, firstDraw, hit);
    else
        CountByEveryPair(firstDraw, hit);
}

} // namespace Main::PairCounting
