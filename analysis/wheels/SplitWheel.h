#pragma once

#include "analysis/wheels/PointSet.h"
#include "analysis/wheels/WheelRequest.h"

#include <chrono>
#include <functional>
#include <vector>

namespace Main::WheelDetail {

// A wheel for "t if p" with 2 <= t < p put together from coverings: the
// points are split into g = (p - 1) / (t - 1) groups as equal as may be, and
// any p points put at least t into one group (a group can hold at most t - 1
// of them without, and g (t - 1) < p), so tickets holding every t points of
// each group answer every p points. Each group's covering is a wheel of its
// own, searched within its share of `budget`. Empty when g < 2.
std::vector<TPointSet> SplitWheel(
    const TWheelShape& shape, std::chrono::milliseconds budget, uint64_t seed, const std::function<bool()>& cancelled);

} // namespace Main::WheelDetail
