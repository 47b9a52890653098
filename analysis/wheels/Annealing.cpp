// Simulated annealing on wheels of a fixed size, shrinking as it succeeds.
#include "analysis/wheels/Annealing.h"

#include "analysis/wheels/CoverState.h"
#include "analysis/wheels/Random.h"
#include "analysis/wheels/TicketIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace Main::WheelDetail {

namespace {

// The temperature starts at StartTemperature, is multiplied by Cooling every
// StepsPerTemperature moves per ticket and starts again when it falls below
// FrozenTemperature (found by trials on coverings of 16 to 49 numbers).
constexpr double StartTemperature = 0.3;
constexpr double Cooling = 0.98;
constexpr double FrozenTemperature = 0.05;
constexpr int64_t StepsPerTemperature = 40;
// A move made tabu stays so for TabuMoves plus up to TabuSpread more moves.
constexpr int32_t TabuMoves = 3;
constexpr int32_t TabuSpread = 5;
// Far above the lower bound, a success drops this share of the distance at once.
constexpr int64_t BoldShare = 10;

class TAnnealer {
public:
    TAnnealer(int32_t v, int32_t k, int32_t t, int32_t p, TSearchShared& shared, uint64_t seed, bool weighted)
        : weighted_(weighted)
        , v_(v)
        , k_(k)
        , t_(t)
        , p_(p)
        , shared_(shared)
        , random_(seed)
    {
    }

    void run()
    {
        restartFrom(shared_.best());
        double temperature = StartTemperature;
        int64_t step = 0;
        while (!shared_.done()) {
            if (state_->uncovered() == 0) {
                offer();
                if (shared_.done())
                    return;
                // Far above the bound, several tickets go at once, until a
                // smaller wheel is slow to come.
                const int64_t above = static_cast<int64_t>(tickets_.size()) - shared_.lowerBound();
                for (int64_t i = bold_ ? std::max<int64_t>(1, above / BoldShare) : 1; i > 0; --i)
                    dropOne();
                lastSuccess_ = steps_;
                continue;
            }
            if ((++step & 255) == 0) {
                const auto size = static_cast<int32_t>(tickets_.size());
                if (bold_ && shared_.bestSize() > size + 1
                    && steps_ - lastSuccess_ > (weighted_ ? 20 : 400) * static_cast<int64_t>(size)) {
                    bold_ = false;
                    restartFrom(shared_.best());
                }
                if (shared_.bestSize() <= size)
                    restartFrom(shared_.best());
                if (step % (StepsPerTemperature * static_cast<int64_t>(tickets_.size()) + 1) < 256) {
                    temperature *= Cooling;
                    if (temperature < FrozenTemperature)
                        temperature = StartTemperature;
                }
            }
            if (weighted_)
                weightedMove();
            else
                move(temperature);
            ++steps_;
        }
    }

private:
    // Large requests take a while to set up: a stop is heeded meanwhile,
    // leaving the thread to return.
    void restartFrom(const std::vector<TPointSet>& wheel)
    {
        tickets_ = wheel;
        tabuUntil_.assign(wheel.size() * 128, 0);
        index_.reset(v_, tickets_);
        state_ = std::make_unique<TCoverState>(v_, k_, t_, p_);
        for (TPointSet ticket : tickets_) {
            if (shared_.done())
                return;
            state_->addTicket(ticket);
        }
        dropOne();
    }

    void offer()
    {
        std::vector<TPointSet> wheel = tickets_;
        std::sort(wheel.begin(), wheel.end());
        wheel.erase(std::unique(wheel.begin(), wheel.end()), wheel.end());
        shared_.offer(wheel);
    }

    // Drops the ticket whose loss unanswers fewest drawn sets.
    void dropOne()
    {
        if (tickets_.size() <= 1)
            return;
        std::size_t chosen = 0;
        int32_t fewest = -1;
        int32_t ties = 0;
        for (std::size_t i = 0; i < tickets_.size(); ++i) {
            if (shared_.done())
                return;
            const int32_t lost = state_->onlyAnsweredBy(tickets_[i]);
            if (fewest < 0 || lost < fewest) {
                fewest = lost;
                chosen = i;
                ties = 1;
            } else if (lost == fewest && random_.below(++ties) == 0) {
                chosen = i;
            }
        }
        state_->removeTicket(tickets_[chosen]);
        index_.remove(chosen, tickets_[chosen], tickets_.back());
        tickets_[chosen] = tickets_.back();
        tickets_.pop_back();
    }

