#pragma once

#include "analysis/wheels/PointSet.h"

#include <cstdint>
#include <vector>

namespace Main::WheelDetail {

// A covering of every t of the points 0..v-1 by k-point tickets made from a
// design on a few more points (DesignsFor): the extra points are taken out of
// its blocks (some of those lying on one block, or at random), each block is
// filled up to k points at random, and blocks that answer nothing alone are
// dropped, the smallest of some tries kept. Empty when no design fits;
// designs of `fewerThan` blocks or more may be left untried.
std::vector<TPointSet> DesignWheel(int32_t v, int32_t k, int32_t t, int64_t fewerThan, uint64_t seed);

} // namespace Main::WheelDetail
