#pragma once

#include <cstdint>

namespace Main::WheelDetail {

// A proven lower bound on the tickets of any wheel of k-number tickets on v
// numbers that answers every p drawn numbers with t matching ("t if p").
int64_t WheelLowerBound(int32_t v, int32_t k, int32_t t, int32_t p);

} // namespace Main::WheelDetail
