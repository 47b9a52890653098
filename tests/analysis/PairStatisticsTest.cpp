#include "analysis/Analysis.h"
#include "support/DrawFiles.h"
#include "support/Printers.h"
#include "support/Reference.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Main;

namespace {

// Puts draws straight into the table, as the loader would have.
void SetDraws(int32_t k, int32_t m, const std::vector<TestSupport::Draw>& draws)
{
    NumbersPerDraw = k;
    MaxNumber = m;
    DrawCount = 0;
    for (const auto& draw : draws) {
        ++DrawCount;
        Draws[DrawCount].DrawNo = draw.drawNo;
        for (std::size_t n = 0; n < draw.numbers.size(); ++n)
            Draws[DrawCount].Numbers[static_cast<int32_t>(n + 1)] = draw.numbers[n];
    }
}

void ComputeStatistics()
{
    BuildPairs();
    ResetAndCount();
    GapsAndCopies();
}

std::vector<TPairStat> Table(const TStatTable& table)
{
    const auto entries = table.first(PairCount);
    return { entries.begin(), entries.end() };
}

int32_t PairNo(int32_t a, int32_t b)
{
    for (int32_t i = 1; i <= PairCount; ++i)
        if (Pairs[i] == TPairRecord { a, b })
            return i;
    return 0;
}

struct GeneratedCase {
    int32_t k, m, draws;
    uint32_t seed;

    friend void PrintTo(const GeneratedCase& c, std::ostream* out)
    {
        *out << c.k << " of " << c.m << ", " << c.draws << " draws";
    }
};

class StatisticsAgainstReference : public testing::TestWithParam<GeneratedCase> { };

TEST_P(StatisticsAgainstReference, EveryPairMatches)
{
    const auto [k, m, count, seed] = GetParam();
    auto draws = TestSupport::RandomDraws(k, m, count, seed, 101);
    // Numbers a real file may hold too: a repeat, a bonus above M, a zero, a
    // number beyond any set, and draw numbers out of order.
    draws[0].numbers[1] = draws[0].numbers[0];
    draws[1].numbers[0] = m + 1;
    draws[2].numbers[0] = 0;
    draws[3].numbers[0] = 150;
    std::swap(draws[4].drawNo, draws[5].drawNo);
    SetDraws(k, m, draws);
    ComputeStatistics();

    const auto expected = TestSupport::ReferenceStatistics();
    EXPECT_EQ(Table(Stats), expected);
    EXPECT_EQ(Table(ByHits), expected);
    EXPECT_EQ(Table(ByLastDraw), expected);
    EXPECT_EQ(Table(ByGap), expected);
}

INSTANTIATE_TEST_SUITE_P(GeneratedFiles, StatisticsAgainstReference,
    testing::Values(GeneratedCase { 6, 49, 100, 1 }, GeneratedCase { 5, 36, 300, 2 }, GeneratedCase { 20, 99, 1000, 3 },
        GeneratedCase { 2, 3, 50, 4 }, GeneratedCase { 7, 7, 20, 5 }));

TEST(PairStatistics, NeverDrawnPairHasZerosAndGapToMostRecentDraw)
{
    SetDraws(3, 6, { { 7, { 1, 2, 3 } }, { 9, { 1, 2, 4 } }, { 12, { 4, 5, 6 } } });
    ComputeStatistics();
    EXPECT_EQ(Stats[PairNo(1, 2)], (TPairStat { PairNo(1, 2), 2, 9, 3 }));
    EXPECT_EQ(Stats[PairNo(1, 6)], (TPairStat { PairNo(1, 6), 0, 0, 12 }));
    EXPECT_EQ(Stats[PairNo(5, 6)], (TPairStat { PairNo(5, 6), 1, 12, 0 }));
    EXPECT_EQ(ProcessedDraws(), 6);
}

TEST(PairStatistics, RepeatedNumberCountsOnceAndNumbersAboveMAreInNoPair)
{
    SetDraws(4, 5, { { 1, { 2, 2, 3, 9 } } });
    ComputeStatistics();
    for (int32_t i = 1; i <= PairCount; ++i)
        EXPECT_EQ(Stats[i].Hits, i == PairNo(2, 3) ? 1 : 0) << i;
}

TEST(PairStatistics, LastDrawIsLastMatchingLineWhateverTheNumbers)
{
    SetDraws(2, 4, { { 30, { 1, 2 } }, { 10, { 1, 2 } }, { 20, { 3, 4 } } });
    ComputeStatistics();
    EXPECT_EQ(Stats[PairNo(1, 2)], (TPairStat { PairNo(1, 2), 2, 10, 10 }));
}

TEST(PairStatistics, ProcessedDrawsIsTheSpanOfDrawNumbers)
{
    SetDraws(2, 9, TestSupport::RandomDraws(2, 9, 100, 11, 101));
    EXPECT_EQ(ProcessedDraws(), 100);
    SetDraws(2, 9, { { 5, { 1, 2 } }, { 9, { 1, 2 } }, { 12, { 1, 2 } } });
    EXPECT_EQ(ProcessedDraws(), 8);
}

TEST(PairStatistics, NoDrawsGiveZeros)
{
    SetDraws(6, 49, {});
    ComputeStatistics();
    EXPECT_EQ(ProcessedDraws(), 0);
    for (int32_t i = 1; i <= PairCount; ++i)
        ASSERT_EQ(Stats[i], (TPairStat { i, 0, 0, 0 }));
}

TEST(PairStatistics, SecondRunStartsFromZero)
{
    SetDraws(6, 49, TestSupport::RandomDraws(6, 49, 200, 21));
    ComputeStatistics();
    SetDraws(2, 5, { { 1, { 1, 2 } } });
    ComputeStatistics();
    EXPECT_EQ(Table(Stats), TestSupport::ReferenceStatistics());
}

TEST(PairStatistics, PairTableNotBuiltByBuildPairsStillCountsExactly)
{
    SetDraws(3, 9, { { 1, { 1, 2, 3 } }, { 2, { 3, 3, 5 } } });
    PairCount = 4;
    Pairs[1] = { 2, 1 };
    Pairs[2] = { 1, 2 };
    Pairs[3] = { 3, 3 };
    Pairs[4] = { 0, 200 };
    ResetAndCount();
    GapsAndCopies();
    EXPECT_EQ(Table(Stats), TestSupport::ReferenceStatistics());
    EXPECT_EQ(Stats[3].Hits, 2);
}

} // namespace
