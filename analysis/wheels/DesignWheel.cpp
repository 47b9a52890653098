// Starting wheels from designs with a structure no local search finds quickly.
#include "analysis/wheels/DesignWheel.h"

#include "analysis/wheels/CoverState.h"
#include "analysis/wheels/Designs.h"
#include "analysis/wheels/Random.h"

#include <algorithm>
#include <numeric>

namespace Main::WheelDetail {

namespace {

// How many more points than the request a design may have, and the tries per design.
constexpr int32_t SparePoints = 4;
constexpr int32_t Tries = 6;

// Drops, one at a time, the ticket that alone answers nothing (the one
// whose place comes first among the random order), until none is left.
void DropRedundant(int32_t v, int32_t k, int32_t t, std::vector<TPointSet>& tickets)
{
    TCoverState state(v, k, t, t);
    for (TPointSet ticket : tickets)
        state.addTicket(ticket);
    for (std::size_t i = tickets.size(); i-- > 0;)
        if (state.onlyAnsweredBy(tickets[i]) == 0) {
            state.removeTicket(tickets[i]);
            tickets.erase(tickets.begin() + static_cast<std::ptrdiff_t>(i));
        }
}

std::vector<TPointSet> Restricted(
    const TDesign& design, int32_t v, int32_t k, int32_t t, const std::vector<int32_t>& removed, TRandom& random)
{
    // The design's points that stay, numbered 0..v-1 in order.
    std::vector<int32_t> renumber(static_cast<std::size_t>(design.Points), -1);
    for (int32_t x = 0, next = 0; x < design.Points; ++x)
        if (std::find(removed.begin(), removed.end(), x) == removed.end())
            renumber[static_cast<std::size_t>(x)] = next++;
    std::vector<TPointSet> tickets;
    for (const auto& block : design.Blocks) {
        TPointSet ticket;
        for (int32_t x : block)
            if (renumber[static_cast<std::size_t>(x)] >= 0)
                ticket.add(renumber[static_cast<std::size_t>(x)]);
        if (ticket.size() < t)
            continue; // answers no t points
        while (ticket.size() < k)
            ticket.add(random.below(v));
        tickets.push_back(ticket);
    }
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    for (std::size_t i = tickets.size(); i > 1; --i) // a random order for dropping
        std::swap(tickets[i - 1], tickets[static_cast<std::size_t>(random.below(static_cast<int32_t>(i)))]);
    DropRedundant(v, k, t, tickets);
    return tickets;
}

} // namespace

std::vector<TPointSet> DesignWheel(int32_t v, int32_t k, int32_t t, int64_t fewerThan, uint64_t seed)
{
    TRandom random(seed);
    std::vector<TPointSet> best;
    for (const TDesign& design : DesignsFor(v, k, t, SparePoints, fewerThan)) {
        const int32_t extra = design.Points - v;
        for (int32_t attempt = 0; attempt < (extra == 0 ? 1 : Tries); ++attempt) {
            std::vector<int32_t> removed;
            if (extra > 0 && attempt % 2 == 0) {
                // Points of one block, so that it shrinks away.
                const auto& block
                    = design.Blocks[static_cast<std::size_t>(random.below(static_cast<int32_t>(design.Blocks.size())))];
                for (int32_t x : block)
                    if (static_cast<int32_t>(removed.size()) < extra)
                        removed.push_back(x);
            }
            while (static_cast<int32_t>(removed.size()) < extra) {
                const int32_t x = random.below(design.Points);
                if (std::find(removed.begin(), removed.end(), x) == removed.end())
                    removed.push_back(x);
            }
            std::vector<TPointSet> tickets = Restricted(design, v, k, t, removed, random);
            if (best.empty() || tickets.size() < best.size())
                best = std::move(tickets);
        }
    }
    return best;
}

} // namespace Main::WheelDetail
