#pragma once

#include "analysis/wheels/SearchShared.h"

#include <cstdint>

namespace Main::WheelDetail {

// One search thread: simulated annealing on wheels of a fixed number of
// tickets, as K. J. Nurmela and P. R. J. Östergård, "Constructing covering
// designs by simulated annealing" (Helsinki University of Technology, Digital
// Systems Laboratory, report B10, 1993) describe it. The cost is the number
// of unanswered drawn sets; a move picks an unanswered drawn set at random
// and changes one point of a ticket that meets it in t - 1 points so that the
// ticket answers it. Each time the cost reaches 0 the wheel is offered to
// `shared`, the ticket whose loss unanswers fewest drawn sets is dropped, and
// the search goes on with one ticket fewer. A thread whose wheel another
// thread has beaten goes on from that better wheel. Returns when
// shared.done().
void Anneal(int32_t v, int32_t k, int32_t t, int32_t p, TSearchShared& shared, uint64_t seed);

} // namespace Main::WheelDetail
