// The store of histories the user's way, timed with Google Benchmark (medians
// of the repetitions): a new 10,000-row copy of a source read and merged into
// a stored 10,000-draw history, and the most recent 1000 draws of it loaded
// into the tables, each from a store on disk in a scratch data folder.
#include "analysis/Analysis.h"
#include "analysis/history/HistoryMerge.h"
#include "analysis/history/HistoryRows.h"
#include "analysis/history/RecentDraws.h"
#include "support/DrawFiles.h"
#include "ui/history/HistoryStore.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace Main;

namespace {

constexpr int32_t Stored = 10000;
constexpr int32_t Downloaded = 10000;
constexpr int32_t NewDraws = 100;

// What each way of keying draws reads: draw number, date, or neither.
enum TKeys { DrawNumbers, Dates, Neither };

// A newest-first CSV of draws [first, first + count) of one long 6 of 49
// history: a draw number, a date (one draw a day), the numbers in one field.
std::string HistoryText(const std::vector<TestSupport::Draw>& all, int32_t first, int32_t count)
{
    std::string text = "Draw;Date;Numbers\r\n";
    for (int32_t i = first + count - 1; i >= first; --i) {
        const auto& d = all[static_cast<std::size_t>(i)];
        const int32_t day = i % 28 + 1, month = i / 28 % 12 + 1, year = 1990 + i / 336;
        text += std::to_string(d.drawNo) + ";" + std::to_string(year) + "-" + (month < 10 ? "0" : "")
            + std::to_string(month) + "-" + (day < 10 ? "0" : "") + std::to_string(day) + ";";
        for (int32_t n : d.numbers)
            text += std::to_string(n) + " ";
        text += "\r\n";
    }
    return text;
}

struct TFixture {
    TestSupport::TempDir dir;
    std::unique_ptr<THistoryStore> store;
    std::string copy;
    qint64 id[3] {};
    TImportLayout layout[3];

    TFixture()
    {
        const auto all = TestSupport::RandomDraws(6, 49, Stored + NewDraws, 5);
        const std::string original = dir.write("stored.csv", HistoryText(all, 0, Stored));
        copy = dir.write("copy.csv", HistoryText(all, Stored + NewDraws - Downloaded, Downloaded));
        store = std::make_unique<THistoryStore>(QString::fromStdString(dir.path().string() + "/histories.sqlite"));
        for (int keys : { DrawNumbers, Dates, Neither }) {
            // Without a date the numbers are read from a layout that skips it;
            // the date is still found in the row, so it is cleared here.
            layout[keys] = { ';', 1, keys == DrawNumbers ? 1 : 0, { 3, 4, 5, 6, 7, 8 }, 49, true };
            THistoryRows rows = ReadHistoryRows(original, layout[keys]);
            if (keys == Neither)
                for (auto& d : rows.Draws)
                    d.Date = 0;
            TStoredHistory h;
            h.Name = QString::number(keys);
            h.Source = QString::fromStdString(original);
            h.Layout = layout[keys];
            h.LastDraws = 1000;
            id[keys] = store->add(h, rows.Draws);
        }
    }
};

TFixture& Fixture()
{
    static TFixture fixture;
    return fixture;
}

// Reading the stored draws and the new copy, and matching them: what
// "Обновить историю" does before it writes the new draws.
void Merge(benchmark::State& state)
{
    TFixture& f = Fixture();
    const int keys = static_cast<int>(state.range(0));
    std::size_t added = 0;
    for (auto _ : state) {
        const auto stored = f.store->draws(f.id[keys]);
        THistoryRows rows = ReadHistoryRows(f.copy, f.layout[keys]);
        if (keys == Neither)
            for (auto& d : rows.Draws)
                d.Date = 0;
        const THistoryMerge merge = MergeHistory(stored, rows.Draws, keys == DrawNumbers, 49);
        added = merge.Added.size();
    }
    if (added != static_cast<std::size_t>(NewDraws))
        state.SkipWithError("the merge did not find the new draws");
}

// The most recent 1000 draws of the stored history into the tables.
void LoadRecent(benchmark::State& state)
{
    TFixture& f = Fixture();
    const THistoryGame game { 6, 49, true };
    for (auto _ : state)
        LoadRecentDraws(f.store->recentDraws(f.id[DrawNumbers], game, 1000), game, 1000);
    if (DrawCount != 1000 || Draws[1000].DrawNo != Stored)
        state.SkipWithError("the most recent draws were not loaded");
}

// The new draws written in one transaction, each time into a history of its own.
void WriteNewDraws(benchmark::State& state)
{
    TFixture& f = Fixture();
    std::vector<THistoryDraw> draws;
    for (int32_t i = 0; i < NewDraws; ++i)
        draws.push_back({ Stored + i + 1, Stored + i + 1, 20260101, { 1, 2, 3, 4, 5, 6 } });
    TStoredHistory h;
    h.Name = "write";
    h.Source = "/nowhere.csv";
    h.Layout = f.layout[DrawNumbers];
    const qint64 id = f.store->add(h, {});
    h.Id = id;
    for (auto _ : state) {
        state.PauseTiming();
        f.store->remove(id);
        h.Id = f.store->add(h, {});
        state.ResumeTiming();
        f.store->update(h, draws);
    }
}

} // namespace

BENCHMARK(Merge)
    ->Arg(DrawNumbers)
    ->Arg(Dates)
    ->Arg(Neither)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(LoadRecent)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(WriteNewDraws)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
