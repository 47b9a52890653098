#pragma once

#include "analysis/wheels/PointSet.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace Main::WheelDetail {

// Calls f(set) for every r-subset of the n points, as point sets joined to `base`.
template <class F> void ForEachSubset(const int32_t* points, int32_t n, int32_t r, TPointSet base, F&& f)
{
    if (r > n || r < 0)
        return;
    int32_t index[128];
    for (int32_t i = 0; i < r; ++i)
        index[i] = i;
    for (;;) {
        TPointSet set = base;
        for (int32_t i = 0; i < r; ++i)
            set.add(points[index[i]]);
        f(set);
        int32_t i = r - 1;
        while (i >= 0 && index[i] == n - r + i)
            --i;
        if (i < 0)
            return;
        ++index[i];
        for (int32_t j = i + 1; j < r; ++j)
            index[j] = index[j - 1] + 1;
    }
}

// Which drawn sets (the p-subsets of the points 0..v-1, each known by its
// colexicographic rank) the tickets answer: for each, how many tickets meet it
// in t or more points, and the list of those no ticket meets, so that a
// random one is picked at once. Changing one point of one ticket touches only
// the drawn sets that hold that point and t - 1 others of the ticket.
class TCoverState {
public:
    TCoverState(int32_t v, int32_t k, int32_t t, int32_t p);

    int32_t uncovered() const { return static_cast<int32_t>(uncovered_.size()); }
    int32_t uncoveredAt(int32_t i) const { return uncovered_[static_cast<std::size_t>(i)]; }
    bool answered(int32_t rank) const { return cover_[static_cast<std::size_t>(rank)] > 0; }
    int32_t drawnSets() const { return static_cast<int32_t>(cover_.size()); }

    int32_t rank(TPointSet set) const;
    TPointSet unrank(int32_t rank) const;

    void addTicket(TPointSet ticket) { changeTicket(ticket, +1); }
    void removeTicket(TPointSet ticket) { changeTicket(ticket, -1); }
    // The drawn sets that only this ticket (which must be in) answers.
    int32_t onlyAnsweredBy(TPointSet ticket) const;

    // The change in unanswered drawn sets if `out` in the ticket (which must
    // be in) were replaced by `in` (not in it).
    int32_t swapDelta(TPointSet ticket, int32_t out, int32_t in) const;
    // The same with each drawn set counted by its weight.
    int64_t weightedSwapDelta(TPointSet ticket, int32_t out, int32_t in) const;
    // Every unanswered drawn set weighs one more; all weigh 1 after resetWeights().
    void raiseUnansweredWeights();
    void resetWeights() { std::fill(weight_.begin(), weight_.end(), 1); }
    void swap(TPointSet ticket, int32_t out, int32_t in);

    // The drawn sets not yet answered that `point` would answer if added to
    // the partial ticket (fewer than k points, not yet in).
    int32_t gainOfAdding(TPointSet partial, int32_t point) const;
    // How many drawn sets gainOfAdding visits for a partial ticket of `size`.
    int64_t gainWork(int32_t size) const;

private:
    void changeTicket(TPointSet ticket, int32_t by);
    void increment(int32_t rank);
    void decrement(int32_t rank);
    // Calls f(set) for every drawn set holding `point`, t - 1 points of
    // `with` and p - t points outside both `with` and `exclude`.
    template <class F> void forEachSwapped(TPointSet with, TPointSet exclude, int32_t point, F&& f) const;

    int32_t v_, k_, t_, p_;
    std::vector<int32_t> binomial_; // C(n, r) at n * (p + 1) + r, held below 2^31
    std::vector<int32_t> cover_; // per drawn set: tickets meeting it in >= t points
    std::vector<int32_t> uncovered_; // ranks with cover_ 0
    std::vector<int32_t> where_; // per drawn set: its place in uncovered_, or -1
    std::vector<int32_t> weight_; // per drawn set: how long it has gone unanswered, plus 1
    std::vector<int32_t> combinations_; // coverings, t >= 2: the (t-1)-subsets of 0..k-2, t - 1 places each
};

} // namespace Main::WheelDetail
