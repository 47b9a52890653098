#include "analysis/Analysis.h"
#include "support/DrawFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace Main;

namespace {

// Every group tested against every counted draw, the plain way.
std::vector<TGroupStat> PlainCount(int32_t size, int32_t lastDraws)
{
    std::vector<TGroupStat> groups;
    std::array<int32_t, 3> g {};
    const auto holds = [](int32_t j, int32_t number) {
        for (int32_t n = 1; n <= NumbersPerDraw; ++n)
            if (Draws[j].Numbers[n] == number)
                return true;
        return false;
    };
    const auto visit = [&](auto&& self, int32_t depth, int32_t from) -> void {
        if (depth == size) {
            TGroupStat stat { g };
            for (int32_t j = DrawCount - lastDraws + 1; j <= DrawCount; ++j)
                if (std::all_of(g.begin(), g.begin() + size, [&](int32_t n) { return holds(j, n); })) {
                    ++stat.Hits;
                    stat.LastDraw = Draws[j].DrawNo;
                }
            stat.Gap = Draws[DrawCount].DrawNo - stat.LastDraw;
            groups.push_back(stat);
            return;
        }
        for (int32_t n = from; n <= MaxNumber; ++n) {
            g[static_cast<std::size_t>(depth)] = n;
            self(self, depth + 1, n + 1);
            g[static_cast<std::size_t>(depth)] = 0;
        }
    };
    visit(visit, 0, 1);
    return groups;
}

TEST(Groups, EverySizeAndWindowMatchesAPlainCount)
{
    TestSupport::TempDir dir;
    auto draws = TestSupport::RandomDraws(5, 20, 60, 21);
    draws[7].numbers = { 3, 3, 9, 25, 0 }; // a repeat and numbers outside 1..M count as in the pairs
    LoadDrawFile(dir.write("d.txt", TestSupport::DrawFileText(5, 20, draws)));
    for (int32_t size : { 1, 2, 3 })
        for (int32_t last : { 1, 13, 60 }) {
            const TGroupTable table = CountGroups(size, last);
            EXPECT_EQ(table.Groups, PlainCount(size, last)) << size << " " << last;
            const double p = size == 1 ? 5.0 / 20 : size == 2 ? 20.0 / 380 : 60.0 / 6840;
            EXPECT_NEAR(table.Probability, p, 1e-12);
            EXPECT_NEAR(table.Expected, last * p, 1e-9);
            EXPECT_NEAR(table.Deviation, std::sqrt(last * p * (1 - p)), 1e-9);
        }
}

TEST(Groups, PairsOverAllDrawsAreTheStatistics)
{
    for (const char* name : { "/6-49.txt", "/20-99.txt" }) {
        LoadDrawFile(std::string(VELDORAN_EXAMPLES_DIR) + name);
        BuildPairs();
        ResetAndCount();
        GapsAndCopies();
        const TGroupTable table = CountGroups(2, DrawCount);
        ASSERT_EQ(static_cast<int32_t>(table.Groups.size()), PairCount);
        for (int32_t i = 1; i <= PairCount; ++i) {
            const TGroupStat& g = table.Groups[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ((TPairStat { i, g.Hits, g.LastDraw, g.Gap }), Stats[i]);
            EXPECT_EQ(g.Numbers[0], Pairs[i].First);
            EXPECT_EQ(g.Numbers[1], Pairs[i].Second);
        }
    }
}

TEST(Groups, RefusalsChangeNothing)
{
    TestSupport::TempDir dir;
    LoadDrawFile(dir.write("d.txt", "02/09\n0001  0102\n0002  0304\n"));
    const auto before = Draws;
    const std::pair<int32_t, int32_t> refused[] = { { 0, 1 }, { 4, 1 }, { 1, 0 }, { 1, 3 }, { 3, 2 } };
    for (const auto& [size, last] : refused) {
        EXPECT_THROW(CountGroups(size, last), EAnalysisError) << size << " " << last;
        EXPECT_EQ(Draws, before);
        EXPECT_EQ(DrawCount, 2);
    }
    DrawCount = 0;
    EXPECT_THROW(CountGroups(1, 1), EAnalysisError);
}

} // namespace
