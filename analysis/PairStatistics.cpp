#include "analysis/PairStatistics.h"

#include "analysis/Tables.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <memory>

namespace Main {

namespace {

// A draw's numbers as a set; values outside 0..103 are never members.
constexpr int32_t DrawSetSize = 104;
using TDrawSet = std::bitset<DrawSetSize>;

bool InDrawSet(int32_t number)
{
    return number >= 0 && number < DrawSetSize;
}

TDrawSet DrawSet(const TDrawRecord& draw)
{
    TDrawSet set;
    for (int32_t k = 1; k <= std::min(NumbersPerDraw, MaxNumbersPerDraw); ++k)
        if (InDrawSet(draw.Numbers[k]))
            set.set(static_cast<std::size_t>(draw.Numbers[k]));
    return set;
}

void CountHit(int32_t pairNo, int32_t drawNo)
{
    Stats[pairNo].Hits += 1;
    Stats[pairNo].LastDraw = drawNo;
}

// Pair numbers by their two numbers, smaller first: index[a][b] is the pair
// (a, b), 0 for none. Empty when two entries of the pair table would share a
// cell, which a table written by BuildPairs never does.
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
    std::array<int32_t, DrawSetSize * DrawSetSize> cells_{};
};

// Walks each draw's own pairs: K(K-1)/2 look-ups a draw instead of a test of
// every pair. Each number of the draw set is taken once, however often drawn.
void CountByDrawPairs(TPairIndex& index)
{
    std::array<bool, DrawSetSize> seen{};
    std::array<int32_t, MaxNumbersPerDraw> numbers{};
    const int32_t k = std::min(NumbersPerDraw, MaxNumbersPerDraw);
    for (int32_t j = 1; j <= DrawCount; ++j) {
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
                CountHit(same, draw.DrawNo);
            for (std::size_t y = x + 1; y < count; ++y) {
                const auto [low, high] = std::minmax(numbers[x], numbers[y]);
                if (const int32_t pairNo = index.at(low, high))
                    CountHit(pairNo, draw.DrawNo);
            }
        }
    }
}

// Tests every pair against every draw; only for pair tables that repeat a pair.
void CountByEveryPair()
{
    for (int32_t j = 1; j <= DrawCount; ++j) {
        const TDrawSet set = DrawSet(Draws[j]);
        const auto member = [&set](int32_t n) { return InDrawSet(n) && set.test(static_cast<std::size_t>(n)); };
        for (int32_t i = 1; i <= PairCount; ++i)
            if (member(Pairs[i].First) && member(Pairs[i].Second))
                CountHit(i, Draws[j].DrawNo);
    }
}

} // namespace

void ResetAndCount()
{
    for (int32_t i = 1; i <= PairCount; ++i) {
        const TPairStat fresh{i, 0, 0, 0};
        Stats[i] = fresh;
        ByHits[i] = fresh;
        ByLastDraw[i] = fresh;
        ByGap[i] = fresh;
    }

    auto index = std::make_unique<TPairIndex>();
    if (index->build())
        CountByDrawPairs(*index);
    else
        CountByEveryPair();
}

void GapsAndCopies()
{
    const int32_t mostRecent = DrawCount > 0 ? Draws[DrawCount].DrawNo : 0;
    for (int32_t i = 1; i <= PairCount; ++i) {
        Stats[i].Gap = DrawCount > 0 ? mostRecent - Stats[i].LastDraw : 0;
        ByHits[i] = Stats[i];
        ByLastDraw[i] = Stats[i];
        ByGap[i] = Stats[i];
    }
}

int32_t ProcessedDraws()
{
    return DrawCount > 0 ? Draws[DrawCount].DrawNo - Draws[1].DrawNo + 1 : 0;
}

} // namespace Main
