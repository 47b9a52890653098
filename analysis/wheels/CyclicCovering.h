#pragma once

#include "analysis/wheels/Designs.h"

#include <cstdint>
#include <optional>

namespace Main::WheelDetail {

// A cyclic covering of the pairs of Z_v by k-sets: m = ceil((v-1) / (k(k-1)))
// base blocks whose differences a - b take every nonzero value mod v, so
// that their v shifts each put every pair on a block (with m k(k-1) = v - 1
// a cyclic Steiner system, a difference family). Found by a depth-first
// search over the base blocks' points in increasing order that allows no
// more repeated differences than m k(k-1) - (v-1), giving up after `nodes`
// steps (M. J. Colbourn and C. J. Colbourn,
// "Recursive constructions for cyclic block designs", 1984, and the Handbook
// of Combinatorial Designs on difference families).
std::optional<TDesign> CyclicPairCovering(int32_t v, int32_t k, int64_t nodes);

} // namespace Main::WheelDetail
