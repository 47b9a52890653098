#pragma once

namespace Main {

// Rewrites Pairs[1..PairCount] with every pair 1 <= a < b <= MaxNumber in
// lexicographic order: (1,2), (1,3), ..., (1,M), (2,3), ..., (M-1,M).
// No pairs for M below 2.
void BuildPairs();

} // namespace Main
