// The strategy check: a rule's picked pairs walked forward draw by draw
// against what a fair lottery hands the same picks.
#include "analysis/chance/StrategyCheck.h"

#include "analysis/pairs/DrawSets.h"
#include "analysis/pairs/PairOrder.h"
#include "analysis/tables/Errors.h"
#include "analysis/tables/Tables.h"
#include "analysis/text/MessageCatalogue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace Main {

namespace {

void CheckSettings(int32_t k, int32_t m, int32_t lines, TPairRule rule, int32_t picks, int32_t warmup, int32_t recent)
{
    if (k < 2)
        throw EAnalysisError(Text(Messages::NoPairsInDraw));
    const int32_t pairs = m >= 2 ? m * (m - 1) / 2 : 0;
    if (picks < 1 || picks > pairs)
        throw EAnalysisError(Text(Messages::PicksLimits, pairs, picks));
    if (warmup < 1 || warmup > lines - 1)
        throw EAnalysisError(Text(Messages::WarmupLimits, std::max(lines - 1, 0), warmup));
    if (rule == TPairRule::HotRecent && recent < 1)
        throw EAnalysisError(Text(Messages::RecentLimits, recent));
}

// The chance that a fair K-of-M draw holds n given numbers:
// K(K-1)...(K-n+1) / (M(M-1)...(M-n+1)), as written even for a header with K
// above M; 0 when M < n.
double Chance(int32_t n, int32_t k, int32_t m)
{
    if (m < n)
        return 0;
    double p = 1;
    for (int32_t i = 0; i < n; ++i)
        p *= static_cast<double>(k - i) / static_cast<double>(m - i);
    return p;
}

} // namespace

TStrategyInput CollectStrategyInput()
{
    TStrategyInput input;
    input.K = NumbersPerDraw;
    input.M = std::clamp(MaxNumber, 0, 99);
    for (int32_t j = 1; j <= DrawCount; ++j) {
        const TDrawSet set = DrawSet(Draws[j], NumbersPerDraw, input.M);
        input.Lines.emplace_back(set.numbers.begin(), set.numbers.begin() + static_cast<std::ptrdiff_t>(set.count));
    }
    return input;
}

