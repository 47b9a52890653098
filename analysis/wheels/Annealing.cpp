// Simulated annealing on wheels of a fixed size, shrinking as it succeeds.
#include "analysis/wheels/Annealing.h"

#include "analysis/wheels/CoverState.h"
#include "analysis/wheels/Random.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace Main::WheelDetail {

namespace {

// The temperature starts at StartTemperature, is multiplied by Cooling every
// StepsPerTemperature moves per ticket and starts again when it falls below
// FrozenTemperature.
constexpr double StartTemperature = 0.6;
constexpr double Cooling = 0.97;
constexpr double FrozenTemperature = 0.05;
constexpr int64_t StepsPerTemperature = 40;

class TAnnealer {
public:
    TAnnealer(int32_t v, int32_t k, int32_t t, int32_t p, TSearchShared& shared, uint64_t seed)
        : v_(v)
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
                dropOne();
                continue;
            }
            if ((++step & 255) == 0) {
                if (shared_.bestSize() <= static_cast<int32_t>(tickets_.size()))
                    restartFrom(shared_.best());
                if (step % (StepsPerTemperature * static_cast<int64_t>(tickets_.size()) + 1) < 256) {
                    temperature *= Cooling;
                    if (temperature < FrozenTemperature)
                        temperature = StartTemperature;
                }
            }
            move(temperature);
        }
    }

private:
    void restartFrom(const std::vector<TPointSet>& wheel)
    {
        tickets_ = wheel;
        state_ = std::make_unique<TCoverState>(v_, k_, t_, p_);
        for (TPointSet ticket : tickets_)
            state_->addTicket(ticket);
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

    void move(double temperature)
    {
        const TPointSet drawn = state_->unrank(state_->uncoveredAt(random_.below(state_->uncovered())));
        std::size_t chosen = 0;
        int32_t ties = 0;
        for (std::size_t i = 0; i < tickets_.size(); ++i)
            if (Common(tickets_[i], drawn) == t_ - 1 && random_.below(++ties) == 0)
                chosen = i;
        if (ties == 0)
            chosen = static_cast<std::size_t>(random_.below(static_cast<int32_t>(tickets_.size())));
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
            tickets_[chosen].remove(out);
            tickets_[chosen].add(in);
        }
    }

    int32_t v_, k_, t_, p_;
    TSearchShared& shared_;
    TRandom random_;
    std::vector<TPointSet> tickets_;
    std::unique_ptr<TCoverState> state_;
};

} // namespace

void Anneal(int32_t v, int32_t k, int32_t t, int32_t p, TSearchShared& shared, uint64_t seed)
{
    TAnnealer(v, k, t, p, shared, seed).run();
}

} // namespace Main::WheelDetail
