// The fairness check: the observed pair and number figures against the same
// figures of simulated fair lotteries (a Monte Carlo test: the chance of a
// figure is the share of simulated histories at least as extreme; see
// A. C. Davison, D. V. Hinkley, "Bootstrap Methods and their Application",
// 1997, ch. 4.2).
#include "analysis/chance/Fairness.h"

#include "analysis/tables/Records.h"
#include "analysis/tables/Tables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <thread>

namespace Main {

namespace {

// The figures of one history, observed or simulated.
struct TFigures {
    int32_t maxHits = 0;
    int32_t minHits = 0;
    int32_t longestGap = 0;
    double pairChiSquare = 0;
    double numberChiSquare = 0;
};

// Counts one history's pairs and numbers. Pairs (a, b), a < b, are numbered
// through a triangular index so that the counts fit in a few kilobytes.
class TCounter {
public:
    TCounter(int32_t k, int32_t m, int32_t draws)
        : k_(k)
        , m_(m)
        , draws_(draws)
        , pairs_(m * (m - 1) / 2)
        , hits_(static_cast<std::size_t>(pairs_))
        , last_(static_cast<std::size_t>(pairs_))
        , numbers_(static_cast<std::size_t>(m + 1))
    {
        int32_t next = 0;
        for (int32_t a = 1; a <= m; ++a)
            for (int32_t b = a + 1; b <= m; ++b)
                index_[static_cast<std::size_t>(a * 100 + b)] = next++;
    }

    void reset()
    {
        std::fill(hits_.begin(), hits_.end(), 0);
        std::fill(last_.begin(), last_.end(), 0);
        std::fill(numbers_.begin(), numbers_.end(), 0);
    }

    // The draw at `position` (1-based) holding numbers[0..k).
    void add(const int32_t* numbers, int32_t position)
    {
        for (int32_t x = 0; x < k_; ++x) {
            const int32_t a = numbers[x];
            ++numbers_[static_cast<std::size_t>(a)];
            for (int32_t y = x + 1; y < k_; ++y) {
                const int32_t b = numbers[y];
                const auto pair
                    = static_cast<std::size_t>(index_[static_cast<std::size_t>(a < b ? a * 100 + b : b * 100 + a)]);
                ++hits_[pair];
                last_[pair] = position;
            }
        }
    }

