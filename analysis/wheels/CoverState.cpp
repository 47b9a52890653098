// The drawn sets a set of tickets answers, kept up to date as tickets change.
#include "analysis/wheels/CoverState.h"

#include "analysis/wheels/WheelRequest.h"

#include <algorithm>
#include <limits>

namespace Main::WheelDetail {

TCoverState::TCoverState(int32_t v, int32_t k, int32_t t, int32_t p)
    : v_(v)
    , k_(k)
    , t_(t)
    , p_(p)
    , binomial_(static_cast<std::size_t>((v + 1) * (p + 1)))
{
    for (int32_t n = 0; n <= v; ++n)
        for (int32_t r = 0; r <= p; ++r)
            binomial_[static_cast<std::size_t>(n * (p + 1) + r)]
                = static_cast<int32_t>(std::min<int64_t>(Binomial(n, r), std::numeric_limits<int32_t>::max()));
    const auto sets = static_cast<std::size_t>(Binomial(v, p));
    cover_.assign(sets, 0);
    uncovered_.resize(sets);
    where_.resize(sets);
    weight_.assign(sets, 1);
    if (p == t && t >= 2) {
        // The (t-1)-subsets of the k-1 places of a ticket other than one point.
        std::vector<int32_t> index(static_cast<std::size_t>(t - 1));
        for (int32_t i = 0; i < t - 1; ++i)
            index[static_cast<std::size_t>(i)] = i;
        const int32_t n = k - 1;
        const int32_t r = t - 1;
        for (;;) {
            combinations_.insert(combinations_.end(), index.begin(), index.end());
            int32_t i = r - 1;
            while (i >= 0 && index[static_cast<std::size_t>(i)] == n - r + i)
                --i;
            if (i < 0)
                break;
            ++index[static_cast<std::size_t>(i)];
            for (int32_t j = i + 1; j < r; ++j)
                index[static_cast<std::size_t>(j)] = index[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
    for (std::size_t i = 0; i < sets; ++i) {
        uncovered_[i] = static_cast<int32_t>(i);
        where_[i] = static_cast<int32_t>(i);
    }
}

int32_t TCoverState::rank(TPointSet set) const
{
    int32_t rank = 0;
    int32_t i = 1;
    set.forEach([&](int32_t s) { rank += binomial_[static_cast<std::size_t>(s * (p_ + 1) + i++)]; });
    return rank;
}

TPointSet TCoverState::unrank(int32_t rank) const
{
    TPointSet set;
    int32_t s = v_ - 1;
    for (int32_t i = p_; i >= 1; --i) {
        while (binomial_[static_cast<std::size_t>(s * (p_ + 1) + i)] > rank)
            --s;
        set.add(s);
        rank -= binomial_[static_cast<std::size_t>(s * (p_ + 1) + i)];
        --s;
    }
    return set;
}

void TCoverState::increment(int32_t rank)
{
    const auto r = static_cast<std::size_t>(rank);
    if (cover_[r]++ == 0) {
        const auto at = static_cast<std::size_t>(where_[r]);
        const int32_t last = uncovered_.back();
        uncovered_[at] = last;
        where_[static_cast<std::size_t>(last)] = static_cast<int32_t>(at);
        uncovered_.pop_back();
        where_[r] = -1;
    }
}

void TCoverState::decrement(int32_t rank)
{
    const auto r = static_cast<std::size_t>(rank);
    if (--cover_[r] == 0) {
        where_[r] = static_cast<int32_t>(uncovered_.size());
        uncovered_.push_back(rank);
    }
}

template <class F> void TCoverState::forEachSwapped(TPointSet with, TPointSet exclude, int32_t point, F&& f) const
{
    int32_t inside[128];
    int32_t in = 0;
    if (p_ == t_) {
        // A covering: the drawn sets are `point` and t - 1 points of `with`,
        // ranked as they are listed, with `point` put in its place.
        with.forEach([&](int32_t x) { inside[in++] = x; });
        const int32_t r = t_ - 1;
        if (r > in)
            return;
        int32_t index[128];
        for (int32_t i = 0; i < r; ++i)
            index[i] = i;
        const int32_t* c = binomial_.data();
        const auto stride = static_cast<std::size_t>(p_ + 1);
        for (;;) {
            int32_t rank = 0;
            std::size_t place = 1;
            bool placed = false;
            for (int32_t i = 0; i < r; ++i) {
                const int32_t u = inside[index[i]];
                if (!placed && point < u) {
                    rank += c[static_cast<std::size_t>(point) * stride + place++];
                    placed = true;
                }
                rank += c[static_cast<std::size_t>(u) * stride + place++];
            }
            if (!placed)
                rank += c[static_cast<std::size_t>(point) * stride + place];
            f(rank);
            int32_t i = r - 1;
            while (i >= 0 && index[i] == in - r + i)
                --i;
            if (i < 0)
                return;
            ++index[i];
            for (int32_t j = i + 1; j < r; ++j)
                index[j] = index[j - 1] + 1;
        }
    }
    int32_t outside[128];
    int32_t out = 0;
    for (int32_t x = 0; x < v_; ++x) {
        if (with.has(x))
            inside[in++] = x;
        else if (!exclude.has(x) && x != point)
            outside[out++] = x;
    }
    TPointSet base;
    base.add(point);
    ForEachSubset(inside, in, t_ - 1, base,
        [&](TPointSet part) { ForEachSubset(outside, out, p_ - t_, part, [&](TPointSet set) { f(rank(set)); }); });
}

void TCoverState::changeTicket(TPointSet ticket, int32_t by)
{
    int32_t inside[128];
    int32_t outside[128];
    int32_t in = 0;
    int32_t out = 0;
    for (int32_t x = 0; x < v_; ++x)
        (ticket.has(x) ? inside[in++] : outside[out++]) = x;
    for (int32_t i = t_; i <= std::min(in, p_); ++i)
        ForEachSubset(inside, in, i, TPointSet {}, [&](TPointSet part) {
            ForEachSubset(outside, out, p_ - i, part, [&](TPointSet set) {
                if (by > 0)
                    increment(rank(set));
                else
                    decrement(rank(set));
            });
        });
}

int32_t TCoverState::onlyAnsweredBy(TPointSet ticket) const
{
    int32_t inside[128];
    int32_t outside[128];
    int32_t in = 0;
    int32_t out = 0;
    for (int32_t x = 0; x < v_; ++x)
        (ticket.has(x) ? inside[in++] : outside[out++]) = x;
    int32_t only = 0;
    for (int32_t i = t_; i <= std::min(in, p_); ++i)
        ForEachSubset(inside, in, i, TPointSet {}, [&](TPointSet part) {
            ForEachSubset(outside, out, p_ - i, part,
                [&](TPointSet set) { only += cover_[static_cast<std::size_t>(rank(set))] == 1 ? 1 : 0; });
        });
    return only;
}

int32_t TCoverState::swapDelta(TPointSet ticket, int32_t out, int32_t in) const
{
    if (p_ == t_ && !combinations_.empty()) {
        // A covering: the drawn sets lost and gained are `out` and `in`, each
        // with the same t - 1 other points of the ticket, ranked in one pass.
        int32_t rest[128];
        int32_t n = 0;
        ticket.forEach([&](int32_t x) {
            if (x != out)
                rest[n++] = x;
        });
        const int32_t* c = binomial_.data();
        const auto stride = static_cast<std::size_t>(p_ + 1);
        const auto r = static_cast<std::size_t>(t_ - 1);
        int32_t delta = 0;
        for (std::size_t at = 0; at < combinations_.size(); at += r) {
            int32_t lost = 0;
            int32_t gained = 0;
            std::size_t placeOut = 1;
            std::size_t placeIn = 1;
            bool outPlaced = false;
            bool inPlaced = false;
            for (std::size_t i = 0; i < r; ++i) {
                const int32_t u = rest[combinations_[at + i]];
                if (!outPlaced && out < u) {
                    lost += c[static_cast<std::size_t>(out) * stride + placeOut++];
                    outPlaced = true;
                }
                if (!inPlaced && in < u) {
                    gained += c[static_cast<std::size_t>(in) * stride + placeIn++];
                    inPlaced = true;
                }
                lost += c[static_cast<std::size_t>(u) * stride + placeOut++];
                gained += c[static_cast<std::size_t>(u) * stride + placeIn++];
            }
            if (!outPlaced)
                lost += c[static_cast<std::size_t>(out) * stride + placeOut];
            if (!inPlaced)
                gained += c[static_cast<std::size_t>(in) * stride + placeIn];
            delta += (cover_[static_cast<std::size_t>(lost)] == 1 ? 1 : 0)
                - (cover_[static_cast<std::size_t>(gained)] == 0 ? 1 : 0);
        }
        return delta;
    }
    TPointSet rest = ticket;
    rest.remove(out);
    TPointSet exclude = ticket;
    exclude.add(in);
    int32_t delta = 0;
    forEachSwapped(rest, exclude, out, [&](int32_t r) { delta += cover_[static_cast<std::size_t>(r)] == 1 ? 1 : 0; });
    forEachSwapped(rest, exclude, in, [&](int32_t r) { delta -= cover_[static_cast<std::size_t>(r)] == 0 ? 1 : 0; });
    return delta;
}

int64_t TCoverState::weightedSwapDelta(TPointSet ticket, int32_t out, int32_t in) const
{
    TPointSet rest = ticket;
    rest.remove(out);
    TPointSet exclude = ticket;
    exclude.add(in);
    int64_t delta = 0;
    forEachSwapped(rest, exclude, out, [&](int32_t r) {
        const auto i = static_cast<std::size_t>(r);
        delta += cover_[i] == 1 ? weight_[i] : 0;
    });
    forEachSwapped(rest, exclude, in, [&](int32_t r) {
        const auto i = static_cast<std::size_t>(r);
        delta -= cover_[i] == 0 ? weight_[i] : 0;
    });
    return delta;
}

void TCoverState::raiseUnansweredWeights()
{
    for (int32_t r : uncovered_)
        ++weight_[static_cast<std::size_t>(r)];
}

void TCoverState::swap(TPointSet ticket, int32_t out, int32_t in)
{
    TPointSet rest = ticket;
    rest.remove(out);
    TPointSet exclude = ticket;
    exclude.add(in);
    // Gains first, so that no count passes through zero needlessly.
    forEachSwapped(rest, exclude, in, [&](int32_t r) { increment(r); });
    forEachSwapped(rest, exclude, out, [&](int32_t r) { decrement(r); });
}

int32_t TCoverState::gainOfAdding(TPointSet partial, int32_t point) const
{
    TPointSet exclude = partial;
    exclude.add(point);
    int32_t gain = 0;
    forEachSwapped(
        partial, exclude, point, [&](int32_t r) { gain += cover_[static_cast<std::size_t>(r)] == 0 ? 1 : 0; });
    return gain;
}

int64_t TCoverState::gainWork(int32_t size) const
{
    return Binomial(size, t_ - 1) * Binomial(v_ - size - 1, p_ - t_);
}

} // namespace Main::WheelDetail
