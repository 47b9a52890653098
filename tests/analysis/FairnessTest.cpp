#include "analysis/Analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Main;

namespace {

void SetDraws(int32_t k, int32_t m, const std::vector<std::vector<int32_t>>& draws)
{
    NumbersPerDraw = k;
    MaxNumber = m;
    DrawCount = 0;
    for (const auto& numbers : draws) {
        TDrawRecord draw;
        draw.DrawNo = DrawCount + 1;
        for (std::size_t i = 0; i < numbers.size(); ++i)
            draw.Numbers[static_cast<int32_t>(i + 1)] = numbers[i];
        Draws[++DrawCount] = draw;
    }
}

// 3 of 5: pairs 12 twice; 13 23 14 24 34 35 45 once; 15 25 never. The draws
// with a repeated or an out-of-range number are left out.
TEST(Fairness, ExactFiguresOnAHandCheckedHistory)
{
    SetDraws(3, 5, { { 1, 2, 3 }, { 1, 1, 2 }, { 1, 2, 4 }, { 0, 2, 3 }, { 3, 4, 5 } });
    EXPECT_EQ(CollectFairnessInput().LeftOut, 2);
    const TFairness f = AssessFairness(200, 1);
    EXPECT_EQ(f.Draws, 3);
    EXPECT_DOUBLE_EQ(f.PairProbability, 0.3);
    EXPECT_DOUBLE_EQ(f.ExpectedHits, 0.9);
    EXPECT_DOUBLE_EQ(f.HitsDeviation, std::sqrt(0.63));
    EXPECT_EQ(f.MaxHits, 2);
    EXPECT_EQ(f.MinHits, 0);
    EXPECT_EQ(f.LongestGap, 3);
    EXPECT_NEAR(f.PairChiSquare, 2.9 / 0.9, 1e-12);
    EXPECT_NEAR(f.NumberChiSquare, 0.8 / 1.8, 1e-12);
    for (double chance :
        { f.MaxHitsChance, f.MinHitsChance, f.LongestGapChance, f.PairChiSquareChance, f.NumberChiSquareChance })
        EXPECT_TRUE(chance > 0 && chance <= 1) << chance;
    // Three draws of 3 of 5 can leave no pair out only by luck: a pair that
    // never came is the usual case.
    EXPECT_GT(f.MinHitsChance, 0.5);
}

// Where every fair history equals the observed one, every chance is 100%;
// with no usable draw there are no figures.
TEST(Fairness, ChancesWhereTheyAreKnownExactly)
{
    for (const auto& [k, m] : { std::pair { 4, 4 }, { 2, 2 }, { 1, 2 } }) {
        std::vector<std::vector<int32_t>> draws(50, std::vector<int32_t> {});
        for (auto& draw : draws)
            for (int32_t n = 1; n <= k; ++n)
                draw.push_back(n);
        SetDraws(k, m, draws);
        const TFairness f = AssessFairness(100, 7);
        EXPECT_EQ(f.Draws, 50);
        for (double chance : { f.MaxHitsChance, f.MinHitsChance, f.LongestGapChance, f.PairChiSquareChance })
            EXPECT_EQ(chance, 1.0) << k << " of " << m;
        if (k == m) {
            EXPECT_EQ(f.NumberChiSquareChance, 1.0);
        }
    }
    SetDraws(6, 49, { { 1, 2, 3, 4, 5, 60 } });
    const TFairness none = AssessFairness(100, 7);
    EXPECT_EQ(none.Draws, 0);
    EXPECT_EQ(none.ExpectedHits, 0);
    EXPECT_EQ(none.MaxHitsChance, 0);
}

// The simulated lottery is fair: every number and every pair comes as often
// as it should, within five standard deviations.
TEST(Fairness, SimulatedDrawsAreFair)
{
    constexpr int32_t K = 6, M = 49, Histories = 100, Length = 1000;
    std::vector<int64_t> numbers(M + 1);
    int64_t firstPair = 0, lastPair = 0;
    for (int32_t s = 0; s < Histories; ++s) {
        TFairDrawer drawer(K, M, 42, s);
        for (int32_t j = 0; j < Length; ++j) {
            bool has1 = false, has2 = false, has48 = false, has49 = false;
            for (int32_t n : drawer.next()) {
                ++numbers[static_cast<std::size_t>(n)];
                has1 |= n == 1;
                has2 |= n == 2;
                has48 |= n == 48;
                has49 |= n == 49;
            }
            firstPair += has1 && has2;
            lastPair += has48 && has49;
        }
    }
    const double draws = Histories * Length;
    const double perNumber = draws * K / M;
    for (int32_t n = 1; n <= M; ++n)
        EXPECT_NEAR(numbers[static_cast<std::size_t>(n)], perNumber, 5 * std::sqrt(perNumber)) << n;
    const double perPair = draws * K * (K - 1) / (M * (M - 1.0));
    EXPECT_NEAR(firstPair, perPair, 5 * std::sqrt(perPair));
    EXPECT_NEAR(lastPair, perPair, 5 * std::sqrt(perPair));
}

TEST(Fairness, SameSeedSameFigures)
{
    std::vector<std::vector<int32_t>> draws;
    TFairDrawer source(5, 36, 99, 0);
    for (int32_t j = 0; j < 300; ++j) {
        const auto next = source.next();
        draws.emplace_back(next.begin(), next.end());
    }
    SetDraws(5, 36, draws);
    const TFairness a = AssessFairness(300, 11);
    const TFairness b = AssessFairness(300, 11);
    for (auto member : { &TFairness::MaxHitsChance, &TFairness::MinHitsChance, &TFairness::LongestGapChance,
             &TFairness::PairChiSquareChance, &TFairness::NumberChiSquareChance })
        EXPECT_EQ(a.*member, b.*member);
    // A fair history is unremarkable.
    EXPECT_GT(a.PairChiSquareChance, 0.001);
    EXPECT_LT(a.PairChiSquareChance, 0.999);

    std::atomic<bool> cancel { true };
    EXPECT_FALSE(SimulateFairness(CollectFairnessInput(), 300, 11, nullptr, &cancel).has_value());
}

} // namespace
