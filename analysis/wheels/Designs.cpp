// Designs from finite geometry and the Golay code, as starting wheels.
#include "analysis/wheels/Designs.h"

#include "analysis/wheels/CyclicCovering.h"
#include "analysis/wheels/FiniteField.h"

#include <algorithm>
#include <array>
#include <bit>
#include <set>

namespace Main::WheelDetail {

namespace {

struct TPrimePower {
    int32_t p, n, q;
};

// Steps the search for a cyclic pair covering may take (some milliseconds).
constexpr int64_t CyclicSearchSteps = 30'000;

constexpr std::array<TPrimePower, 7> PlaneOrders { { { 2, 1, 2 }, { 3, 1, 3 }, { 2, 2, 4 }, { 5, 1, 5 }, { 7, 1, 7 },
    { 2, 3, 8 }, { 3, 2, 9 } } };

// Lines of PG(2,q): points and lines are the nonzero vectors of GF(q)^3 up
// to a factor, written with their first nonzero coordinate 1; a point lies
// on a line when their dot product is 0.
TDesign ProjectivePlane(const TFiniteField& f)
{
    const int32_t q = f.order();
    std::vector<std::array<int32_t, 3>> points;
    for (int32_t a = 0; a < q; ++a)
        for (int32_t b = 0; b < q; ++b)
            points.push_back({ 1, a, b });
    for (int32_t b = 0; b < q; ++b)
        points.push_back({ 0, 1, b });
    points.push_back({ 0, 0, 1 });
    TDesign design { static_cast<int32_t>(points.size()), 2, {} };
    for (const auto& line : points) {
        std::vector<int32_t> block;
        for (std::size_t i = 0; i < points.size(); ++i) {
            int32_t dot = 0;
            for (std::size_t j = 0; j < 3; ++j)
                dot = f.add(dot, f.multiply(line[j], points[i][j]));
            if (dot == 0)
                block.push_back(static_cast<int32_t>(i));
        }
        design.Blocks.push_back(block);
    }
    return design;
}

// Lines of AG(2,q): y = m x + c and x = c on the points (x, y), x q + y.
TDesign AffinePlane(const TFiniteField& f)
{
    const int32_t q = f.order();
    TDesign design { q * q, 2, {} };
    for (int32_t m = 0; m < q; ++m)
        for (int32_t c = 0; c < q; ++c) {
            std::vector<int32_t> block;
            for (int32_t x = 0; x < q; ++x)
                block.push_back(x * q + f.add(f.multiply(m, x), c));
            std::sort(block.begin(), block.end());
            design.Blocks.push_back(block);
        }
    for (int32_t c = 0; c < q; ++c) {
        std::vector<int32_t> block;
        for (int32_t y = 0; y < q; ++y)
            block.push_back(c * q + y);
        design.Blocks.push_back(block);
    }
    return design;
}

// Circles of the inversive plane of order q: the points are GF(q^2) and
// infinity (point q^2); the circle through a, b, c is the set of z whose
// cross ratio (z - a)(b - c) / ((z - c)(b - a)) lies in GF(q) or is infinite.
TDesign InversivePlane(const TFiniteField& f, int32_t q)
{
    const int32_t n = f.order();
    const int32_t infinity = n;
    std::vector<bool> inSubfield(static_cast<std::size_t>(n));
    for (int32_t x = 0; x < n; ++x)
        inSubfield[static_cast<std::size_t>(x)] = f.power(x, q) == x;
    std::set<std::vector<int32_t>> circles;
    // Every circle holds a point other than infinity paired with any two, so
    // the triples of finite points a < b < c with a = 0 or the circle new suffice;
    // all triples are tried, which is cheap for these sizes.
    for (int32_t a = 0; a < n; ++a)
        for (int32_t b = a + 1; b < n; ++b)
            for (int32_t c = b + 1; c <= n; ++c) {
                std::vector<int32_t> circle;
                for (int32_t z = 0; z <= n; ++z) {
                    bool on;
                    if (z == a || z == b || z == c) {
                        on = true;
                    } else if (c == infinity) {
                        // Cross ratio with c at infinity: (z - a) / (b - a).
                        on = z != infinity
                            && inSubfield[static_cast<std::size_t>(
                                f.multiply(f.subtract(z, a), f.inverse(f.subtract(b, a))))];
                    } else if (z == infinity) {
                        on = inSubfield[static_cast<std::size_t>(
                            f.multiply(f.subtract(b, c), f.inverse(f.subtract(b, a))))];
                    } else {
                        const int32_t top = f.multiply(f.subtract(z, a), f.subtract(b, c));
                        const int32_t bottom = f.multiply(f.subtract(z, c), f.subtract(b, a));
                        on = inSubfield[static_cast<std::size_t>(f.multiply(top, f.inverse(bottom)))];
                    }
                    if (on)
                        circle.push_back(z);
                }
                circles.insert(circle);
            }
    TDesign design { n + 1, 3, {} };
    design.Blocks.assign(circles.begin(), circles.end());
    return design;
}

// S(3,6,22) from the octads of the extended binary Golay code that hold
// the points 22 and 23, those two taken out.
TDesign Witt22()
{
    constexpr uint32_t generator = 0b110001110101; // x^11+x^10+x^6+x^5+x^4+x^2+1, bit i for x^i
    std::array<uint32_t, 12> rows {};
    for (std::size_t i = 0; i < 12; ++i) {
        const uint32_t word = generator << i; // 23 bits
        const auto parity = static_cast<uint32_t>(std::popcount(word) & 1);
        rows[i] = word | parity << 23;
    }
    TDesign design { 22, 3, {} };
    for (uint32_t mask = 0; mask < (1u << 12); ++mask) {
        uint32_t word = 0;
        for (std::size_t i = 0; i < 12; ++i)
            if (mask >> i & 1)
                word ^= rows[i];
        int32_t weight = 0;
        for (uint32_t w = word; w != 0; w &= w - 1)
            ++weight;
        if (weight != 8 || (word >> 22 & 3) != 3)
            continue;
        std::vector<int32_t> block;
        for (int32_t x = 0; x < 22; ++x)
            if (word >> x & 1)
                block.push_back(x);
        design.Blocks.push_back(block);
    }
    return design;
}

} // namespace

std::vector<TDesign> DesignsFor(int32_t v, int32_t k, int32_t t, int32_t spare, int64_t fewerThan)
{
    std::vector<TDesign> designs;
    const auto fits = [&](int32_t points, int32_t blockSize, int32_t strength) {
        return points >= v && points <= v + spare && blockSize <= k && strength >= t;
    };
    for (const auto& order : PlaneOrders) {
        const int32_t q = order.q;
        if (fits(q * q + q + 1, q + 1, 2))
            designs.push_back(ProjectivePlane(TFiniteField(order.p, order.n)));
        if (fits(q * q, q, 2))
            designs.push_back(AffinePlane(TFiniteField(order.p, order.n)));
        if (fits(q * q + 1, q + 1, 3))
            designs.push_back(InversivePlane(TFiniteField(order.p, 2 * order.n), q));
    }
    if (fits(22, 6, 3))
        designs.push_back(Witt22());
    for (int32_t w = v; t <= 2 && k >= 3 && w <= v + spare && w <= 99; ++w) {
        const int32_t m = (w - 1 + k * (k - 1) - 1) / (k * (k - 1));
        // Worth a try only near the Schönheim bound for v: ceil(v/k ceil((v-1)/(k-1))).
        const int64_t bound = (static_cast<int64_t>(v) * ((v - 1 + k - 2) / (k - 1)) + k - 1) / k;
        if (static_cast<int64_t>(m) * w >= fewerThan || 10 * static_cast<int64_t>(m) * w > 11 * bound)
            continue;
        if (auto design = CyclicPairCovering(w, k, CyclicSearchSteps))
            designs.push_back(std::move(*design));
    }
    return designs;
}

} // namespace Main::WheelDetail
