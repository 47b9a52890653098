#pragma once

#include "analysis/wheels/PointSet.h"

#include <cstdint>
#include <vector>

namespace Main::WheelDetail {

// How many p-subsets of the points 0..v-1 meet no ticket in t or more points.
// It walks the p-subsets in lexicographic order, keeping for each chosen
// prefix the tickets that meet it in at least 1..t points as bit sets over the
// tickets, and skips at once every completion of a prefix that some ticket
// already meets in t points, or that no ticket can still reach t with.
int64_t CountMisses(int32_t v, int32_t t, int32_t p, const std::vector<TPointSet>& tickets);

} // namespace Main::WheelDetail
