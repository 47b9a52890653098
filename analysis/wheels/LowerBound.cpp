// Lower bounds on the size of a wheel.
#include "analysis/wheels/LowerBound.h"

#include "analysis/wheels/WheelRequest.h"

#include <algorithm>

namespace Main::WheelDetail {

namespace {

// The Schönheim bound for coverings, L(v,k,t) = ceil(v/k * L(v-1,k-1,t-1)),
// L(v,k,0) = 1 (J. Schönheim, "On coverings", Pacific J. Math. 14 (1964)
// 1405-1411): the tickets holding one point, with that point taken out,
// cover every (t-1)-set of the other v-1 points, and each ticket holds k of
// the v points.
int64_t Schoenheim(int32_t v, int32_t k, int32_t t)
{
    if (t <= 0)
        return 1;
    const int64_t inner = Schoenheim(v - 1, k - 1, t - 1);
    return (static_cast<int64_t>(v) * inner + k - 1) / k;
}

// The counting bound for lotto designs (as in P. C. Li and G. H. J. van Rees,
// "Lower bounds on lotto designs", 1999): one ticket meets
// sum over i >= t of C(k,i) C(v-k,p-i) of the C(v,p) drawn sets in t or more
// numbers, so at least C(v,p) divided by that, rounded up, tickets are needed.
int64_t Counting(int32_t v, int32_t k, int32_t t, int32_t p)
{
    int64_t perTicket = 0;
    for (int32_t i = t; i <= std::min(k, p); ++i)
        perTicket += Binomial(k, i) * Binomial(v - k, p - i);
    const int64_t all = Binomial(v, p);
    return perTicket > 0 ? (all + perTicket - 1) / perTicket : 1;
}

} // namespace

int64_t WheelLowerBound(int32_t v, int32_t k, int32_t t, int32_t p)
{
    int64_t bound = std::max<int64_t>(1, Counting(v, k, t, p));
    if (t == p)
        bound = std::max(bound, Schoenheim(v, k, t));
    if (t == 1) {
        // Every p-set meets a ticket exactly when fewer than p points lie
        // outside all tickets: the tickets hold at least v - p + 1 points.
        bound = std::max<int64_t>(bound, (v - p + 1 + k - 1) / k);
    }
    return bound;
}

} // namespace Main::WheelDetail
