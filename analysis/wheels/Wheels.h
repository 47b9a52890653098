#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace Main {

// A wheel: tickets of TicketSize numbers taken from the player's Numbers such
// that whenever at least Drawn of those numbers come up in one draw, some
// ticket holds at least Match of them ("Match if Drawn"). With Match == Drawn
// it is a covering: every Match of the player's numbers lie together on at
// least one ticket (Match == Drawn == 2: every pair of them).
struct TWheelRequest {
    std::vector<int32_t> Numbers; // the player's v numbers: distinct, each in 1..99, in any order
    int32_t TicketSize = 6; // k: 1..20, at most v
    int32_t Match = 2; // t: 1..TicketSize
    int32_t Drawn = 2; // p: Match..v
};

struct TWheel {
    std::vector<std::vector<int32_t>> Tickets; // each: TicketSize distinct numbers of Numbers, ascending;
                                               // no two tickets alike
    int64_t LowerBound = 0; // proven: no wheel for this request has fewer tickets; for Match == Drawn
                            // at least the Schönheim bound L(v,k,t) = ceil(v/k * L(v-1,k-1,t-1)), L(v,k,0) = 1
};

// Searches for as few tickets as it can within `budget` of wall time and
// returns the smallest wheel it found; the guarantee always holds. It polls
// `cancelled` often (from the calling thread only) and, when it answers true,
// returns at once with the best wheel found so far. The same seed and budget
// may give different wheels on different machines. Throws an EAnalysisError
// with a Russian message when the request breaks the rules above or is too
// large to check; every request whose C(v, Drawn) is at most 1,000,000 is
// served.
TWheel MakeWheel(const TWheelRequest& request, std::chrono::milliseconds budget, uint64_t seed = 1,
    const std::function<bool()>& cancelled = {});

// How many Drawn-subsets of the request's Numbers meet no ticket in Match or
// more numbers; 0 when the guarantee holds. Only a ticket's numbers that are
// among the request's Numbers count, each once. Throws like MakeWheel for a
// request that breaks the rules.
int64_t WheelMisses(const TWheelRequest& request, const std::vector<std::vector<int32_t>>& tickets);

} // namespace Main
