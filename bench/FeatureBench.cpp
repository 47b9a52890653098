// The import of delimited histories, the pair map's recount and the fairness
// check, timed with Google Benchmark (medians of the repetitions).
#include "Lotteries.h"

#include "analysis/Analysis.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

using namespace Main;

namespace {

// A newest-first history as lotteries publish them: header, date, numbers,
// bonus, jackpot.
std::string HistoryText(int32_t rows)
{
    const auto draws = TestSupport::RandomDraws(6, 49, rows, 17);
    std::string text = "Draw;Date;N1;N2;N3;N4;N5;N6;Bonus;Jackpot\r\n";
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        text += std::to_string(it->drawNo) + ";" + std::to_string(1 + it->drawNo % 28) + ".05."
            + std::to_string(1900 + it->drawNo / 100);
        for (int32_t n : it->numbers)
            text.append(";").append(std::to_string(n));
        text.append(";").append(std::to_string(1 + it->drawNo % 49)).append(";1 000 000 руб.\r\n");
    }
    return text;
}

void ProposeAndImport(benchmark::State& state, const std::string& file)
{
    for (auto _ : state) {
        const TImportLayout layout = ProposeImportLayout(file);
        benchmark::DoNotOptimize(ImportDrawHistory(file, layout));
    }
    if (NumbersPerDraw != 6 || MaxNumber != 49 || DrawCount != 1000)
        state.SkipWithError("the history was not read as 6 of 49");
}

void Load(const std::string& file)
{
    LoadDrawFile(file);
    BuildPairs();
    ResetAndCount();
    GapsAndCopies();
}

void RecountRecent(benchmark::State& state, const std::string& file)
{
    Load(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(CountRecentPairs(DrawCount / 2));
}

void Fairness(benchmark::State& state, const std::string& file)
{
    Load(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(AssessFairness(2000, 20031));
}

void Groups(benchmark::State& state, const std::string& file, int32_t size)
{
    Load(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(CountGroups(size, DrawCount));
}

void Strategy(benchmark::State& state, const std::string& file, TPairRule rule, int32_t picks)
{
    Load(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckPairRule(rule, picks, 100));
}

// The window's table: the four rules on the same settings.
void FourRules(benchmark::State& state, const std::string& file)
{
    Load(file);
    for (auto _ : state)
        for (TPairRule rule :
            { TPairRule::MostHits, TPairRule::FewestHits, TPairRule::LongestGap, TPairRule::HotRecent })
            benchmark::DoNotOptimize(CheckPairRule(rule, 10, 100));
}

} // namespace

int main(int argc, char** argv)
{
    TestSupport::TempDir dir;
    for (int32_t rows : { 10000, 100000 }) {
        const std::string file = dir.write("history-" + std::to_string(rows) + ".csv", HistoryText(rows));
        benchmark::RegisterBenchmark(
            ("Import/propose+import/" + std::to_string(rows) + " rows").c_str(), ProposeAndImport, file)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(7)
            ->ReportAggregatesOnly(true);
    }
    for (const BenchLottery& lottery : BenchLotteries()) {
        if (lottery.draws != 1000)
            continue;
        const std::string file = WriteBenchFile(dir, lottery);
        benchmark::RegisterBenchmark(("PairMap/recount last 500/" + lottery.name()).c_str(), RecountRecent, file)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(7)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark(("Fairness/2000 simulations/" + lottery.name()).c_str(), Fairness, file)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(1)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
        for (int32_t size : { 2, 3 })
            benchmark::RegisterBenchmark(
                ("Groups/size " + std::to_string(size) + ", all draws/" + lottery.name()).c_str(), Groups, file, size)
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(7)
                ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark(("Strategy/four rules, 10 picks/" + lottery.name()).c_str(), FourRules, file)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(7)
            ->ReportAggregatesOnly(true);
        if (lottery.m != 99)
            continue;
        const std::pair<const char*, TPairRule> rules[]
            = { { "most hits", TPairRule::MostHits }, { "fewest hits", TPairRule::FewestHits },
                  { "longest gap", TPairRule::LongestGap }, { "hot recent", TPairRule::HotRecent } };
        benchmark::RegisterBenchmark(
            ("Strategy/most hits, 100 picks/" + lottery.name()).c_str(), Strategy, file, TPairRule::MostHits, 100)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(7)
            ->ReportAggregatesOnly(true);
        for (const auto& [name, rule] : rules) {
            std::string label = "Strategy/";
            label.append(name).append(", all 4851 picks/").append(lottery.name());
            benchmark::RegisterBenchmark(label.c_str(), Strategy, file, rule, 4851)
                ->Unit(benchmark::kMillisecond)
                ->Repetitions(7)
                ->ReportAggregatesOnly(true);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
