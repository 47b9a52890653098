// Tickets checked against the most recent draws of the loaded table.
#include "analysis/wheels/TicketCheck.h"

#include "analysis/pairs/DrawSets.h"
#include "analysis/tables/Errors.h"
#include "analysis/tables/Tables.h"
#include "analysis/text/MessageCatalogue.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <string>

namespace Main {

namespace {

// The numbers 1..99 as the bits of two words: a ticket or a draw is one mask,
// and the numbers two of them share are the bits of their intersection.
struct TNumberMask {
    std::array<uint64_t, 2> words {};

    void add(int32_t number) { words[static_cast<std::size_t>(number >> 6)] |= uint64_t { 1 } << (number & 63); }
    bool has(int32_t number) const { return (words[static_cast<std::size_t>(number >> 6)] >> (number & 63)) & 1; }
    int32_t shared(const TNumberMask& other) const
    {
        return std::popcount(words[0] & other.words[0]) + std::popcount(words[1] & other.words[1]);
    }
};

[[noreturn]] void RefuseNoTickets()
{
    throw EAnalysisError(Text(Messages::NoTickets));
}

[[noreturn]] void RefuseMixedSizes(std::size_t ticket, std::size_t size, std::size_t firstSize)
{
    throw EAnalysisError(Text(Messages::TicketSizesDiffer, firstSize, ticket, size));
}

[[noreturn]] void RefuseRepeatedNumber(std::size_t ticket, int32_t number)
{
    throw EAnalysisError(Text(Messages::TicketNumberRepeated, ticket, number));
}

[[noreturn]] void RefuseNumberOutside(std::size_t ticket, int32_t number, int32_t m)
{
    throw EAnalysisError(Text(Messages::TicketNumberOutOfRange, ticket, number, m));
}

[[noreturn]] void RefuseDrawWindow(int32_t lastDraws, int32_t drawCount)
{
    if (drawCount < 1)
        throw EAnalysisError(Text(Messages::NoDrawsYet));
    throw EAnalysisError(Text(Messages::CheckedDrawsLimits, drawCount, lastDraws));
}

} // namespace

// C(n, r) as a double, exact while it stays below 2^53 (C(99, 49) is about 5e28,
// so larger values are close, which is all a chance needs).
double BinomialCount(int32_t n, int32_t r)
{
    if (r < 0 || n < 0 || r > n)
        return 0;
    r = std::min(r, n - r);
    double value = 1;
    for (int32_t i = 1; i <= r; ++i)
        value = value * (n - r + i) / i;
    return value;
}

// The hypergeometric law (W. Feller, "An Introduction to Probability Theory
// and Its Applications", vol. 1, 3rd ed., 1968, ch. II.6, (6.1)): a fair draw
// of k numbers out of 1..m is one of C(m, k) equally likely sets; a fixed set of
// `size` numbers shares exactly s of them with C(size, s) C(m-size, k-s) of
// those draws. Counting from the fixed set's side gives the same value,
// C(k, s) C(m-k, size-s) / C(m, size), the form computed here.
double HypergeometricChance(int32_t m, int32_t k, int32_t size, int32_t shared)
{
    const double all = BinomialCount(m, size);
    if (all <= 0)
        return 0;
    return BinomialCount(k, shared) * BinomialCount(m - k, size - shared) / all;
}

// P(X >= atLeast) for X ~ H(m, k, size): the sum of the chances above for
// s = atLeast..min(k, size).
double HypergeometricTail(int32_t m, int32_t k, int32_t size, int32_t atLeast)
{
    double sum = 0;
    for (int32_t s = std::max(atLeast, 0); s <= std::min(k, size); ++s)
        sum += HypergeometricChance(m, k, size, s);
    return std::min(sum, 1.0);
}

TTicketCheck CheckTickets(const std::vector<std::vector<int32_t>>& tickets, int32_t lastDraws)
{
    if (tickets.empty())
        RefuseNoTickets();
    const int32_t m = std::clamp(MaxNumber, 0, 99);
    const std::size_t size = tickets.front().size();
    std::vector<TNumberMask> masks(tickets.size());
    for (std::size_t t = 0; t < tickets.size(); ++t) {
        if (tickets[t].size() != size)
            RefuseMixedSizes(t + 1, tickets[t].size(), size);
        for (const int32_t number : tickets[t]) {
            if (number < 1 || number > m)
                RefuseNumberOutside(t + 1, number, m);
            if (masks[t].has(number))
                RefuseRepeatedNumber(t + 1, number);
            masks[t].add(number);
        }
    }
    if (lastDraws < 1 || lastDraws > DrawCount)
        RefuseDrawWindow(lastDraws, DrawCount);

    const auto k = static_cast<int32_t>(size);
    TTicketCheck check;
    check.Draws = lastDraws;
    check.Matches.assign(size + 1, 0);
    check.Best.reserve(static_cast<std::size_t>(lastDraws));
    for (int32_t j = DrawCount - lastDraws + 1; j <= DrawCount; ++j) {
        const TDrawSet set = DrawSet(Draws[j], NumbersPerDraw, m);
        TNumberMask draw;
        for (std::size_t x = 0; x < set.count; ++x)
            draw.add(set.numbers[x]);
        int32_t best = 0;
        for (const TNumberMask& ticket : masks) {
            const int32_t shared = ticket.shared(draw);
            ++check.Matches[static_cast<std::size_t>(shared)];
            best = std::max(best, shared);
        }
        check.Best.push_back(best);
    }
    // Each (ticket, line) pair is one fair draw against k fixed numbers, so
    // its expected count of exactly s shared is the hypergeometric chance.
    const double pairs = static_cast<double>(tickets.size()) * lastDraws;
    check.Expected.resize(size + 1);
    for (int32_t s = 0; s <= k; ++s)
        check.Expected[static_cast<std::size_t>(s)] = pairs * HypergeometricChance(m, NumbersPerDraw, k, s);
    return check;
}

} // namespace Main