    // Pearson's chi-square statistic, sum of (observed - expected)^2 /
    // expected (K. Pearson, Philosophical Magazine 50, 1900, 157-175). A
    // category that can never be hit (expected 0) adds nothing.
    TFigures figures(double expectedHits, double expectedNumber) const
    {
        TFigures f;
        f.minHits = pairs_ > 0 ? hits_[0] : 0;
        for (int32_t p = 0; p < pairs_; ++p) {
            const int32_t hits = hits_[static_cast<std::size_t>(p)];
            f.maxHits = std::max(f.maxHits, hits);
            f.minHits = std::min(f.minHits, hits);
            f.longestGap = std::max(f.longestGap, draws_ - last_[static_cast<std::size_t>(p)]);
            if (expectedHits > 0)
                f.pairChiSquare += (hits - expectedHits) * (hits - expectedHits) / expectedHits;
        }
        if (expectedNumber > 0)
            for (int32_t n = 1; n <= m_; ++n) {
                const double d = numbers_[static_cast<std::size_t>(n)] - expectedNumber;
                f.numberChiSquare += d * d / expectedNumber;
            }
        return f;
    }

private:
    int32_t k_, m_, draws_, pairs_;
    std::array<int32_t, 100 * 100> index_ {};
    std::vector<int32_t> hits_;
    std::vector<int32_t> last_;
    std::vector<int32_t> numbers_;
};

// A uniform integer in [0, range) from a 64-bit generator, by rejection, so
// that the result is the same with every standard library.
uint64_t Uniform(std::mt19937_64& generator, uint64_t range)
{
    const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    uint64_t x;
    do
        x = generator();
    while (x >= limit);
    return x % range;
}

// One generator per simulation, seeded from the seed and the simulation's
// number (splitmix64 finaliser), so the figures do not depend on how the
// simulations are shared between threads.
uint64_t SimulationSeed(uint64_t seed, int32_t simulation)
{
    uint64_t z = seed + 0x9E3779B97F4A7C15ULL * (static_cast<uint64_t>(simulation) + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

TFairDrawer::TFairDrawer(int32_t k, int32_t m, uint64_t seed, int32_t simulation)
    : k_(k)
    , generator_(SimulationSeed(seed, simulation))
    , pool_(static_cast<std::size_t>(m))
{
    for (int32_t i = 0; i < m; ++i)
        pool_[static_cast<std::size_t>(i)] = i + 1;
}

// Partial Fisher-Yates shuffle: pool[0..k) becomes a uniform draw of K
// distinct numbers, whatever order the pool was left in by the draw before.
std::span<const int32_t> TFairDrawer::next()
{
    const auto m = static_cast<uint64_t>(pool_.size());
    for (int32_t i = 0; i < k_; ++i) {
        const auto at = static_cast<std::size_t>(i);
        std::swap(pool_[at], pool_[at + static_cast<std::size_t>(Uniform(generator_, m - at))]);
    }
    return std::span<const int32_t>(pool_).first(static_cast<std::size_t>(k_));
}

namespace {

struct TTally {
    int32_t maxHits = 0, minHits = 0, longestGap = 0, pairChiSquare = 0, numberChiSquare = 0;
};

// At least as extreme, allowing for rounding in the sums.
bool AtLeast(double simulated, double observed)
{
    return simulated >= observed - 1e-9 * std::max(1.0, std::abs(observed));
}

} // namespace

// A given pair is in a draw of K out of M with probability
// C(M-2, K-2) / C(M, K) = K(K-1) / (M(M-1)); its hits over N independent
// draws are binomial, mean N p, deviation sqrt(N p (1-p)) (W. Feller, "An
// Introduction to Probability Theory and Its Applications", vol. 1, ch. II, VI).
TPairExpectation PairExpectation(int32_t k, int32_t m, int32_t draws)
{
    if (m < 2)
        return {};
    const double p = static_cast<double>(k) * (k - 1) / (static_cast<double>(m) * (m - 1));
    return { p, draws * p, std::sqrt(draws * p * (1 - p)) };
}

TFairnessInput CollectFairnessInput()
{
    TFairnessInput input;
    input.K = std::clamp(NumbersPerDraw, 0, MaxNumbersPerDraw);
    input.M = std::clamp(MaxNumber, 0, 99);
    const bool typeUsable
        = input.K >= 1 && input.M >= 2 && input.K <= input.M && input.M == MaxNumber && input.K == NumbersPerDraw;
    for (int32_t j = 1; j <= DrawCount; ++j) {
        std::vector<int32_t> numbers;
        std::array<bool, 100> seen {};
        bool usable = typeUsable;
        for (int32_t k = 1; usable && k <= input.K; ++k) {
            const int32_t n = Draws[j].Numbers[k];
            usable = n >= 1 && n <= input.M && !seen[static_cast<std::size_t>(n)];
            if (usable) {
                seen[static_cast<std::size_t>(n)] = true;
                numbers.push_back(n);
            }
        }
        if (usable)
            input.Draws.push_back(std::move(numbers));
        else
            ++input.LeftOut;
    }
    return input;
}

std::optional<TFairness> SimulateFairness(const TFairnessInput& input, int32_t simulations, uint64_t seed,
    std::atomic<int32_t>* done, const std::atomic<bool>* cancel)
{
    TFairness result;
    result.Draws = static_cast<int32_t>(input.Draws.size());
    if (result.Draws == 0)
        return result;
    const int32_t k = input.K;
    const int32_t m = input.M;
    const double n = result.Draws;
    const TPairExpectation pair = PairExpectation(k, m, result.Draws);
    result.PairProbability = pair.Probability;
    result.ExpectedHits = pair.Hits;
    result.HitsDeviation = pair.Deviation;
    const double expectedNumber = n * k / m; // each number is in a draw with probability K / M

    TCounter observed(k, m, result.Draws);
    for (int32_t j = 0; j < result.Draws; ++j)
        observed.add(input.Draws[static_cast<std::size_t>(j)].data(), j + 1);
    const TFigures seen = observed.figures(result.ExpectedHits, expectedNumber);
    result.MaxHits = seen.maxHits;
    result.MinHits = seen.minHits;
    result.LongestGap = seen.longestGap;
    result.PairChiSquare = seen.pairChiSquare;
    result.NumberChiSquare = seen.numberChiSquare;
    if (simulations < 1)
        return result;

    const int32_t workers
        = std::clamp(static_cast<int32_t>(std::thread::hardware_concurrency()), 1, std::min(simulations, 16));
    std::vector<TTally> tallies(static_cast<std::size_t>(workers));
    const auto work = [&](int32_t worker) {
        TCounter counter(k, m, result.Draws);
        TTally& tally = tallies[static_cast<std::size_t>(worker)];
        for (int32_t s = worker; s < simulations; s += workers) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return;
            TFairDrawer drawer(k, m, seed, s);
            counter.reset();
            for (int32_t j = 1; j <= result.Draws; ++j)
                counter.add(drawer.next().data(), j);
            const TFigures f = counter.figures(result.ExpectedHits, expectedNumber);
            tally.maxHits += f.maxHits >= seen.maxHits;
            tally.minHits += f.minHits <= seen.minHits;
            tally.longestGap += f.longestGap >= seen.longestGap;
            tally.pairChiSquare += AtLeast(f.pairChiSquare, seen.pairChiSquare);
            tally.numberChiSquare += AtLeast(f.numberChiSquare, seen.numberChiSquare);
            if (done)
                done->fetch_add(1, std::memory_order_relaxed);
        }
    };
    std::vector<std::thread> threads;
    for (int32_t w = 1; w < workers; ++w)
        threads.emplace_back(work, w);
    work(0);
    for (std::thread& thread : threads)
        thread.join();
    if (cancel && cancel->load())
        return std::nullopt;

    TTally total;
    for (const TTally& t : tallies) {
        total.maxHits += t.maxHits;
        total.minHits += t.minHits;
        total.longestGap += t.longestGap;
        total.pairChiSquare += t.pairChiSquare;
        total.numberChiSquare += t.numberChiSquare;
    }
    const auto share = [simulations](int32_t count) { return static_cast<double>(count) / simulations; };
    result.MaxHitsChance = share(total.maxHits);
    result.MinHitsChance = share(total.minHits);
    result.LongestGapChance = share(total.longestGap);
    result.PairChiSquareChance = share(total.pairChiSquare);
    result.NumberChiSquareChance = share(total.numberChiSquare);
    return result;
}

TFairness AssessFairness(int32_t simulations, uint64_t seed)
{
    return *SimulateFairness(CollectFairnessInput(), simulations, seed);
}

} // namespace Main
