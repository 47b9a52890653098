#include "analysis/Analysis.h"
#include "support/DrawFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace Main;

namespace {

struct Pair {
    int32_t a, b;
};

bool Holds(int32_t j, int32_t n)
{
    for (int32_t i = 1; i <= NumbersPerDraw; ++i)
        if (Draws[j].Numbers[i] == n)
            return true;
    return false;
}

// The walk done the plain way: for each predicted line every pair's key
// counted again from the lines before it, the pairs sorted stably, and the
// variance summed over every ordered pair of picked pairs.
TStrategyCheck PlainWalk(TPairRule rule, int32_t picks, int32_t warmup, int32_t recent)
{
    const int32_t k = NumbersPerDraw, m = MaxNumber;
    std::vector<Pair> pairs;
    for (int32_t a = 1; a <= m; ++a)
        for (int32_t b = a + 1; b <= m; ++b)
            pairs.push_back({ a, b });
    const auto p = [&](int32_t n) {
        double x = 1;
        for (int32_t i = 0; i < n; ++i)
            x *= double(k - i) / double(m - i);
        return x;
    };
    TStrategyCheck check;
    check.Predicted = DrawCount - warmup;
    check.Picks = picks;
    check.Expected = check.Predicted * picks * p(2);
    double variance = 0;
    for (int32_t t = warmup + 1; t <= DrawCount; ++t) {
        std::vector<int64_t> key;
        for (const Pair& pair : pairs) {
            int64_t hits = 0, last = 0, hot = 0;
            for (int32_t j = 1; j < t; ++j)
                if (Holds(j, pair.a) && Holds(j, pair.b)) {
                    ++hits;
                    last = j;
                    hot += j >= t - recent;
                }
            key.push_back(rule == TPairRule::MostHits ? -hits
                    : rule == TPairRule::FewestHits   ? hits
                    : rule == TPairRule::LongestGap   ? last
                                                      : -hot);
        }
        std::vector<std::size_t> order(pairs.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&key](std::size_t x, std::size_t y) { return key[x] < key[y]; });
        order.resize(static_cast<std::size_t>(picks));
        for (std::size_t i : order)
            check.Hits += Holds(t, pairs[i].a) && Holds(t, pairs[i].b);
        check.Cumulative.push_back(check.Hits);
        variance += picks * p(2) * (1 - p(2));
        for (std::size_t i : order)
            for (std::size_t j : order) {
                if (i == j)
                    continue;
                const bool share = pairs[i].a == pairs[j].a || pairs[i].a == pairs[j].b || pairs[i].b == pairs[j].a
                    || pairs[i].b == pairs[j].b;
                variance += (share ? p(3) : p(4)) - p(2) * p(2);
            }
    }
    check.Deviation = std::sqrt(variance);
    return check;
}

const TPairRule Rules[] = { TPairRule::MostHits, TPairRule::FewestHits, TPairRule::LongestGap, TPairRule::HotRecent };

// Every rule, with many ties (few draws, small pool), at picks from one to
// all pairs, against the plain walk: hits after each line and the variance.
TEST(StrategyCheck, IncrementalWalkEqualsAPlainRecount)
{
    TestSupport::TempDir dir;
    auto draws = TestSupport::RandomDraws(4, 9, 40, 5);
    draws[3].numbers = { 2, 2, 7, 12 }; // a repeat and a number above M count as in the pairs
    LoadDrawFile(dir.write("d.txt", TestSupport::DrawFileText(4, 9, draws)));
    for (TPairRule rule : Rules)
        for (const auto& [picks, warmup, recent] :
            { std::tuple { 1, 1, 50 }, { 5, 10, 3 }, { 17, 39, 1 }, { 36, 20, 5 } }) {
            const TStrategyCheck check = CheckPairRule(rule, picks, warmup, recent);
            const TStrategyCheck plain = PlainWalk(rule, picks, warmup, recent);
            const std::string what = std::to_string(int(rule)) + " " + std::to_string(picks);
            EXPECT_EQ(check.Predicted, 40 - warmup) << what;
            EXPECT_EQ(check.Cumulative, plain.Cumulative) << what;
            EXPECT_EQ(check.Hits, plain.Hits) << what;
            EXPECT_NEAR(check.Expected, plain.Expected, 1e-9) << what;
            EXPECT_NEAR(check.Deviation * check.Deviation, plain.Deviation * plain.Deviation, 1e-9) << what;
            const double chance = plain.Deviation > 0
                ? 0.5 * std::erfc(((plain.Hits - 0.5) - plain.Expected) / (plain.Deviation * std::sqrt(2.0)))
                : 1;
            EXPECT_NEAR(check.Chance, chance, 1e-12) << what;
        }
}

