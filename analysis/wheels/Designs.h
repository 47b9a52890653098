#pragma once

#include <cstdint>
#include <vector>

namespace Main::WheelDetail {

// A design built from algebra: blocks on the points 0..Points-1 such that
// every Strength points lie together in at least one block.
struct TDesign {
    int32_t Points = 0;
    int32_t Strength = 0;
    std::vector<std::vector<int32_t>> Blocks;
};

// The designs known by construction with blocks of at most `k` points on at
// least `v` and at most `v + spare` points that cover every t points:
// - projective planes PG(2,q): every 2 of q^2+q+1 points on one line of q+1;
// - affine planes AG(2,q): every 2 of q^2 points on one line of q;
// - Miquelian inversive planes: every 3 of the q^2+1 points of the
//   projective line over GF(q^2) on one circle, the image of the line over
//   GF(q) under a Möbius map (q+1 points);
// - the Steiner system S(3,6,22), derived twice from the octads of the
//   extended binary Golay code (the words of weight 8 of the code spanned by
//   the shifts of x^11+x^10+x^6+x^5+x^4+x^2+1, with a parity bit) through
//   two fixed points.
// - cyclic pair coverings (CyclicPairCovering), when they have fewer than
//   `fewerThan` blocks.
// All for prime powers q up to 9 (P. Dembowski, "Finite Geometries", 1968;
// C. J. Colbourn and J. H. Dinitz, "Handbook of Combinatorial Designs",
// 2nd ed., 2007, on Steiner systems and the Golay code).
std::vector<TDesign> DesignsFor(int32_t v, int32_t k, int32_t t, int32_t spare, int64_t fewerThan);

} // namespace Main::WheelDetail
