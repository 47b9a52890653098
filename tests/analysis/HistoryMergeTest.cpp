#include "analysis/history/HistoryMerge.h"
#include "analysis/Analysis.h"
#include "analysis/history/HistoryRows.h"
#include "analysis/history/RecentDraws.h"
#include "support/DrawFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace Main;
using TestSupport::TempDir;

namespace {

enum class Keys { DrawNumbers, Dates, None };

// A whole history as the publisher keeps it: draws numbered from 501, two a
// day on every third day, dated from 2024-01-01.
std::vector<THistoryDraw> TrueHistory(int32_t count, uint32_t seed)
{
    std::vector<THistoryDraw> history;
    for (const TestSupport::Draw& d : TestSupport::RandomDraws(6, 49, count, seed, 501)) {
        THistoryDraw draw;
        const int32_t index = d.drawNo - 501;
        draw.Position = index + 1;
        draw.DrawNo = d.drawNo;
        const int32_t day = index / 2 * 3; // days since 2024-01-01, within 2024 and 2025
        draw.Date = 20240000 + (1 + day / 28 % 12) * 100 + 1 + day % 28 + day / 336 * 10000;
        draw.Numbers = d.numbers;
        history.push_back(draw);
    }
    return history;
}

// What a source without draw numbers or dates gives for the same draws.
std::vector<THistoryDraw> Keyed(std::vector<THistoryDraw> draws, Keys keys)
{
    for (THistoryDraw& d : draws) {
        if (keys != Keys::DrawNumbers)
            d.DrawNo = 0;
        if (keys == Keys::None)
            d.Date = 0;
    }
    return draws;
}

std::vector<THistoryDraw> Slice(const std::vector<THistoryDraw>& all, int32_t from, int32_t to)
{
    return { all.begin() + std::min(from, to), all.begin() + to };
}

// The numbers of draws, in order: what a merge must reproduce whatever the keys.
std::vector<std::vector<int32_t>> NumbersOf(const std::vector<THistoryDraw>& draws)
{
    std::vector<std::vector<int32_t>> numbers;
    for (const THistoryDraw& d : draws)
        numbers.push_back(d.Numbers);
    return numbers;
}

struct MergeCase {
    std::string name;
    int32_t storedFrom, storedTo; // the stored draws: true history [from, to)
    int32_t copyFrom, copyTo; // the new copy: true history [from, to)
    std::vector<int32_t> changed; // indices of the true history whose numbers the copy gives differently
};

// The plain reference: the copy adds the draws after the stored ones; each
// changed draw inside the stored range is a conflict.
TEST(HistoryMerge, AddsExactlyTheDrawsAfterTheStoredOnesAndReportsEveryChangedOne)
{
    const std::vector<THistoryDraw> truth = TrueHistory(400, 7);
    const MergeCase cases[] = {
        { "window moved on", 0, 300, 220, 400, {} },
        { "whole history again", 0, 300, 0, 400, {} },
        { "nothing new", 0, 300, 180, 300, {} },
        { "an older window inside the stored", 0, 300, 100, 200, {} },
        { "stored from a window, copy from the start", 150, 300, 0, 350, {} },
        { "one new draw", 0, 399, 300, 400, {} },
        { "conflicts in the overlap", 0, 300, 200, 400, { 250, 260, 299 } },
        { "a conflict on the newest stored draw", 0, 300, 250, 320, { 299 } },
    };
    for (const Keys keys : { Keys::DrawNumbers, Keys::Dates, Keys::None }) {
        for (const MergeCase& c : cases) {
            const std::string label = c.name + " / keys " + std::to_string(static_cast<int>(keys));
            std::vector<THistoryDraw> stored = Keyed(Slice(truth, c.storedFrom, c.storedTo), keys);
            std::vector<THistoryDraw> copy = Keyed(Slice(truth, c.copyFrom, c.copyTo), keys);
            for (int32_t i : c.changed) {
                std::vector<int32_t>& numbers = copy[static_cast<std::size_t>(i - c.copyFrom)].Numbers;
                numbers[0] = numbers[0] == 49 ? 48 : 49;
                if (std::count(numbers.begin(), numbers.end(), numbers[0]) > 1)
                    numbers[0] = 1 + (numbers[0] + 7) % 40;
            }
            const THistoryMerge merge = MergeHistory(stored, copy, keys == Keys::DrawNumbers, 49);

            // Before the stored draws only draw numbers can place a draw.
            std::vector<THistoryDraw> expected = Slice(truth, std::max(c.storedTo, c.copyFrom), c.copyTo);
            if (keys == Keys::DrawNumbers && c.copyFrom < c.storedFrom) {
                const auto older = Slice(truth, c.copyFrom, c.storedFrom);
                expected.insert(expected.begin(), older.begin(), older.end());
            }
            EXPECT_EQ(NumbersOf(merge.Added), NumbersOf(expected)) << label;
            ASSERT_EQ(merge.Conflicts.size(), c.changed.size()) << label;
            for (std::size_t i = 0; i < c.changed.size(); ++i) {
                EXPECT_EQ(merge.Conflicts[i].Stored, stored[static_cast<std::size_t>(c.changed[i] - c.storedFrom)])
                    << label;
                EXPECT_NE(merge.Conflicts[i].Downloaded.Numbers, merge.Conflicts[i].Stored.Numbers) << label;
            }
            const int32_t overlap = std::max(0, std::min(c.storedTo, c.copyTo) - std::max(c.storedFrom, c.copyFrom));
            EXPECT_EQ(merge.Matched, overlap - static_cast<int32_t>(c.changed.size())) << label;
            EXPECT_EQ(merge.Unplaced,
                keys == Keys::DrawNumbers ? 0 : std::max(0, std::min(c.storedFrom, c.copyTo) - c.copyFrom))
                << label;
            EXPECT_TRUE(merge.Aligned) << label;
            EXPECT_EQ(merge.LargerPool, 0) << label;
            // New draws come after every stored one, in order.
            for (std::size_t i = 0; i < merge.Added.size(); ++i)
                EXPECT_EQ(merge.Added[i].Position, stored.back().Position + 1 + static_cast<int32_t>(i)) << label;
        }
    }
}

TEST(HistoryMerge, TwoDrawsOnADateAreMatchedByNumbersThenByOrder)
{
    const auto draw = [](int32_t date, std::vector<int32_t> numbers) {
        THistoryDraw d;
        d.Date = date;
        d.Numbers = std::move(numbers);
        return d;
    };
    std::vector<THistoryDraw> stored { draw(20260601, { 1, 2, 3, 4, 5, 6 }), draw(20260602, { 7, 8, 9, 10, 11, 12 }) };
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i].Position = static_cast<int32_t>(i) + 1;
    // The copy lists the evening draw of 2 June first, then the stored midday
    // one in another order, and a second evening draw of the last day.
    const std::vector<THistoryDraw> copy { draw(20260602, { 13, 14, 15, 16, 17, 18 }),
        draw(20260602, { 12, 11, 10, 9, 8, 7 }), draw(20260603, { 19, 20, 21, 22, 23, 24 }),
        draw(20260603, { 25, 26, 27, 28, 29, 30 }) };
    const THistoryMerge merge = MergeHistory(stored, copy, false, 49);
    EXPECT_EQ(merge.Matched, 1);
    EXPECT_TRUE(merge.Conflicts.empty());
    ASSERT_EQ(merge.Added.size(), 3u);
    EXPECT_EQ(merge.Added[0].Numbers, (std::vector<int32_t> { 13, 14, 15, 16, 17, 18 }));
    EXPECT_EQ(merge.Added[2].Position, 5);
}

