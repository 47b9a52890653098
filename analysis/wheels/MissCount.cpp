// The guarantee of a wheel counted: the drawn sets that no ticket answers.
#include "analysis/wheels/MissCount.h"

#include "analysis/wheels/WheelRequest.h"

#include <algorithm>
#include <array>

namespace Main {

namespace WheelDetail {

namespace {

class TMissCounter {
public:
    TMissCounter(int32_t v, int32_t t, int32_t p, const std::vector<TPointSet>& tickets)
        : v_(v)
        , t_(t)
        , p_(p)
        , words_(std::max<std::size_t>(1, (tickets.size() + 63) / 64))
        , member_(static_cast<std::size_t>(v) * words_)
        , levels_(static_cast<std::size_t>(p + 1) * static_cast<std::size_t>(t + 1) * words_)
    {
        for (std::size_t i = 0; i < tickets.size(); ++i) {
            tickets[i].forEach([&](int32_t x) {
                if (x < v)
                    member_[static_cast<std::size_t>(x) * words_ + i / 64] |= uint64_t { 1 } << (i % 64);
            });
            levels_[i / 64] |= uint64_t { 1 } << (i % 64); // level 0 of depth 0: every ticket
        }
    }

    int64_t count() { return visit(0, 0); }

private:
    uint64_t* level(int32_t depth, int32_t j)
    {
        return &levels_[(static_cast<std::size_t>(depth) * static_cast<std::size_t>(t_ + 1)
                            + static_cast<std::size_t>(j))
            * words_];
    }
    const uint64_t* member(int32_t x) const { return &member_[static_cast<std::size_t>(x) * words_]; }
    bool any(const uint64_t* set) const
    {
        for (std::size_t w = 0; w < words_; ++w)
            if (set[w] != 0)
                return true;
        return false;
    }
    bool anyCommon(const uint64_t* a, const uint64_t* b) const
    {
        for (std::size_t w = 0; w < words_; ++w)
            if ((a[w] & b[w]) != 0)
                return true;
        return false;
    }

    // The misses among the completions of the prefix at `depth` by points
    // from `from` on.
    int64_t visit(int32_t depth, int32_t from)
    {
        if (any(level(depth, t_)))
            return 0;
        if (depth == p_)
            return 1;
        const int32_t rest = p_ - depth;
        if (!any(level(depth, std::max(0, t_ - rest))))
            return Binomial(v_ - from, rest);
        int64_t misses = 0;
        if (rest == 1) {
            // The last point: a ticket answers when it met the prefix in t - 1.
            const uint64_t* almost = level(depth, t_ - 1);
            for (int32_t x = from; x < v_; ++x)
                misses += anyCommon(almost, member(x)) ? 0 : 1;
            return misses;
        }
        for (int32_t x = from; x <= v_ - rest; ++x) {
            const uint64_t* in = member(x);
            std::copy_n(level(depth, 0), words_, level(depth + 1, 0));
            for (int32_t j = 1; j <= t_; ++j) {
                const uint64_t* had = level(depth, j);
                const uint64_t* below = level(depth, j - 1);
                uint64_t* now = level(depth + 1, j);
                for (std::size_t w = 0; w < words_; ++w)
                    now[w] = had[w] | (below[w] & in[w]);
            }
            misses += visit(depth + 1, x + 1);
        }
        return misses;
    }

    int32_t v_, t_, p_;
    std::size_t words_;
    std::vector<uint64_t> member_;
    std::vector<uint64_t> levels_;
};

} // namespace

int64_t CountMisses(int32_t v, int32_t t, int32_t p, const std::vector<TPointSet>& tickets)
{
    return TMissCounter(v, t, p, tickets).count();
}

} // namespace WheelDetail

int64_t WheelMisses(const TWheelRequest& request, const std::vector<std::vector<int32_t>>& tickets)
{
    using namespace WheelDetail;
    const TWheelShape shape = CheckRequest(request);
    std::array<int32_t, 128> pointOf {};
    pointOf.fill(-1);
    for (int32_t i = 0; i < shape.V; ++i)
        pointOf[static_cast<std::size_t>(shape.Numbers[static_cast<std::size_t>(i)])] = i;
    std::vector<TPointSet> sets;
    sets.reserve(tickets.size());
    for (const auto& ticket : tickets) {
        TPointSet set;
        for (int32_t number : ticket)
            if (number >= 1 && number <= 99 && pointOf[static_cast<std::size_t>(number)] >= 0)
                set.add(pointOf[static_cast<std::size_t>(number)]);
        sets.push_back(set);
    }
    return CountMisses(shape.V, shape.T, shape.P, sets);
}

} // namespace Main
