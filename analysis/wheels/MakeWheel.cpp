// The wheel search: a greedy wheel at once, or a wheel from a known design
// when smaller, then two local search threads (one annealing, one weighted
// tabu search) for the rest of the budget, the smallest complete wheel kept.
#include "analysis/wheels/Annealing.h"
#include "analysis/wheels/DesignWheel.h"
#include "analysis/wheels/GreedyWheel.h"
#include "analysis/wheels/LowerBound.h"
#include "analysis/wheels/MissCount.h"
#include "analysis/wheels/SplitWheel.h"
#include "analysis/wheels/WheelRequest.h"
#include "analysis/wheels/Wheels.h"

#include <algorithm>
#include <stdexcept>
#include <thread>

namespace Main {

namespace {

using namespace WheelDetail;

constexpr int32_t SearchThreads = 2;
// How often the calling thread asks `cancelled` and looks at the clock.
constexpr std::chrono::milliseconds PollEvery { 2 };

std::vector<TPointSet> Search(const TWheelShape& shape, std::vector<TPointSet> start, int64_t lowerBound,
    std::chrono::steady_clock::time_point deadline, uint64_t seed, const std::function<bool()>& cancelled)
{
    TSearchShared shared(std::move(start), lowerBound);
    std::vector<std::thread> threads;
    for (int32_t i = 0; i < SearchThreads; ++i)
        threads.emplace_back([&shared, &shape, seed, i] {
            try {
                Anneal(shape.V, shape.K, shape.T, shape.P, shared,
                    seed * 0x9E3779B97F4A7C15ull + static_cast<uint64_t>(i) + 1, i % 2 == 1);
            } catch (...) {
                // Out of memory in one thread: the other and the best so far stand.
            }
        });
    while (!shared.done()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline || (cancelled && cancelled()))
            break;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(PollEvery, deadline - now));
    }
    shared.stop();
    for (auto& thread : threads)
        thread.join();
    return shared.best();
}

} // namespace

TWheel MakeWheel(const TWheelRequest& request, std::chrono::milliseconds budget, uint64_t seed,
    const std::function<bool()>& cancelled)
{
    const auto deadline = std::chrono::steady_clock::now() + budget;
    const TWheelShape shape = CheckRequest(request);
    TWheel wheel;
    wheel.LowerBound = WheelLowerBound(shape.V, shape.K, shape.T, shape.P);
    std::vector<TPointSet> tickets = GreedyWheel(shape.V, shape.K, shape.T, shape.P, seed);
    if (CountMisses(shape.V, shape.T, shape.P, tickets) != 0)
        throw std::logic_error("the greedy wheel misses drawn sets");
    if (shape.T == shape.P) {
        std::vector<TPointSet> designed
            = DesignWheel(shape.V, shape.K, shape.T, static_cast<int64_t>(tickets.size()), seed);
        if (!designed.empty() && designed.size() < tickets.size()
            && CountMisses(shape.V, shape.T, shape.P, designed) == 0)
            tickets = std::move(designed);
    }
    if (shape.T < shape.P) {
        // Coverings of groups get half the time left; their search is far quicker.
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::max<std::chrono::steady_clock::duration>(deadline - std::chrono::steady_clock::now(), {}));
        std::vector<TPointSet> split = SplitWheel(shape, left / 2, seed, cancelled);
        if (!split.empty() && split.size() < tickets.size() && CountMisses(shape.V, shape.T, shape.P, split) == 0)
            tickets = std::move(split);
    }
    if (budget.count() > 0 && static_cast<int64_t>(tickets.size()) > wheel.LowerBound
        && std::chrono::steady_clock::now() < deadline && !(cancelled && cancelled())) {
        std::vector<TPointSet> found = Search(shape, tickets, wheel.LowerBound, deadline, seed, cancelled);
        if (found.size() < tickets.size() && CountMisses(shape.V, shape.T, shape.P, found) == 0)
            tickets = std::move(found);
    }
    std::sort(tickets.begin(), tickets.end(), [](TPointSet a, TPointSet b) {
        // Lexicographic by the ascending points.
        std::vector<int32_t> x, y;
        a.forEach([&](int32_t i) { x.push_back(i); });
        b.forEach([&](int32_t i) { y.push_back(i); });
        return x < y;
    });
    for (TPointSet ticket : tickets) {
        std::vector<int32_t> numbers;
        ticket.forEach([&](int32_t x) { numbers.push_back(shape.Numbers[static_cast<std::size_t>(x)]); });
        wheel.Tickets.push_back(std::move(numbers));
    }
    return wheel;
}

} // namespace Main