// A game that grew from 5 of 39 to 5 of 43 in the middle of the copy.
TEST(HistoryMerge, ALargerPoolInTheNewDrawsIsReported)
{
    std::vector<THistoryDraw> history;
    for (const auto& game : { TestSupport::RandomDraws(5, 39, 50, 3, 1), TestSupport::RandomDraws(5, 43, 10, 4, 51) })
        for (const auto& d : game)
            history.push_back({ d.drawNo, d.drawNo, 0, d.numbers });
    for (const bool byDrawNo : { true, false }) {
        std::vector<THistoryDraw> stored = Slice(history, 0, 50), copy = Slice(history, 40, 60);
        if (!byDrawNo)
            stored = Keyed(stored, Keys::None), copy = Keyed(copy, Keys::None);
        const THistoryMerge merge = MergeHistory(stored, copy, byDrawNo, 39);
        EXPECT_EQ(merge.Added.size(), 10u);
        EXPECT_EQ(merge.LargerPool, LargestNumber(Slice(history, 50, 60)));
        EXPECT_GT(merge.LargerPool, 39);
        EXPECT_EQ(MergeHistory(stored, Slice(copy, 0, 10), byDrawNo, 39).LargerPool, 0);
    }
}

TEST(HistoryMerge, ACopyThatSharesNoDrawAddsNothing)
{
    const std::vector<THistoryDraw> stored = Keyed(TrueHistory(100, 1), Keys::None);
    const std::vector<THistoryDraw> other = Keyed(TrueHistory(100, 2), Keys::None);
    const THistoryMerge merge = MergeHistory(stored, other, false, 49);
    EXPECT_FALSE(merge.Aligned);
    EXPECT_TRUE(merge.Added.empty());
    EXPECT_EQ(merge.Unplaced, 100);
}

