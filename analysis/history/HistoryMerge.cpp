#include "analysis/history/HistoryMerge.h"

#include <algorithm>
#include <map>
#include <optional>
#include <unordered_map>

namespace Main {

namespace {

// The numbers of a draw as one value, whatever their order (FNV-1a over the
// sorted numbers): equal draws hash alike, and unequal ones almost never do.
uint64_t NumbersHash(const THistoryDraw& draw)
{
    std::vector<int32_t> sorted = draw.Numbers;
    std::sort(sorted.begin(), sorted.end());
    uint64_t hash = 14695981039346656037ull;
    for (int32_t n : sorted) {
        hash ^= static_cast<uint64_t>(n) + 0x9E;
        hash *= 1099511628211ull;
    }
    return hash;
}

int32_t NextPosition(const std::vector<THistoryDraw>& stored)
{
    int32_t last = 0;
    for (const THistoryDraw& draw : stored)
        last = std::max(last, draw.Position);
    return last + 1;
}

void Add(THistoryMerge& merge, const THistoryDraw& row, int32_t& position)
{
    THistoryDraw draw = row;
    draw.Position = position++;
    merge.Added.push_back(std::move(draw));
}

void Compare(THistoryMerge& merge, const THistoryDraw& stored, const THistoryDraw& row)
{
    if (SameNumbers(stored, row))
        ++merge.Matched;
    else
        merge.Conflicts.push_back({ stored, row });
}

void MergeByDrawNo(THistoryMerge& merge, const std::vector<THistoryDraw>& stored,
    const std::vector<THistoryDraw>& downloaded, int32_t position)
{
    std::unordered_map<int32_t, const THistoryDraw*> byNumber;
    byNumber.reserve(stored.size() + downloaded.size());
    for (const THistoryDraw& draw : stored)
        byNumber.emplace(draw.DrawNo, &draw);
    std::unordered_map<int32_t, std::size_t> added; // draw number -> index in merge.Added
    for (const THistoryDraw& row : downloaded) {
        if (const auto it = byNumber.find(row.DrawNo); it != byNumber.end()) {
            Compare(merge, *it->second, row);
        } else if (const auto again = added.find(row.DrawNo); again != added.end()) {
            // A number the copy lists twice: the first stays, a different second is a conflict.
            if (!SameNumbers(merge.Added[again->second], row))
                merge.Conflicts.push_back({ merge.Added[again->second], row });
        } else {
            added.emplace(row.DrawNo, merge.Added.size());
            Add(merge, row, position);
        }
    }
}

bool AllDated(const std::vector<THistoryDraw>& draws)
{
    return std::all_of(draws.begin(), draws.end(), [](const THistoryDraw& d) { return d.Date != 0; });
}

void MergeByDate(THistoryMerge& merge, const std::vector<THistoryDraw>& stored,
    const std::vector<THistoryDraw>& downloaded, int32_t position)
{
    std::map<int32_t, std::vector<const THistoryDraw*>> storedOn;
    int32_t newest = 0;
    for (const THistoryDraw& draw : stored) {
        storedOn[draw.Date].push_back(&draw);
        newest = std::max(newest, draw.Date);
    }
    // The copy's rows date by date, in the copy's order within each date.
    std::map<int32_t, std::vector<const THistoryDraw*>> rowsOn;
    for (const THistoryDraw& row : downloaded)
        rowsOn[row.Date].push_back(&row);

    for (auto& [date, rows] : rowsOn) {
        std::vector<const THistoryDraw*> left = storedOn[date];
        std::vector<const THistoryDraw*> unmatched;
        for (const THistoryDraw* row : rows) {
            const auto same = std::find_if(
                left.begin(), left.end(), [row](const THistoryDraw* s) { return SameNumbers(*s, *row); });
            if (same != left.end()) {
                ++merge.Matched;
                left.erase(same);
            } else {
                unmatched.push_back(row);
            }
        }
        // The rest pair up in order: a stored draw of the date not found again
        // has the next unmatched row as its other copy.
        std::size_t i = 0;
        for (; i < unmatched.size() && i < left.size(); ++i)
            merge.Conflicts.push_back({ *left[i], *unmatched[i] });
        for (; i < unmatched.size(); ++i) {
            if (date >= newest)
                Add(merge, *unmatched[i], position);
            else
                ++merge.Unplaced;
        }
    }
}

struct TAlignment {
    std::ptrdiff_t offset = 0; // downloaded[i] is stored[offset + i]
    int32_t matches = 0;
    int32_t mismatches = 0;
};

void MergeByAlignment(THistoryMerge& merge, const std::vector<THistoryDraw>& stored,
    const std::vector<THistoryDraw>& downloaded, int32_t position)
{
    const auto n = static_cast<std::ptrdiff_t>(stored.size());
    const auto m = static_cast<std::ptrdiff_t>(downloaded.size());
    if (m == 0)
        return;
    std::vector<uint64_t> s(stored.size()), d(downloaded.size());
    std::transform(stored.begin(), stored.end(), s.begin(), NumbersHash);
    std::transform(downloaded.begin(), downloaded.end(), d.begin(), NumbersHash);
    if (n == 0) {
        for (const THistoryDraw& row : downloaded)
            Add(merge, row, position);
        return;
    }

    // Offsets where one of the newest stored draws, or the copy's newest row,
    // appears in the other; a lottery with few numbers repeats draws, so the
    // offsets looked at are limited.
    constexpr std::size_t MostOffsets = 256;
    constexpr std::ptrdiff_t NewestLookedAt = 8;
    std::vector<std::ptrdiff_t> offsets;
    for (std::ptrdiff_t back = 1; back <= std::min(n, NewestLookedAt) && offsets.size() < MostOffsets; ++back)
        for (std::ptrdiff_t i = m - 1; i >= 0 && offsets.size() < MostOffsets; --i)
            if (d[static_cast<std::size_t>(i)] == s[static_cast<std::size_t>(n - back)])
                offsets.push_back(n - back - i);
    for (std::ptrdiff_t j = n - 1; j >= 0 && offsets.size() < MostOffsets; --j)
        if (s[static_cast<std::size_t>(j)] == d[static_cast<std::size_t>(m - 1)])
            offsets.push_back(j - (m - 1));
    std::sort(offsets.begin(), offsets.end());
    offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());

