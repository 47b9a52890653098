#include "analysis/Analysis.h"
#include "support/DrawFiles.h"
#include "support/Printers.h"
#include "support/Reference.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Main;

namespace {

void LoadText(const std::string& text)
{
    TestSupport::TempDir dir;
    LoadDrawFile(dir.write("draws.txt", text));
    BuildPairs();
    ResetAndCount();
    GapsAndCopies();
    RankByHits();
    RankByLastDraw();
    RankByGap();
}

std::vector<TPairStat> Table(const TStatTable& table)
{
    const auto entries = table.first(PairCount);
    return { entries.begin(), entries.end() };
}

TEST(Rankings, StableAscendingLikeInsertionSort)
{
    std::vector<std::string> files;
    for (const auto& [k, m, count] : { std::tuple { 6, 49, 100 }, { 5, 36, 40 }, { 20, 99, 1000 }, { 3, 9, 1 } })
        files.push_back(TestSupport::DrawFileText(k, m, TestSupport::RandomDraws(k, m, count, 42)));
    // Draw numbers far apart: keys spread wider than the table is long.
    files.push_back("02/05\n-999  0102\n9999  0304\n0500  0102\n0007  0405\n");
    for (const std::string& file : files) {
        SCOPED_TRACE(file.substr(0, 5));
        LoadText(file);
        auto expected = TestSupport::ReferenceStatistics();
        EXPECT_EQ(Table(Stats), expected);
        for (const auto& [table, key] : { std::pair { &ByHits, &TPairStat::Hits },
                 { &ByLastDraw, &TPairStat::LastDraw }, { &ByGap, &TPairStat::Gap } }) {
            auto sorted = expected;
            TestSupport::InsertionSort(sorted, key);
            EXPECT_EQ(Table(*table), sorted);
        }
    }
}

TEST(Extremes, OneDrawOf49)
{
    LoadText("06/49\n0001  030917233141\n");
    const TExtremes hits = Extremes(TMeasure::Hits);
    EXPECT_EQ(hits.Min, 0);
    EXPECT_EQ(hits.MinList.size(), 1161u);
    EXPECT_EQ(hits.MinList.front(), (TPairRecord { 1, 2 }));
    EXPECT_EQ(hits.MinList.back(), (TPairRecord { 48, 49 }));
    EXPECT_EQ(hits.Max, 1);
    ASSERT_EQ(hits.MaxList.size(), 15u);
    EXPECT_EQ(hits.MaxList.front(), (TPairRecord { 3, 9 }));
    EXPECT_EQ(hits.MaxList.back(), (TPairRecord { 31, 41 }));

    const TExtremes last = Extremes(TMeasure::LastDraw);
    EXPECT_EQ(last.Min, 0);
    EXPECT_EQ(last.MinList, hits.MinList);
    EXPECT_EQ(last.Max, 1);
    EXPECT_EQ(last.MaxList, hits.MaxList);

    const TExtremes gap = Extremes(TMeasure::Gap);
    EXPECT_EQ(gap.Min, 0);
    EXPECT_EQ(gap.MinList, hits.MaxList);
    EXPECT_EQ(gap.Max, 1);
    EXPECT_EQ(gap.MaxList, hits.MinList);
}

TEST(Extremes, ListsInAscendingPairOrder)
{
    LoadText("02/04\n0001  0304\n0002  0102\n0003  0304\n0004  0204\n");
    const TExtremes hits = Extremes(TMeasure::Hits);
    EXPECT_EQ(hits.Min, 0);
    EXPECT_EQ(hits.MinList, (std::vector<TPairRecord> { { 1, 3 }, { 1, 4 }, { 2, 3 } }));
    EXPECT_EQ(hits.Max, 2);
    EXPECT_EQ(hits.MaxList, (std::vector<TPairRecord> { { 3, 4 } }));
    const TExtremes gap = Extremes(TMeasure::Gap);
    EXPECT_EQ(gap.Min, 0);
    EXPECT_EQ(gap.MinList, (std::vector<TPairRecord> { { 2, 4 } }));
    EXPECT_EQ(gap.Max, 4);
    EXPECT_EQ(gap.MaxList, (std::vector<TPairRecord> { { 1, 3 }, { 1, 4 }, { 2, 3 } }));
}

TEST(Extremes, OneValueForAllPairsPutsEveryPairInBothLists)
{
    LoadText("03/03\n0001  010203\n0002  030201\n");
    for (const TMeasure measure : { TMeasure::Hits, TMeasure::LastDraw, TMeasure::Gap }) {
        const TExtremes e = Extremes(measure);
        const std::vector<TPairRecord> all { { 1, 2 }, { 1, 3 }, { 2, 3 } };
        EXPECT_EQ(e.Min, e.Max);
        EXPECT_EQ(e.MinList, all);
        EXPECT_EQ(e.MaxList, all);
    }
}

TEST(Extremes, SinglePairIsInBothLists)
{
    LoadText("02/02\n0005  0102\n0006  0101\n");
    const TExtremes e = Extremes(TMeasure::LastDraw);
    EXPECT_EQ(e.Min, 5);
    EXPECT_EQ(e.Max, 5);
    EXPECT_EQ(e.MinList, (std::vector<TPairRecord> { { 1, 2 } }));
    EXPECT_EQ(e.MaxList, (std::vector<TPairRecord> { { 1, 2 } }));
}

TEST(Extremes, NoPairsGiveEmptyListsAndZeros)
{
    LoadText("01/01\n0001  01\n");
    for (const TMeasure measure : { TMeasure::Hits, TMeasure::LastDraw, TMeasure::Gap }) {
        const TExtremes e = Extremes(measure);
        EXPECT_EQ(e.Min, 0);
        EXPECT_EQ(e.Max, 0);
        EXPECT_TRUE(e.MinList.empty());
        EXPECT_TRUE(e.MaxList.empty());
    }
}

} // namespace