    int32_t randomPoint(TPointSet set)
    {
        int32_t points[128];
        int32_t n = 0;
        set.forEach([&](int32_t x) { points[n++] = x; });
        return points[random_.below(n)];
    }

    // Every change of a ticket that would answer a random unanswered drawn
    // set is weighed; the best one not tabu is made, even when it is worse;
    // then the point taken out may not return to that ticket for a few moves,
    // and the drawn sets still unanswered weigh more.
    void weightedMove()
    {
        const TPointSet drawn = state_->unrank(state_->uncoveredAt(random_.below(state_->uncovered())));
        int64_t best = std::numeric_limits<int64_t>::max();
        std::size_t chosen = 0;
        int32_t bestOut = -1;
        int32_t bestIn = -1;
        int32_t ties = 0;
        index_.meeting(drawn, t_ - 1, t_ - 1, near_);
        for (std::size_t i : near_) {
            const TPointSet ticket = tickets_[i];
            TPointSet outside = drawn;
            ticket.forEach([&](int32_t x) { outside.remove(x); });
            TPointSet own = ticket;
            drawn.forEach([&](int32_t x) { own.remove(x); });
            own.forEach([&](int32_t out) {
                outside.forEach([&](int32_t in) {
                    if (tabuUntil_[i * 128 + static_cast<std::size_t>(in)] > steps_)
                        return;
                    const int64_t delta = state_->weightedSwapDelta(ticket, out, in);
                    if (delta < best) {
                        best = delta;
                        chosen = i;
                        bestOut = out;
                        bestIn = in;
                        ties = 1;
                    } else if (delta == best && random_.below(++ties) == 0) {
                        chosen = i;
                        bestOut = out;
                        bestIn = in;
                    }
                });
            });
        }
        if (bestOut >= 0) {
            state_->swap(tickets_[chosen], bestOut, bestIn);
            index_.move(chosen, bestOut, bestIn);
            tickets_[chosen].remove(bestOut);
            tickets_[chosen].add(bestIn);
            tabuUntil_[chosen * 128 + static_cast<std::size_t>(bestOut)]
                = steps_ + TabuMoves + random_.below(TabuSpread);
        }
        state_->raiseUnansweredWeights();
    }

    void move(double temperature)
    {
        const TPointSet drawn = state_->unrank(state_->uncoveredAt(random_.below(state_->uncovered())));
        index_.meeting(drawn, t_ - 1, t_ - 1, near_);
        const std::size_t chosen = near_.empty()
            ? static_cast<std::size_t>(random_.below(static_cast<int32_t>(tickets_.size())))
            : near_[static_cast<std::size_t>(random_.below(static_cast<int32_t>(near_.size())))];
        const TPointSet ticket = tickets_[chosen];
        TPointSet outside = drawn;
        ticket.forEach([&](int32_t x) { outside.remove(x); });
        TPointSet own = ticket;
        drawn.forEach([&](int32_t x) { own.remove(x); });
        if (outside.empty() || own.empty())
            return;
        const int32_t out = randomPoint(own);
        const int32_t in = randomPoint(outside);
        const int32_t delta = state_->swapDelta(ticket, out, in);
        if (delta <= 0 || random_.unit() < std::exp(-delta / temperature)) {
            state_->swap(ticket, out, in);
            index_.move(chosen, out, in);
            tickets_[chosen].remove(out);
            tickets_[chosen].add(in);
        }
    }

    bool weighted_;
    int32_t v_, k_, t_, p_;
    TSearchShared& shared_;
    TRandom random_;
    std::vector<TPointSet> tickets_;
    TTicketIndex index_;
    std::vector<std::size_t> near_;
    std::unique_ptr<TCoverState> state_;
    bool bold_ = true;
    int64_t lastSuccess_ = 0;
    int64_t steps_ = 0;
    std::vector<int64_t> tabuUntil_;
};

} // namespace

void Anneal(int32_t v, int32_t k, int32_t t, int32_t p, TSearchShared& shared, uint64_t seed, bool weighted)
{
    TAnnealer(v, k, t, p, shared, seed, weighted).run();
}

} // namespace Main::WheelDetail
