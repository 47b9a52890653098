// The analysis on every benchmarked lottery, against the straightforward way:
// every pair tested against every draw, and insertion sort for the rankings.
#include "Lotteries.h"
#include "support/Reference.h"

#include "analysis/Analysis.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

using namespace Main;

namespace {

void LoadAndCount(const std::string& file)
{
    LoadDrawFile(file);
    BuildPairs();
    ResetAndCount();
    GapsAndCopies();
}

// Stops the benchmark when the library and the reference disagree.
void CheckAgainstReference(const std::string& file)
{
    LoadAndCount(file);
    const auto expected = TestSupport::ReferenceStatistics();
    RankByHits();
    RankByLastDraw();
    RankByGap();
    bool same = expected.size() == static_cast<std::size_t>(PairCount);
    for (int32_t i = 1; same && i <= PairCount; ++i)
        same = Stats[i] == expected[static_cast<std::size_t>(i - 1)];
    for (const auto& [table, key] : { std::pair { &ByHits, &TPairStat::Hits }, { &ByLastDraw, &TPairStat::LastDraw },
             { &ByGap, &TPairStat::Gap } }) {
        auto sorted = expected;
        TestSupport::InsertionSort(sorted, key);
        for (int32_t i = 1; same && i <= PairCount; ++i)
            same = (*table)[i] == sorted[static_cast<std::size_t>(i - 1)];
    }
    if (!same) {
        std::fprintf(stderr, "library and reference differ on %s\n", file.c_str());
        std::exit(1);
    }
}

void Load(benchmark::State& state, const std::string& file)
{
    for (auto _ : state)
        LoadDrawFile(file);
}

void BuildPairTable(benchmark::State& state, const std::string& file)
{
    LoadDrawFile(file);
    for (auto _ : state)
        BuildPairs();
}

void Statistics(benchmark::State& state, const std::string& file)
{
    LoadAndCount(file);
    for (auto _ : state) {
        ResetAndCount();
        GapsAndCopies();
        benchmark::DoNotOptimize(Stats[1]);
    }
}

void ReferenceStatistics(benchmark::State& state, const std::string& file)
{
    LoadAndCount(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(TestSupport::ReferenceStatistics());
}

void Rankings(benchmark::State& state, const std::string& file)
{
    LoadAndCount(file);
    for (auto _ : state) {
        state.PauseTiming();
        GapsAndCopies();
        state.ResumeTiming();
        RankByHits();
        RankByLastDraw();
        RankByGap();
        benchmark::DoNotOptimize(ByGap[1]);
    }
}

void ReferenceRankings(benchmark::State& state, const std::string& file)
{
    LoadAndCount(file);
    const auto stats = TestSupport::ReferenceStatistics();
    for (auto _ : state) {
        state.PauseTiming();
        auto byHits = stats, byLastDraw = stats, byGap = stats;
        state.ResumeTiming();
        TestSupport::InsertionSort(byHits, &TPairStat::Hits);
        TestSupport::InsertionSort(byLastDraw, &TPairStat::LastDraw);
        TestSupport::InsertionSort(byGap, &TPairStat::Gap);
        benchmark::DoNotOptimize(byGap.data());
    }
}

void ExtremesOfAll(benchmark::State& state, const std::string& file)
{
    LoadAndCount(file);
    RankByHits();
    RankByLastDraw();
    RankByGap();
    for (auto _ : state)
        for (const TMeasure measure : { TMeasure::Hits, TMeasure::LastDraw, TMeasure::Gap })
            benchmark::DoNotOptimize(Extremes(measure));
}

// Keeps the median of every benchmark for the ratio table.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians; // microseconds

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv)
{
    TestSupport::TempDir dir;
    const std::pair<const char*, void (*)(benchmark::State&, const std::string&)> benchmarks[] = {
        { "Load", Load },
        { "Pairs", BuildPairTable },
        { "Statistics", Statistics },
        { "Reference/Statistics", ReferenceStatistics },
        { "Rankings", Rankings },
        { "Reference/Rankings", ReferenceRankings },
        { "Extremes", ExtremesOfAll },
    };
    for (const BenchLottery& lottery : BenchLotteries()) {
        const std::string file = WriteBenchFile(dir, lottery);
        CheckAgainstReference(file);
        for (const auto& [name, function] : benchmarks)
            benchmark::RegisterBenchmark((std::string(name) + "/" + lottery.name()).c_str(), function, file)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(7)
                ->ReportAggregatesOnly(true);
    }

    benchmark::Initialize(&argc, argv);
    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nMedians in microseconds; ratio = reference time / library time, same run\n");
    std::printf("%-12s %12s %12s %9s %12s %12s %9s\n", "lottery", "statistics", "reference", "ratio", "rankings",
        "insertion", "ratio");
    for (const BenchLottery& lottery : BenchLotteries()) {
        const auto median = [&](const std::string& name) { return reporter.medians[name + "/" + lottery.name()]; };
        const double stats = median("Statistics"), refStats = median("Reference/Statistics");
        const double ranks = median("Rankings"), refRanks = median("Reference/Rankings");
        if (stats <= 0 || ranks <= 0)
            continue; // filtered out
        std::printf("%-12s %12.1f %12.1f %8.0fx %12.1f %12.1f %8.0fx\n", lottery.name().c_str(), stats, refStats,
            refStats / stats, ranks, refRanks, refRanks / ranks);
    }
    return 0;
}
