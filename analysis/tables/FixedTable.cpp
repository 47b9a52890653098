#include "analysis/tables/FixedTable.h"

#include <cstdio>
#include <cstdlib>

namespace Main {

void TableIndexOutOfRange(int32_t index, int32_t capacity)
{
    std::fprintf(stderr, "table index %d outside 1..%d\n", static_cast<int>(index), static_cast<int>(capacity));
    std::abort();
}

} // namespace Main