// Hits, last positions and recent hits are kept up to date as each line is
// passed; the picks for a line come from one counting pass over the pairs'
// ranks (smaller rank first, ties in pair order), O(pairs + lines) a line.
// The variance of a picked set follows from the indicators' covariances
// (W. Feller, "An Introduction to Probability Theory and Its Applications",
// vol. 1, 3rd ed., 1968, ch. IX.5, the variance of a sum): two distinct pairs
// share at most one number, so the ordered pairs of picked pairs that share
// one number n number d_n(d_n - 1), d_n the picked pairs holding n, and all
// other ordered pairs share none.
std::optional<TStrategyWalk> WalkPairRule(const TStrategyInput& input, TPairRule rule, int32_t picks, int32_t warmup,
    int32_t recent, const std::atomic<bool>* cancel, std::atomic<int32_t>* done)
{
    const auto lines = static_cast<int32_t>(input.Lines.size());
    CheckSettings(input.K, input.M, lines, rule, picks, warmup, recent);
    const int32_t k = input.K;
    const int32_t m = input.M;
    const TPairOrder order(m);
    const int32_t pairs = order.count();

    const double p2 = Chance(2, k, m);
    const double p3 = Chance(3, k, m);
    const double p4 = Chance(4, k, m);

    std::vector<int32_t> hits(static_cast<std::size_t>(pairs));
    std::vector<int32_t> last(static_cast<std::size_t>(pairs));
    std::vector<int32_t> recentHits(static_cast<std::size_t>(pairs));
    std::vector<int32_t> rank(static_cast<std::size_t>(pairs));
    std::vector<int32_t> perRank;
    std::vector<char> picked(static_cast<std::size_t>(pairs));
    std::array<int64_t, 100> holding {};

    const auto forEachPair = [&order](const std::vector<int32_t>& line, auto&& visit) {
        for (std::size_t x = 0; x < line.size(); ++x)
            for (std::size_t y = x + 1; y < line.size(); ++y)
                visit(static_cast<std::size_t>(order.index(line[x], line[y])));
    };
    // Line `t` (1-based) passed: it is now history for the lines after it.
    const auto pass = [&](int32_t t) {
        forEachPair(input.Lines[static_cast<std::size_t>(t - 1)], [&](std::size_t p) {
            ++hits[p];
            last[p] = t;
            ++recentHits[p];
        });
        if (rule == TPairRule::HotRecent && t - recent >= 1)
            forEachPair(input.Lines[static_cast<std::size_t>(t - recent - 1)], [&](std::size_t p) { --recentHits[p]; });
    };

    TStrategyWalk walk;
    TStrategyCheck& check = walk.Check;
    check.Predicted = lines - warmup;
    check.Picks = picks;
    check.Expected = static_cast<double>(check.Predicted) * picks * p2;
    check.Cumulative.reserve(static_cast<std::size_t>(check.Predicted));
    walk.CumulativeVariance.reserve(static_cast<std::size_t>(check.Predicted));
    double variance = 0;
    for (int32_t t = 1; t <= warmup; ++t)
        pass(t);

    for (int32_t t = warmup + 1; t <= lines; ++t) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return std::nullopt;
        // Every rank lies in 0..ranks-1: hits, last positions and recent hits
        // are at most t-1, and recent hits at most the window's length.
        const int32_t window = std::min(recent, t - 1);
        const int32_t ranks = rule == TPairRule::HotRecent ? window + 1 : t;
        for (int32_t p = 0; p < pairs; ++p) {
            const auto i = static_cast<std::size_t>(p);
            switch (rule) {
            case TPairRule::MostHits:
                rank[i] = (t - 1) - hits[i];
                break;
            case TPairRule::FewestHits:
                rank[i] = hits[i];
                break;
            case TPairRule::LongestGap:
                rank[i] = last[i];
                break;
            case TPairRule::HotRecent:
                rank[i] = window - recentHits[i];
                break;
            }
        }
        perRank.assign(static_cast<std::size_t>(ranks), 0);
        for (int32_t r : rank)
            ++perRank[static_cast<std::size_t>(r)];
        int32_t cutoff = 0;
        int32_t before = 0; // pairs ranked below the cutoff
        while (before + perRank[static_cast<std::size_t>(cutoff)] < picks)
            before += perRank[static_cast<std::size_t>(cutoff++)];
        int32_t atCutoff = picks - before;

        holding.fill(0);
        for (int32_t p = 0; p < pairs; ++p) {
            const auto i = static_cast<std::size_t>(p);
            picked[i] = rank[i] < cutoff || (rank[i] == cutoff && atCutoff-- > 0);
            if (picked[i]) {
                ++holding[static_cast<std::size_t>(order.first(p))];
                ++holding[static_cast<std::size_t>(order.second(p))];
            }
        }
        int64_t caught = 0;
        forEachPair(input.Lines[static_cast<std::size_t>(t - 1)], [&](std::size_t p) { caught += picked[p]; });
        check.Hits += caught;
        check.Cumulative.push_back(check.Hits);

        int64_t sharing = 0;
        for (int64_t d : holding)
            sharing += d * (d - 1);
        const auto n = static_cast<int64_t>(picks);
        const int64_t disjoint = n * (n - 1) - sharing;
        variance += n * p2 * (1 - p2) + static_cast<double>(sharing) * (p3 - p2 * p2)
            + static_cast<double>(disjoint) * (p4 - p2 * p2);
        walk.CumulativeVariance.push_back(variance);
        pass(t);
        if (done)
            done->fetch_add(1, std::memory_order_relaxed);
    }
    check.Deviation = std::sqrt(std::max(variance, 0.0));
    check.Chance = check.Deviation > 0 ? 0.5
            * std::erfc(((static_cast<double>(check.Hits) - 0.5) - check.Expected) / (check.Deviation * std::sqrt(2.0)))
                                       : 1.0;
    return walk;
}

TStrategyCheck CheckPairRule(TPairRule rule, int32_t picks, int32_t warmup, int32_t recent)
{
    CheckSettings(NumbersPerDraw, std::clamp(MaxNumber, 0, 99), DrawCount, rule, picks, warmup, recent);
    return WalkPairRule(CollectStrategyInput(), rule, picks, warmup, recent)->Check;
}

} // namespace Main
