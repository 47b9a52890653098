// The quick complete wheel every search starts from.
#include "analysis/wheels/GreedyWheel.h"

#include "analysis/wheels/CoverState.h"
#include "analysis/wheels/Random.h"

#include <algorithm>

namespace Main::WheelDetail {

namespace {

// Drawn sets visited for one point of a ticket at most; beyond it only some
// candidate points, picked at random, are weighed.
constexpr int64_t WorkPerPoint = 60'000;

} // namespace

std::vector<TPointSet> GreedyWheel(int32_t v, int32_t k, int32_t t, int32_t p, uint64_t seed)
{
    TCoverState state(v, k, t, p);
    TRandom random(seed);
    std::vector<TPointSet> tickets;
    std::vector<int32_t> candidates;
    int32_t cursor = 0;
    while (state.uncovered() > 0) {
        while (state.answered(cursor))
            ++cursor;
        const TPointSet drawn = state.unrank(cursor);
        TPointSet ticket;
        int32_t size = 0;
        drawn.forEach([&](int32_t x) {
            if (size < t) {
                ticket.add(x);
                ++size;
            }
        });
        for (; size < k; ++size) {
            candidates.clear();
            for (int32_t x = 0; x < v; ++x)
                if (!ticket.has(x))
                    candidates.push_back(x);
            const int64_t work = std::max<int64_t>(1, state.gainWork(size));
            const auto weighed = static_cast<std::size_t>(
                std::clamp<int64_t>(WorkPerPoint / work, 1, static_cast<int64_t>(candidates.size())));
            for (std::size_t i = 0; i < weighed; ++i) // a random choice of `weighed` candidates first
                std::swap(candidates[i],
                    candidates[i
                        + static_cast<std::size_t>(random.below(static_cast<int32_t>(candidates.size() - i)))]);
            int32_t best = candidates[0];
            int32_t bestGain = -1;
            int32_t ties = 0;
            for (std::size_t i = 0; i < weighed; ++i) {
                const int32_t gain = state.gainOfAdding(ticket, candidates[i]);
                if (gain > bestGain) {
                    bestGain = gain;
                    best = candidates[i];
                    ties = 1;
                } else if (gain == bestGain && random.below(++ties) == 0) {
                    best = candidates[i];
                }
            }
            ticket.add(best);
        }
        state.addTicket(ticket);
        tickets.push_back(ticket);
    }
    for (std::size_t i = tickets.size(); i-- > 0;)
        if (state.onlyAnsweredBy(tickets[i]) == 0) {
            state.removeTicket(tickets[i]);
            tickets.erase(tickets.begin() + static_cast<std::ptrdiff_t>(i));
        }
    return tickets;
}

} // namespace Main::WheelDetail
