#include "DrawFileInvariants.h"
#include "MemoryFile.h"

#include "analysis/Analysis.h"

#include <algorithm>
#include <cstdint>
#include <vector>

using namespace Main;

namespace {

bool IsLoaderMessage(const std::string& message)
{
    const std::string convert = "' is not a valid integer value";
    if (message.size() >= 1 + convert.size() && message.front() == '\''
        && message.compare(message.size() - convert.size(), convert.size(), convert) == 0)
        return true;
    if (message == "В файле больше 1000 тиражей")
        return true;
    return message.starts_with("Лотерея типа ") && message.ends_with(" не поддерживается: в тираже не больше 20 чисел");
}

// A permutation of Stats in ascending key order, ties in ascending pair
// order as a stable ranking of the pair-ordered table leaves them.
template <int32_t TPairStat::*Key> std::string CheckRanked(const TStatTable& table, const char* name)
{
    std::vector<char> seen(static_cast<std::size_t>(PairCount) + 1, 0);
    for (int32_t i = 1; i <= PairCount; ++i) {
        const TPairStat& entry = table[i];
        if (entry.PairNo < 1 || entry.PairNo > PairCount || seen[static_cast<std::size_t>(entry.PairNo)]
            || !(entry == Stats[entry.PairNo]))
            return std::string(name) + " is not a permutation of Stats";
        seen[static_cast<std::size_t>(entry.PairNo)] = 1;
        if (i > 1) {
            const TPairStat& previous = table[i - 1];
            if (previous.*Key > entry.*Key || (previous.*Key == entry.*Key && previous.PairNo > entry.PairNo))
                return std::string(name) + " is not ranked stably by its key";
        }
    }
    return {};
}

template <int32_t TPairStat::*Key> std::string CheckExtremes(TMeasure measure, const TStatTable& table)
{
    const TExtremes e = Extremes(measure);
    if (PairCount == 0)
        return e.MinList.empty() && e.MaxList.empty() && e.Min == 0 && e.Max == 0 ? "" : "extremes without pairs";
    std::vector<TPairRecord> minList, maxList;
    minList.reserve(static_cast<std::size_t>(PairCount));
    maxList.reserve(static_cast<std::size_t>(PairCount));
    int32_t low = table[1].*Key, high = table[1].*Key;
    for (int32_t i = 1; i <= PairCount; ++i) {
        low = std::min(low, table[i].*Key);
        high = std::max(high, table[i].*Key);
    }
    for (int32_t i = 1; i <= PairCount; ++i) {
        if (table[i].*Key == low)
            minList.push_back(Pairs[table[i].PairNo]);
        if (table[i].*Key == high)
            maxList.push_back(Pairs[table[i].PairNo]);
    }
    if (e.Min != low || e.Max != high || e.MinList != minList || e.MaxList != maxList)
        return "extremes differ from the ranked table";
    return {};
}

} // namespace

std::string CheckDrawFile(const std::string& bytes)
{
    NumbersPerDraw = 0;
    MaxNumber = 0;
    DrawCount = 0;

    const MemoryFile file(bytes);
    bool headerReported = false;
    try {
        LoadDrawFile(file.name(), [&headerReported] { headerReported = true; });
    } catch (const EAnalysisError& e) {
        if (!IsLoaderMessage(e.what()))
            return std::string("unexpected message: ") + e.what();
    }

    if (DrawCount < 0 || DrawCount > MaxDraws)
        return "DrawCount outside 0..1000";
    if (DrawCount > 0 && !headerReported)
        return "draws loaded without the header reported";
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n') + 1;
    if (DrawCount >= lines)
        return "more draws than lines after the header";
    // Four columns hold -999..9999 (or up to $FFF), two columns -9..99.
    for (int32_t j = 1; j <= DrawCount; ++j) {
        if (Draws[j].DrawNo < -999 || Draws[j].DrawNo > 9999)
            return "a draw number no four columns can hold";
        for (int32_t k = 1; k <= std::min(NumbersPerDraw, MaxNumbersPerDraw); ++k)
            if (Draws[j].Numbers[k] < -9 || Draws[j].Numbers[k] > 99)
                return "a drawn number no two columns can hold";
    }
    if (NumbersPerDraw < -9 || NumbersPerDraw > 99 || MaxNumber < -9 || MaxNumber > 99)
        return "a header value no two columns can hold";

    BuildPairs();
    const int32_t expectedPairs = MaxNumber >= 2 ? MaxNumber * (MaxNumber - 1) / 2 : 0;
    if (PairCount != expectedPairs)
        return "PairCount is not M(M-1)/2";

    ResetAndCount();
    GapsAndCopies();
    for (int32_t i = 1; i <= PairCount; ++i) {
        const TPairStat& s = Stats[i];
        if (s.PairNo != i || s.Hits < 0 || s.Hits > DrawCount || (s.Hits == 0 && s.LastDraw != 0))
            return "statistics out of range";
        if (s.Gap != (DrawCount > 0 ? Draws[DrawCount].DrawNo - s.LastDraw : 0))
            return "gap is not the most recent draw minus the last draw";
    }
    RankByHits();
    RankByLastDraw();
    RankByGap();
    for (const std::string& broken :
        { CheckRanked<&TPairStat::Hits>(ByHits, "ByHits"), CheckRanked<&TPairStat::LastDraw>(ByLastDraw, "ByLastDraw"),
            CheckRanked<&TPairStat::Gap>(ByGap, "ByGap"), CheckExtremes<&TPairStat::Hits>(TMeasure::Hits, ByHits),
            CheckExtremes<&TPairStat::LastDraw>(TMeasure::LastDraw, ByLastDraw),
            CheckExtremes<&TPairStat::Gap>(TMeasure::Gap, ByGap) })
        if (!broken.empty())
            return broken;
    return {};
}