// A long fair history: no rule can beat chance by more than a few sigma.
TEST(StrategyCheck, FairHistoryStaysWithinFourSigma)
{
    TestSupport::TempDir dir;
    LoadDrawFile(dir.write("fair.txt", TestSupport::DrawFileText(6, 49, TestSupport::RandomDraws(6, 49, 1000, 99))));
    for (TPairRule rule : Rules)
        for (int32_t picks : { 10, 200, 1000 }) {
            const TStrategyCheck check = CheckPairRule(rule, picks, 100, 50);
            EXPECT_LT(std::abs(check.Hits - check.Expected), 4 * check.Deviation) << int(rule) << " " << picks;
            EXPECT_GT(check.Deviation, 0);
        }
    // All pairs picked: every line holds exactly K(K-1)/2 of them.
    const TStrategyCheck all = CheckPairRule(TPairRule::MostHits, 1176, 100);
    EXPECT_EQ(all.Hits, 900 * 15);
    EXPECT_NEAR(all.Deviation, 0, 1e-6);
}

TEST(StrategyCheck, CancelledWalkGivesNoResult)
{
    TestSupport::TempDir dir;
    LoadDrawFile(dir.write("d.txt", TestSupport::DrawFileText(6, 49, TestSupport::RandomDraws(6, 49, 300, 4))));
    const TStrategyInput input = CollectStrategyInput();
    std::atomic<bool> cancel { true };
    std::atomic<int32_t> done { 0 };
    EXPECT_FALSE(WalkPairRule(input, TPairRule::MostHits, 10, 100, 50, &cancel, &done));
    cancel = false;
    const auto walk = WalkPairRule(input, TPairRule::MostHits, 10, 100, 50, &cancel, &done);
    ASSERT_TRUE(walk);
    EXPECT_EQ(done.load(), 200);
    EXPECT_EQ(walk->Check, CheckPairRule(TPairRule::MostHits, 10, 100, 50));
    EXPECT_EQ(walk->CumulativeVariance.size(), 200u);
    EXPECT_NEAR(std::sqrt(walk->CumulativeVariance.back()), walk->Check.Deviation, 1e-12);
}

TEST(StrategyCheck, RefusalsChangeNothing)
{
    TestSupport::TempDir dir;
    LoadDrawFile(dir.write("d.txt", "02/05\n0001  0102\n0002  0304\n0003  0105\n"));
    const auto before = Draws;
    const std::tuple<TPairRule, int32_t, int32_t, int32_t> refused[] = {
        { TPairRule::MostHits, 0, 1, 50 },
        { TPairRule::MostHits, 11, 1, 50 },
        { TPairRule::MostHits, 1, 0, 50 },
        { TPairRule::MostHits, 1, 3, 50 },
        { TPairRule::HotRecent, 1, 1, 0 },
    };
    for (const auto& [rule, picks, warmup, recent] : refused) {
        EXPECT_THROW(CheckPairRule(rule, picks, warmup, recent), EAnalysisError) << picks << " " << warmup;
        EXPECT_EQ(Draws, before);
        EXPECT_EQ(DrawCount, 3);
    }
    EXPECT_NO_THROW(CheckPairRule(TPairRule::FewestHits, 1, 1, 0)); // R matters only for its rule
    LoadDrawFile(dir.write("k1.txt", "01/05\n0001  01\n0002  03\n"));
    EXPECT_THROW(CheckPairRule(TPairRule::MostHits, 1, 1), EAnalysisError);
}

} // namespace
