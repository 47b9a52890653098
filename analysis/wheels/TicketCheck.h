#pragma once

#include <cstdint>
#include <vector>

namespace Main {

// How tickets would have done against the most recent `lastDraws` lines of the draw table
// (Draws[DrawCount-lastDraws+1..DrawCount]). A ticket shares m numbers with a line when m of its
// numbers are among the line's NumbersPerDraw numbers (a number repeated in a line counts once).
struct TTicketCheck {
    int32_t Draws = 0; // lines checked (= lastDraws)
    std::vector<int64_t>
        Matches; // Matches[m], m = 0..k (k = the tickets' size): (ticket, line) pairs sharing exactly m
    std::vector<double> Expected; // the same for a fair K-of-M lottery: tickets * Draws * C(K,m) C(M-K,k-m) / C(M,k)
    std::vector<int32_t> Best; // per line checked, oldest first: the most numbers any ticket shares with it
};

// Throws an exception derived from std::exception, changing nothing, when there are no tickets, the
// tickets differ in size, a ticket repeats a number or holds one outside 1..MaxNumber, or lastDraws
// is outside 1..DrawCount.
TTicketCheck CheckTickets(const std::vector<std::vector<int32_t>>& tickets, int32_t lastDraws);

// C(n, r) as a double, exact while it stays below 2^53; 0 outside 0 <= r <= n.
double BinomialCount(int32_t n, int32_t r);

// The chance that a fair draw of k numbers out of 1..m shares exactly `shared` numbers with a given
// set of `size` numbers: C(k, shared) C(m-k, size-shared) / C(m, size); 0 when no such draw exists.
double HypergeometricChance(int32_t m, int32_t k, int32_t size, int32_t shared);

// The chance that such a draw shares at least `atLeast` numbers with the set.
double HypergeometricTail(int32_t m, int32_t k, int32_t size, int32_t atLeast);

} // namespace Main
