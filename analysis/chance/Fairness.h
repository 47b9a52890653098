#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <vector>

namespace Main {

// How the loaded draws compare with a fair K-of-M lottery of the same length.
// Only draws whose K numbers are distinct and within 1..M take part. Every
// "Chance" is the share of simulated fair histories (each draw K distinct
// numbers uniformly from 1..M, as many draws as took part) whose figure is at
// least as extreme as the observed one; the same seed gives the same figures.
struct TFairness {
    int32_t Draws = 0; // draws that took part
    double PairProbability = 0; // K(K-1) / (M(M-1)), the chance of a given pair in one draw
    double ExpectedHits = 0; // Draws * PairProbability
    double HitsDeviation = 0; // sqrt(Draws * p * (1 - p))
    int32_t MaxHits = 0, MinHits = 0; // the largest and smallest pair count observed
    double MaxHitsChance = 0; // simulated largest pair count >= MaxHits
    double MinHitsChance = 0; // simulated smallest pair count <= MinHits
    int32_t LongestGap = 0; // the most draws since any pair last came (all draws when it never came)
    double LongestGapChance = 0; // simulated longest gap >= LongestGap
    double PairChiSquare = 0; // sum over pairs of (hits - expected)^2 / expected
    double PairChiSquareChance = 0; // simulated pair chi-square >= PairChiSquare
    double NumberChiSquare = 0; // the same over single numbers, expected Draws * K / M
    double NumberChiSquareChance = 0; // simulated number chi-square >= NumberChiSquare
};

// What a fair K-of-M lottery gives one pair over `draws` draws: the chance of
// the pair in one draw, and the mean and standard deviation of its hits. All
// zero without pairs (M below 2).
struct TPairExpectation {
    double Probability = 0;
    double Hits = 0;
    double Deviation = 0;
};
TPairExpectation PairExpectation(int32_t k, int32_t m, int32_t draws);

// The draws that take part, copied out of the tables so that a simulation can
// run on another thread while the tables change.
struct TFairnessInput {
    int32_t K = 0;
    int32_t M = 0;
    std::vector<std::vector<int32_t>> Draws; // each K distinct numbers in 1..M, oldest first
    int32_t LeftOut = 0; // loaded draws that do not take part
};
TFairnessInput CollectFairnessInput(); // reads the draw table and the header values

// The figures for `input`. `done`, when given, counts finished simulations as
// they finish; setting `cancel` stops the work early and gives no result.
// Runs on every core; thread-safe for distinct inputs.
std::optional<TFairness> SimulateFairness(const TFairnessInput& input, int32_t simulations, uint64_t seed,
    std::atomic<int32_t>* done = nullptr, const std::atomic<bool>* cancel = nullptr);

// The draws of one simulated fair history: simulation `simulation` of `seed`
// draws exactly these, whichever thread runs it.
class TFairDrawer {
public:
    TFairDrawer(int32_t k, int32_t m, uint64_t seed, int32_t simulation);
    // The next draw: K distinct numbers in 1..M, in the order drawn.
    std::span<const int32_t> next();

private:
    int32_t k_;
    std::mt19937_64 generator_;
    std::vector<int32_t> pool_;
};

TFairness AssessFairness(int32_t simulations, uint64_t seed); // reads the draw table and the header values

} // namespace Main
