#pragma once

#include "analysis/TicketCheck.h"
#include "analysis/Wheels.h"

#include <QString>

#include <cstdint>
#include <vector>

// The sentences the tickets window shows about a wheel and a check, in the
// interface's language.
namespace TicketsTexts {

// The player's numbers with Match and Drawn: what the tickets are meant to guarantee.
struct TAim {
    std::vector<int32_t> numbers;
    int32_t match = 0;
    int32_t drawn = 0;
};

// C(n, r), exact for the sizes a request may have (C(99, 49) is the largest, below 2^97,
// so it is given as a double).
double Binomial(int32_t n, int32_t r);

// "Гарантия проверена: каждая из C(v,p) = … комбинаций …", or how many combinations are missed.
QString Guarantee(const TAim& aim, int64_t misses);

// The chance that a fair draw of k of m holds at least `drawn` of the player's v numbers, and
// what a wheel does not change.
QString Chance(int32_t m, int32_t k, int32_t v, int32_t drawn, int32_t ticketSize);

// Best match per draw, as counts: "0 — 12 тиражей; 1 — 40 тиражей; …".
QString BestPerDraw(const std::vector<int32_t>& best, int32_t ticketSize);

// Whether, on each checked draw holding at least aim.drawn of the player's numbers
// (`numbersBest`, one figure per draw), some ticket held aim.match of them (`ticketsBest`).
QString GuaranteeOnHistory(
    const TAim& aim, const std::vector<int32_t>& numbersBest, const std::vector<int32_t>& ticketsBest);

// "5 7 12 31"
QString NumberList(const std::vector<int32_t>& numbers);

} // namespace TicketsTexts
