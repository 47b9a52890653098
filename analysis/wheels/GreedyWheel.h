#pragma once

#include "analysis/wheels/PointSet.h"

#include <cstdint>
#include <vector>

namespace Main::WheelDetail {

// A complete wheel built at once: while some drawn set is unanswered, the
// first of them gives a ticket t of its points, and the ticket is filled one
// point at a time with the point that answers most unanswered drawn sets
// (ties broken by the seed); then tickets that answer nothing alone are
// dropped. Every ticket answers a drawn set no earlier one did, so no two
// are alike.
std::vector<TPointSet> GreedyWheel(int32_t v, int32_t k, int32_t t, int32_t p, uint64_t seed);

} // namespace Main::WheelDetail