    std::optional<TAlignment> best;
    for (std::ptrdiff_t offset : offsets) {
        TAlignment a { offset, 0, 0 };
        for (std::ptrdiff_t i = std::max<std::ptrdiff_t>(0, -offset); i < m && offset + i < n; ++i) {
            const auto& row = downloaded[static_cast<std::size_t>(i)];
            const auto& draw = stored[static_cast<std::size_t>(offset + i)];
            if (d[static_cast<std::size_t>(i)] == s[static_cast<std::size_t>(offset + i)] && SameNumbers(draw, row))
                ++a.matches;
            else
                ++a.mismatches;
        }
        // The most draws in common; between equals, the most recent offset.
        if (!best || a.matches - a.mismatches >= best->matches - best->mismatches)
            best = a;
    }
    // An offset whose differences outnumber its agreements is no alignment.
    if (!best || best->mismatches > best->matches) {
        merge.Aligned = false;
        merge.Unplaced = static_cast<int32_t>(m);
        return;
    }
    for (std::ptrdiff_t i = 0; i < m; ++i) {
        const auto& row = downloaded[static_cast<std::size_t>(i)];
        const std::ptrdiff_t j = best->offset + i;
        if (j < 0)
            ++merge.Unplaced;
        else if (j < n)
            Compare(merge, stored[static_cast<std::size_t>(j)], row);
        else
            Add(merge, row, position);
    }
}

} // namespace

THistoryMerge MergeHistory(const std::vector<THistoryDraw>& stored, const std::vector<THistoryDraw>& downloaded,
    bool byDrawNo, int32_t maxNumber)
{
    THistoryMerge merge;
    const int32_t position = NextPosition(stored);
    if (byDrawNo)
        MergeByDrawNo(merge, stored, downloaded, position);
    else if (!stored.empty() && AllDated(stored) && AllDated(downloaded))
        MergeByDate(merge, stored, downloaded, position);
    else
        MergeByAlignment(merge, stored, downloaded, position);
    if (const int32_t largest = LargestNumber(merge.Added); largest > maxNumber)
        merge.LargerPool = largest;
    return merge;
}

} // namespace Main