std::vector<TestSupport::Draw> TableDraws()
{
    std::vector<TestSupport::Draw> draws;
    for (int32_t j = 1; j <= DrawCount; ++j) {
        TestSupport::Draw draw { Draws[j].DrawNo, {} };
        for (int32_t k = 1; k <= NumbersPerDraw; ++k)
            draw.numbers.push_back(Draws[j].Numbers[k]);
        draws.push_back(draw);
    }
    return draws;
}

// A history read whole and loaded from its most recent draws gives the
// tables the import gives, for either order, with and without draw numbers,
// and with rows of an older, larger game.
TEST(HistoryRowsAndRecentDraws, LoadTheTablesAsTheImportDoes)
{
    TempDir dir;
    std::string text = "Draw;Date;Numbers\n";
    // 400 draws of an older 6 of 49, then 300 of 6 of 37.
    auto draws = TestSupport::RandomDraws(6, 49, 400, 11, 1001);
    const auto newer = TestSupport::RandomDraws(6, 37, 300, 12, 1401);
    draws.insert(draws.end(), newer.begin(), newer.end());
    std::vector<std::string> lines;
    for (const auto& d : draws) {
        std::string line = std::to_string(d.drawNo) + ";" + std::to_string(1 + d.drawNo % 28) + ".05.2020;";
        for (int32_t n : d.numbers)
            line += std::to_string(n) + " ";
        lines.push_back(line);
    }
    lines.insert(lines.begin() + 500, "garbage;row");
    for (const bool newestFirst : { false, true }) {
        std::string body = text;
        if (newestFirst)
            for (auto it = lines.rbegin(); it != lines.rend(); ++it)
                body += *it + "\n";
        else
            for (const auto& line : lines)
                body += line + "\n";
        const std::string file = dir.write(newestFirst ? "new.csv" : "old.csv", body);
        for (const int32_t drawNoField : { 1, 0 }) {
            for (const int32_t lastDraws : { 1, 150, 299, 1000 }) {
                const TImportLayout layout { ';', 1, drawNoField, { 3, 4, 5, 6, 7, 8 }, 37, newestFirst };
                const std::string label
                    = std::to_string(newestFirst) + "/" + std::to_string(drawNoField) + "/" + std::to_string(lastDraws);
                const TImportResult imported = ImportDrawHistory(file, layout, lastDraws);
                const auto expected = TableDraws();
                const THistoryRows rows = ReadHistoryRows(file, layout);
                EXPECT_EQ(rows.Draws.size(), 700u) << label;
                EXPECT_EQ(rows.Draws.back().Date, 20200500 + 1 + 1700 % 28) << label;
                DrawCount = 0;
                const TImportResult loaded = LoadRecentDraws(rows.Draws, { 6, 37, drawNoField > 0 }, lastDraws);
                EXPECT_EQ(TableDraws(), expected) << label;
                EXPECT_EQ(loaded.Loaded, imported.Loaded) << label;
            }
        }
    }
}

TEST(HistoryRowsAndRecentDraws, RefusalsLeaveTheTablesAlone)
{
    const std::vector<THistoryDraw> history = TrueHistory(20, 5);
    LoadRecentDraws(history, { 6, 49, true }, 10);
    const auto before = TableDraws();
    EXPECT_THROW(LoadRecentDraws(history, { 6, 9, true }, 10), EAnalysisError); // no draw of 6 of 9
    EXPECT_THROW(LoadRecentDraws(history, { 6, 49, true }, 0), EAnalysisError);
    EXPECT_THROW(LoadRecentDraws(history, { 21, 49, true }, 10), EAnalysisError);
    EXPECT_THROW(LoadRecentDraws({}, { 6, 49, true }, 10), EAnalysisError);
    EXPECT_EQ(TableDraws(), before);
    EXPECT_EQ(MaxNumber, 49);
}

} // namespace
