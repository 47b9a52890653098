// A history downloaded from a loopback server and read as the import reads
// it: a 5 MB body of 100,000 rows fetched with FetchHistory, the download
// parsed by the proposal and the import, and both together, timed with
// Google Benchmark (medians of the repetitions).
#include "BenchSupport.h"
#include "LoopbackServer.h"

#include "analysis/Analysis.h"
#include "support/DrawFiles.h"
#include "ui/history/HistoryFetch.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

using namespace Main;

namespace {

// A newest-first history as lotteries publish them, about 55 bytes a row: 5.5 MB for 100,000.
QByteArray HistoryBody(int32_t rows)
{
    const auto draws = TestSupport::RandomDraws(6, 49, rows, 23);
    std::string text = "Draw;Date;N1;N2;N3;N4;N5;N6;Bonus;Jackpot\r\n";
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        text += std::to_string(it->drawNo) + ";" + std::to_string(10 + it->drawNo % 18) + ".05."
            + std::to_string(1900 + it->drawNo / 1000);
        for (int32_t n : it->numbers)
            text.append(";").append(std::to_string(n));
        text.append(";").append(std::to_string(1 + it->drawNo % 49)).append(";1 000 000 руб.\r\n");
    }
    return QByteArray::fromStdString(text);
}

THistoryFetchResult Download(benchmark::State& state, const QString& url)
{
    THistoryFetchResult result = FetchHistory(nullptr, { QUrl(url), {}, {} });
    if (result.status != THistoryFetchResult::TStatus::Downloaded)
        state.SkipWithError(qPrintable(result.error));
    return result;
}

void Parse(benchmark::State& state, const QString& fileName)
{
    const std::string name = fileName.toStdString();
    const TImportProposal proposal = ProposeImport(name);
    benchmark::DoNotOptimize(ImportDrawHistory(name, proposal.Layout));
    if (NumbersPerDraw != 6 || MaxNumber != 49 || DrawCount != 1000)
        state.SkipWithError("the download was not read as 6 of 49");
}

void Fetch(benchmark::State& state, const QString& url)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Download(state, url));
}

void ParseDownloaded(benchmark::State& state, const QString& url)
{
    const THistoryFetchResult fetched = Download(state, url);
    for (auto _ : state)
        Parse(state, fetched.fileName);
}

void FetchAndParse(benchmark::State& state, const QString& url)
{
    for (auto _ : state)
        Parse(state, Download(state, url).fileName);
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatform();
    QApplication app(argc, argv);
    QTemporaryDir settings; // never the user's own settings
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    qputenv("no_proxy", "127.0.0.1");

    const int32_t rows = 100000;
    const QByteArray body = HistoryBody(rows);
    LoopbackServer server;
    server.on("/draws.csv", LoopbackServer::Ok(body));
    const QString url = server.url("/draws.csv");
    const std::string suffix = "/" + std::to_string(rows) + " rows, " + std::to_string(body.size() / 1000) + " kB";

    using TRun = void (*)(benchmark::State&, const QString&);
    const std::pair<std::string, TRun> runs[] = { { "Download/fetch", Fetch },
        { "Download/parse the download", ParseDownloaded }, { "Download/fetch and parse", FetchAndParse } };
    for (const auto& [name, run] : runs)
        benchmark::RegisterBenchmark((name + suffix).c_str(), run, url)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(7)
            ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
