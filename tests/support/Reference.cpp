#include "support/Reference.h"

#include "analysis/tables/Tables.h"

#include <bitset>

namespace TestSupport {

using namespace Main;

std::vector<TPairStat> ReferenceStatistics()
{
    std::vector<TPairStat> stats;
    for (int32_t i = 1; i <= PairCount; ++i) {
        TPairStat stat { i, 0, 0, 0 };
        for (int32_t j = 1; j <= DrawCount; ++j) {
            std::bitset<104> set;
            for (int32_t k = 1; k <= NumbersPerDraw; ++k)
                if (Draws[j].Numbers[k] >= 0 && Draws[j].Numbers[k] <= 103)
                    set.set(static_cast<std::size_t>(Draws[j].Numbers[k]));
            const auto member
                = [&set](int32_t n) { return n >= 0 && n <= 103 && set.test(static_cast<std::size_t>(n)); };
            if (member(Pairs[i].First) && member(Pairs[i].Second)) {
                ++stat.Hits;
                stat.LastDraw = Draws[j].DrawNo;
            }
        }
        stat.Gap = DrawCount > 0 ? Draws[DrawCount].DrawNo - stat.LastDraw : 0;
        stats.push_back(stat);
    }
    return stats;
}

void InsertionSort(std::vector<TPairStat>& table, int32_t TPairStat::*key)
{
    for (std::size_t i = 1; i < table.size(); ++i) {
        const TPairStat record = table[i];
        std::size_t j = i;
        while (j > 0 && table[j - 1].*key > record.*key) {
            table[j] = table[j - 1];
            --j;
        }
        table[j] = record;
    }
}

} // namespace TestSupport
