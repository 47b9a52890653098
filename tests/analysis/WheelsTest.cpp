#include "analysis/Analysis.h"
#include "analysis/wheels/CoverState.h"
#include "analysis/wheels/MissCount.h"
#include "analysis/wheels/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <set>
#include <string>

using namespace Main;
using namespace std::chrono_literals;

namespace {

TWheelRequest Request(std::vector<int32_t> numbers, int32_t k, int32_t t, int32_t p)
{
    TWheelRequest request;
    request.Numbers = std::move(numbers);
    request.TicketSize = k;
    request.Match = t;
    request.Drawn = p;
    return request;
}

std::vector<int32_t> Spread(int32_t v)
{
    // Numbers neither consecutive nor in order.
    std::vector<int32_t> numbers;
    for (int32_t i = 0; i < v; ++i)
        numbers.push_back(1 + (i * 37 + 11) % 99);
    std::reverse(numbers.begin(), numbers.end());
    return numbers;
}

// Every Drawn-subset of the numbers tried against every ticket, with sets.
int64_t PlainMisses(const TWheelRequest& request, const std::vector<std::vector<int32_t>>& tickets)
{
    const auto& numbers = request.Numbers;
    const auto v = static_cast<int32_t>(numbers.size());
    std::vector<std::set<int32_t>> ticketSets;
    for (const auto& ticket : tickets)
        ticketSets.emplace_back(ticket.begin(), ticket.end());
    std::vector<int32_t> drawn;
    int64_t misses = 0;
    const auto visit = [&](auto&& self, int32_t from) -> void {
        if (static_cast<int32_t>(drawn.size()) == request.Drawn) {
            const bool answered = std::any_of(ticketSets.begin(), ticketSets.end(), [&](const auto& ticket) {
                return std::count_if(drawn.begin(), drawn.end(), [&](int32_t n) { return ticket.count(n) > 0; })
                    >= request.Match;
            });
            misses += answered ? 0 : 1;
            return;
        }
        for (int32_t i = from; i < v; ++i) {
            drawn.push_back(numbers[static_cast<std::size_t>(i)]);
            self(self, i + 1);
            drawn.pop_back();
        }
    };
    visit(visit, 0);
    return misses;
}

void ExpectWellFormed(const TWheelRequest& request, const TWheel& wheel)
{
    const std::set<int32_t> numbers(request.Numbers.begin(), request.Numbers.end());
    std::set<std::vector<int32_t>> seen;
    for (const auto& ticket : wheel.Tickets) {
        EXPECT_EQ(static_cast<int32_t>(ticket.size()), request.TicketSize);
        EXPECT_TRUE(std::is_sorted(ticket.begin(), ticket.end()));
        EXPECT_EQ(std::adjacent_find(ticket.begin(), ticket.end()), ticket.end());
        for (int32_t n : ticket)
            EXPECT_TRUE(numbers.count(n) > 0) << n;
        EXPECT_TRUE(seen.insert(ticket).second) << "a ticket twice";
    }
    EXPECT_GE(static_cast<int64_t>(wheel.Tickets.size()), wheel.LowerBound);
    EXPECT_EQ(PlainMisses(request, wheel.Tickets), 0);
}

struct TShape {
    int32_t v, k, t, p;
};

TEST(Wheels, EveryWheelKeepsItsGuaranteeByAPlainCount)
{
    const TShape shapes[] = {
        { 7, 3, 2, 2 },
        { 10, 6, 2, 2 },
        { 12, 6, 3, 3 },
        { 13, 5, 3, 3 },
        { 9, 4, 2, 2 },
        { 12, 6, 3, 4 },
        { 14, 5, 2, 3 },
        { 11, 6, 3, 6 },
        { 10, 3, 1, 2 },
        { 6, 6, 4, 5 },
        { 5, 1, 1, 1 },
        { 8, 2, 1, 8 },
        { 16, 7, 2, 2 },
        { 15, 4, 4, 4 },
        { 20, 5, 2, 4 },
        { 3, 3, 3, 3 },
    };
    for (const auto& s : shapes)
        for (auto budget : { 0ms, 40ms }) {
            const TWheelRequest request = Request(Spread(s.v), s.k, s.t, s.p);
            const TWheel wheel = MakeWheel(request, budget, 7);
            SCOPED_TRACE(std::to_string(s.v) + " " + std::to_string(s.k) + " " + std::to_string(s.t) + " if "
                + std::to_string(s.p) + ", " + std::to_string(budget.count()) + " ms");
            ExpectWellFormed(request, wheel);
            EXPECT_EQ(WheelMisses(request, wheel.Tickets), 0);
        }
}

TEST(Wheels, MissesOfDamagedWheelsAreCountedExactly)
{
    // The Fano plane: every pair of 1..7 on exactly one line, so a line taken
    // out leaves its 3 pairs unanswered, and a line moved off one point
    // answers 1 pair of its own 3 and 2 new ones twice.
    const TWheelRequest fano = Request({ 1, 2, 3, 4, 5, 6, 7 }, 3, 2, 2);
    std::vector<std::vector<int32_t>> lines { { 1, 2, 3 }, { 1, 4, 5 }, { 1, 6, 7 }, { 2, 4, 6 }, { 2, 5, 7 },
        { 3, 4, 7 }, { 3, 5, 6 } };
    EXPECT_EQ(WheelMisses(fano, lines), 0);
    auto fewer = lines;
    fewer.erase(fewer.begin() + 3);
    EXPECT_EQ(WheelMisses(fano, fewer), 3);
    auto moved = lines;
    moved[0] = { 1, 2, 4 }; // loses 1-3 and 2-3, gains 1-4 and 2-4, already answered
    EXPECT_EQ(WheelMisses(fano, moved), 2);
    EXPECT_EQ(WheelMisses(fano, {}), 21);
    // Numbers that are not the player's do not count.
    EXPECT_EQ(WheelMisses(fano, { { 1, 2, 40 } }), 20);

    // Random damage to found wheels, against the plain count.
    std::mt19937 random(5);
    const TShape shapes[] = { { 12, 6, 3, 3 }, { 14, 5, 2, 3 }, { 13, 6, 3, 5 }, { 10, 4, 1, 3 } };
    for (const auto& s : shapes) {
        const TWheelRequest request = Request(Spread(s.v), s.k, s.t, s.p);
        const TWheel wheel = MakeWheel(request, 0ms);
        for (int32_t trial = 0; trial < 6; ++trial) {
            auto damaged = wheel.Tickets;
            damaged.erase(damaged.begin() + static_cast<std::ptrdiff_t>(random() % damaged.size()));
            if (trial % 2 == 1 && !damaged.empty())
                damaged.front().back() = 99; // not among the numbers (Spread(v) holds 99 only for v > 96)
            const int64_t expected = PlainMisses(request, damaged);
            EXPECT_EQ(WheelMisses(request, damaged), expected) << s.v << " " << s.k << " " << s.t << " " << s.p;
        }
    }
}

TEST(Wheels, LowerBoundsAreTheProvenOnes)
{
    struct TCase {
        TShape shape;
        int64_t bound;
    };
    const TCase cases[] = {
        { { 7, 3, 2, 2 }, 7 }, // Schönheim: ceil(7/3 * ceil(6/2))
        { { 10, 6, 2, 2 }, 4 }, // ceil(10/6 * ceil(9/5))
        { { 12, 6, 3, 3 }, 14 }, // ceil(12/6 * ceil(11/5 * ceil(10/4)))
        { { 49, 6, 2, 2 }, 82 }, // ceil(49/6 * ceil(48/5))
        { { 22, 6, 3, 3 }, 77 }, // ceil(22/6 * ceil(21/5 * ceil(20/4)))
        { { 26, 6, 3, 3 }, 130 }, // ceil(26/6 * ceil(25/5 * ceil(24/4)))
        { { 8, 3, 2, 3 }, 4 }, // counting: C(8,3) / (C(3,2) C(5,1) + C(3,3)) = 56 / 16
        { { 10, 3, 1, 2 }, 3 }, // t = 1: the tickets hold at least v - p + 1 = 9 numbers
        { { 6, 6, 6, 6 }, 1 },
    };
    for (const auto& c : cases) {
        const TWheel wheel
            = MakeWheel(Request(Spread(c.shape.v), c.shape.k, c.shape.t, c.shape.p), 0ms, 1, [] { return true; });
        EXPECT_EQ(wheel.LowerBound, c.bound) << c.shape.v << " " << c.shape.k << " " << c.shape.t << " " << c.shape.p;
    }
}

TEST(Wheels, RefusalsNameTheProblem)
{
    struct TCase {
        TWheelRequest request;
        std::string words;
    };
    std::vector<int32_t> many;
    for (int32_t n = 1; n <= 40; ++n)
        many.push_back(n);
    const TCase cases[] = {
        { Request({ 1, 2, 3, 2 }, 2, 2, 2), "Число 2 указано дважды" },
        { Request({ 1, 2, 0 }, 2, 2, 2), "Число 0 вне пределов 1..99" },
        { Request({ 1, 2, 100 }, 2, 2, 2), "Число 100 вне пределов 1..99" },
        { Request({ 1, 2, 3 }, 0, 1, 1), "от 1 до 20 чисел, а указано 0" },
        { Request(many, 21, 2, 2), "от 1 до 20 чисел, а указано 21" },
        { Request({ 1, 2, 3 }, 4, 2, 2), "выбрано только 3" },
        { Request({}, 6, 2, 2), "выбрано только 0" },
        { Request({ 1, 2, 3, 4 }, 3, 4, 4), "от 1 до 3 чисел билета, а указано 4" },
        { Request({ 1, 2, 3, 4 }, 3, 0, 2), "а указано 0" },
        { Request({ 1, 2, 3, 4 }, 3, 3, 2), "от 3 (сколько совпадает) до 4 (сколько выбрано), а указано 2" },
        { Request({ 1, 2, 3, 4 }, 3, 3, 5), "а указано 5" },
        { Request(many, 6, 6, 7), "C(40, 7)" },
        // C(99, 50) is far beyond 64 bits.
        { Request(Spread(99), 20, 20, 50), "C(99, 50)" },
    };
    for (const auto& c : cases) {
        const TWheelRequest before = c.request;
        for (int32_t call = 0; call < 2; ++call) {
            try {
                if (call == 0) {
                    MakeWheel(c.request, 0ms);
                } else {
                    WheelMisses(c.request, { { 1, 2 } });
                }
                ADD_FAILURE() << "accepted: " << c.words;
            } catch (const EAnalysisError& error) {
                EXPECT_NE(std::string(error.what()).find(c.words), std::string::npos) << error.what();
            }
        }
        EXPECT_EQ(c.request.Numbers, before.Numbers);
    }
    // The largest request served: C(40, 6) = 3,838,380 is refused above, C(99, 3) = 156,849 is not.
    std::vector<int32_t> all;
    for (int32_t n = 1; n <= 99; ++n)
        all.push_back(n);
    EXPECT_NO_THROW(WheelMisses(Request(all, 20, 3, 3), {}));
}

TEST(Wheels, BudgetAndCancellingAreHonoured)
{
    const TWheelRequest hard = Request(Spread(24), 6, 3, 3);
    struct TCase {
        std::chrono::milliseconds budget;
        bool cancelAtOnce;
    };
    for (const TCase c : { TCase { 0ms, false }, TCase { 60'000ms, true }, TCase { 300ms, false } }) {
        std::atomic<int32_t> asked { 0 };
        const auto start = std::chrono::steady_clock::now();
        const TWheel wheel = MakeWheel(hard, c.budget, 3, [&] {
            ++asked;
            return c.cancelAtOnce;
        });
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took, c.budget + 3s) << c.budget.count();
        if (c.cancelAtOnce) {
            EXPECT_LT(took, 3s);
        }
        if (c.budget == 300ms) {
            EXPECT_GE(asked.load(), 20) << "asked every few milliseconds";
        }
        EXPECT_EQ(WheelMisses(hard, wheel.Tickets), 0);
        ExpectWellFormed(hard, wheel);
    }
}

TEST(Wheels, StructuredWheelsComeFromTheirDesignsAtOnce)
{
    // Steiner systems, where every Match numbers lie on exactly one ticket:
    // projective and affine planes, inversive planes, S(3,6,22) and a
    // difference family found by search.
    struct TCase {
        TShape shape;
        std::size_t size;
    };
    const TCase cases[] = {
        { { 21, 5, 2, 2 }, 21 }, { { 31, 6, 2, 2 }, 31 }, { { 25, 5, 2, 2 }, 30 }, { { 49, 7, 2, 2 }, 56 },
        { { 17, 5, 3, 3 }, 68 }, { { 26, 6, 3, 3 }, 130 }, { { 22, 6, 3, 3 }, 77 }, { { 10, 4, 3, 3 }, 30 },
        { { 41, 5, 2, 2 }, 82 }, // cyclic: the shifts of two base blocks mod 41
    };
    for (const auto& c : cases) {
        const TWheelRequest request = Request(Spread(c.shape.v), c.shape.k, c.shape.t, c.shape.p);
        const TWheel wheel = MakeWheel(request, 0ms);
        EXPECT_EQ(wheel.Tickets.size(), c.size) << c.shape.v << " " << c.shape.k << " " << c.shape.t;
        EXPECT_EQ(WheelMisses(request, wheel.Tickets), 0);
    }
    ExpectWellFormed(Request(Spread(26), 6, 3, 3), MakeWheel(Request(Spread(26), 6, 3, 3), 0ms));
}

TEST(Wheels, MatchBelowDrawnIsNoLargerThanCoveringsOfGroups)
{
    // 3 if 6 on 24 numbers: of any 6 drawn, 3 fall into one half, so two
    // 3 if 3 wheels on 12 numbers each will do; 2 if 5 on 20: four groups of 5,
    // each answered by one ticket.
    struct TCase {
        TShape whole;
        int32_t groups;
        TShape group;
    };
    const TCase cases[] = { { { 24, 6, 3, 6 }, 2, { 12, 6, 3, 3 } }, { { 20, 5, 2, 5 }, 4, { 5, 5, 2, 2 } } };
    for (const auto& c : cases) {
        const TWheelRequest request = Request(Spread(c.whole.v), c.whole.k, c.whole.t, c.whole.p);
        const TWheel wheel = MakeWheel(request, 0ms);
        const TWheel group = MakeWheel(Request(Spread(c.group.v), c.group.k, c.group.t, c.group.p), 0ms);
        EXPECT_LE(wheel.Tickets.size(), c.groups * group.Tickets.size()) << c.whole.v;
        EXPECT_EQ(WheelMisses(request, wheel.Tickets), 0);
        ExpectWellFormed(request, wheel);
    }
}

TEST(Wheels, TheSearchWeighsEachMoveByTheChangeItMakes)
{
    // The cost change the search computes for moving one number of a ticket
    // is the change in unanswered drawn sets that the move then makes.
    using namespace WheelDetail;
    TRandom random(3);
    int32_t moves = 0;
    for (int32_t trial = 0; trial < 30; ++trial) {
        const int32_t v = 8 + random.below(14);
        const int32_t k = 3 + random.below(4);
        const int32_t t = 1 + random.below(std::min(k, 3));
        const int32_t p = t + random.below(std::min(3, v - t) + 1);
        TCoverState state(v, k, t, p);
        std::vector<TPointSet> tickets(static_cast<std::size_t>(3 + random.below(20)));
        for (auto& ticket : tickets) {
            while (ticket.size() < k)
                ticket.add(random.below(v));
            state.addTicket(ticket);
        }
        for (int32_t move = 0; move < 60; ++move, ++moves) {
            TPointSet& ticket = tickets[static_cast<std::size_t>(random.below(static_cast<int32_t>(tickets.size())))];
            int32_t out = random.below(v);
            int32_t in = random.below(v);
            while (!ticket.has(out))
                out = random.below(v);
            while (ticket.has(in))
                in = random.below(v);
            const int32_t delta = state.swapDelta(ticket, out, in);
            const int32_t before = state.uncovered();
            state.swap(ticket, out, in);
            ticket.remove(out);
            ticket.add(in);
            ASSERT_EQ(state.uncovered() - before, delta) << v << " " << k << " " << t << " " << p;
        }
        TCoverState fresh(v, k, t, p);
        for (TPointSet ticket : tickets)
            fresh.addTicket(ticket);
        EXPECT_EQ(fresh.uncovered(), state.uncovered());
        EXPECT_EQ(state.uncovered(), CountMisses(v, t, p, tickets));
    }
    EXPECT_EQ(moves, 1800);
}

TEST(Wheels, SmallWheelsReachTheirLowerBound)
{
    // Wheels whose smallest size equals the proven bound: the search stops there.
    const TShape shapes[] = { { 7, 3, 2, 2 }, { 10, 6, 2, 2 }, { 9, 3, 2, 2 } };
    for (const auto& s : shapes) {
        const TWheelRequest request = Request(Spread(s.v), s.k, s.t, s.p);
        const TWheel wheel = MakeWheel(request, 5s, 11);
        EXPECT_EQ(static_cast<int64_t>(wheel.Tickets.size()), wheel.LowerBound) << s.v << " " << s.k;
        EXPECT_EQ(WheelMisses(request, wheel.Tickets), 0);
    }
}

} // namespace
