#include "analysis/Analysis.h"
#include "support/DrawFiles.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace Main;

namespace {

// Over all draws the recent counts are the statistics themselves; over fewer,
// they match a count of each pair in the last n draws by hand.
TEST(RecentPairs, MatchTheStatisticsAndAStraightCount)
{
    TestSupport::TempDir dir;
    LoadDrawFile(dir.write("d.txt", TestSupport::DrawFileText(6, 20, TestSupport::RandomDraws(6, 20, 300, 3, 11))));
    BuildPairs();
    ResetAndCount();
    GapsAndCopies();
    const TRecentPairs all = CountRecentPairs(DrawCount);
    ASSERT_EQ(all.Stats.size(), static_cast<std::size_t>(PairCount));
    for (int32_t i = 1; i <= PairCount; ++i)
        EXPECT_EQ(all.Stats[static_cast<std::size_t>(i - 1)], Stats[i]);

    for (int32_t n : { 1, 37, 299 }) {
        const TRecentPairs recent = CountRecentPairs(n);
        EXPECT_EQ(recent.Draws, n);
        for (int32_t i = 1; i <= PairCount; ++i) {
            TPairStat expected { i, 0, 0, 0 };
            for (int32_t j = DrawCount - n + 1; j <= DrawCount; ++j) {
                int32_t both = 0;
                for (int32_t k = 1; k <= NumbersPerDraw; ++k)
                    both += Draws[j].Numbers[k] == Pairs[i].First || Draws[j].Numbers[k] == Pairs[i].Second;
                if (both == 2) {
                    ++expected.Hits;
                    expected.LastDraw = Draws[j].DrawNo;
                }
            }
            expected.Gap = Draws[DrawCount].DrawNo - expected.LastDraw;
            EXPECT_EQ(recent.Stats[static_cast<std::size_t>(i - 1)], expected) << "n " << n;
        }
    }
}

} // namespace
