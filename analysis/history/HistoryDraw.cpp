#include "analysis/history/HistoryDraw.h"

#include <algorithm>

namespace Main {

bool FitsGame(const THistoryDraw& draw, int32_t k, int32_t maxNumber)
{
    return static_cast<int32_t>(draw.Numbers.size()) == k
        && std::all_of(
            draw.Numbers.begin(), draw.Numbers.end(), [maxNumber](int32_t n) { return n >= 1 && n <= maxNumber; });
}

bool SameNumbers(const THistoryDraw& a, const THistoryDraw& b)
{
    if (a.Numbers.size() != b.Numbers.size())
        return false;
    if (a.Numbers == b.Numbers)
        return true;
    std::vector<int32_t> x = a.Numbers, y = b.Numbers;
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y;
}

int32_t LargestNumber(const std::vector<THistoryDraw>& draws)
{
    int32_t largest = 0;
    for (const THistoryDraw& draw : draws)
        for (int32_t n : draw.Numbers)
            largest = std::max(largest, n);
    return largest;
}

} // namespace Main
