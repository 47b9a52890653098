#include "analysis/pairs/PairTable.h"

#include "analysis/tables/Tables.h"

namespace Main {

void BuildPairs()
{
    PairCount = 0;
    for (int32_t a = 1; a <= MaxNumber; ++a)
        for (int32_t b = a + 1; b <= MaxNumber; ++b)
            Pairs[++PairCount] = TPairRecord { a, b };
}

} // namespace Main
