#pragma once

#include "analysis/wheels/SearchShared.h"

#include <cstdint>

namespace Main::WheelDetail {

// One search thread, a local search on wheels of a fixed number of tickets
// in the neighbourhood K. J. Nurmela and P. R. J. Östergård, "Constructing
// covering designs by simulated annealing" (Helsinki University of
// Technology, Digital Systems Laboratory, report B10, 1993) use: the cost is
// the number of unanswered drawn sets, and a move picks an unanswered drawn
// set at random and changes one point of a ticket that meets it in t - 1
// points so that the ticket answers it.
// - Not `weighted`: simulated annealing, as they describe it, one random such
//   move accepted with probability exp(-increase / temperature).
// - `weighted`: every such move is weighed and the best one is made unless it
//   is tabu (the point just taken out of a ticket may not come back at once),
//   each drawn set counted by a weight that grows while it stays unanswered
//   (tabu search on this neighbourhood as in C. Dai, P. C. Li and M. Toulouse,
//   "A cooperative multilevel tabu search algorithm for the covering design
//   problem", 2005, and "A tabu search algorithm for the covering design
//   problem", J. Heuristics, 2011; the growing weights are those of
//   clause-weighting local search, added here).
// Each time the cost reaches 0 the wheel is offered to `shared`, the ticket
// whose loss unanswers fewest drawn sets is dropped (far above the lower
// bound, several at once until that stops paying), and the search goes on
// with fewer tickets. A thread whose wheel another thread has beaten goes on
// from that better wheel. Returns when shared.done().
void Anneal(int32_t v, int32_t k, int32_t t, int32_t p, TSearchShared& shared, uint64_t seed, bool weighted);

} // namespace Main::WheelDetail
