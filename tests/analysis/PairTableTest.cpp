#include "analysis/Analysis.h"

#include <gtest/gtest.h>

using namespace Main;

namespace {

struct PairCountCase {
    int32_t maxNumber;
    int32_t pairCount;

    friend void PrintTo(const PairCountCase& c, std::ostream* out) { *out << "M=" << c.maxNumber; }
};

class PairCountTest : public testing::TestWithParam<PairCountCase> { };

TEST_P(PairCountTest, EveryPairOnceInLexicographicOrder)
{
    const auto [m, expectedCount] = GetParam();
    MaxNumber = m;
    BuildPairs();
    ASSERT_EQ(PairCount, expectedCount);

    int32_t i = 0;
    for (int32_t a = 1; a <= m; ++a)
        for (int32_t b = a + 1; b <= m; ++b) {
            ++i;
            ASSERT_EQ(Pairs[i], (TPairRecord { a, b })) << "pair " << i;
        }
    EXPECT_EQ(i, PairCount);
}

INSTANTIATE_TEST_SUITE_P(ForSeveralM, PairCountTest,
    testing::Values(PairCountCase { -9, 0 }, PairCountCase { 0, 0 }, PairCountCase { 1, 0 }, PairCountCase { 2, 1 },
        PairCountCase { 3, 3 }, PairCountCase { 36, 630 }, PairCountCase { 49, 1176 }, PairCountCase { 99, 4851 },
        PairCountCase { 100, 4950 }));

TEST(PairTable, NumbersKnownPairsOf49)
{
    MaxNumber = 49;
    BuildPairs();
    EXPECT_EQ(Pairs[1], (TPairRecord { 1, 2 }));
    EXPECT_EQ(Pairs[48], (TPairRecord { 1, 49 }));
    EXPECT_EQ(Pairs[49], (TPairRecord { 2, 3 }));
    EXPECT_EQ(Pairs[1176], (TPairRecord { 48, 49 }));
}

TEST(PairTable, RebuildForSmallerLotteryShortensTable)
{
    MaxNumber = 49;
    BuildPairs();
    MaxNumber = 5;
    BuildPairs();
    EXPECT_EQ(PairCount, 10);
    EXPECT_EQ(Pairs[10], (TPairRecord { 4, 5 }));
}

} // namespace
