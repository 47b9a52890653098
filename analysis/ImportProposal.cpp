// The import layout read from the history itself: the delimiter, the header,
// the draw-number field, the main numbers, M and the order of the rows.
#include "analysis/DrawDates.h"
#include "analysis/DrawImport.h"
#include "analysis/HistoryText.h"
#include "analysis/TextEncoding.h"

#include <algorithm>
#include <array>
#include <map>

namespace Main {

namespace {

// Rows looked at to read the layout; the whole file is read only for M.
constexpr int32_t SampleRows = 300;

struct TSampleLine {
    int32_t lineNo;
    std::string text;
};

bool NameHasAny(std::string_view name, std::initializer_list<std::string_view> words)
{
    const std::string lower = LowerCaseUtf8(name);
    return std::any_of(
        words.begin(), words.end(), [&lower](std::string_view w) { return lower.find(w) != std::string::npos; });
}

bool IsBonusName(std::string_view name)
{
    return NameHasAny(name,
        { "bonus", "extra", "addit", "supp", "power", "mega", "star", "joker", "special", "доп", "бонус", "звезд",
            "джокер", "супер" });
}

bool IsDrawNoName(std::string_view name)
{
    return NameHasAny(name, { "draw", "тираж", "номер", "no", "nr", "#", "id" });
}

// The delimiter whose fields line up best over the sample: the same number of
// fields, more than one, in the most lines; blanks when no other does.
char ProposeDelimiter(const std::vector<TSampleLine>& lines)
{
    char best = ' ';
    double bestShare = 0;
    std::size_t bestFields = 0;
    for (char delimiter : { ',', ';', '\t', '|' }) {
        std::map<std::size_t, int32_t> counts;
        for (const TSampleLine& line : lines)
            ++counts[SplitImportLine(line.text, delimiter).size()];
        const auto mode = std::max_element(
            counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
        if (mode->first < 2)
            continue;
        const double share = static_cast<double>(mode->second) / static_cast<double>(lines.size());
        if (share > bestShare + 0.05 || (share >= bestShare - 0.05 && mode->first > bestFields && share >= 0.5)) {
            best = delimiter;
            bestShare = share;
            bestFields = mode->first;
        }
    }
    return bestShare >= 0.5 ? best : ' ';
}

// The sample cut into fields, with what is known of each field over the rows
// that have the usual number of fields.
class TSampleTable {
public:
    TSampleTable(const std::vector<TSampleLine>& lines, char delimiter)
    {
        std::vector<std::vector<std::string>> split;
        std::map<std::size_t, int32_t> counts;
        for (const TSampleLine& line : lines) {
            split.push_back(SplitImportLine(line.text, delimiter));
            ++counts[split.back().size()];
        }
        width_ = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
        // The first line of the usual width with two numbers or more starts the
        // draws; the non-blank line before it, if any, names the fields.
        std::size_t first = 0;
        for (; first < lines.size(); ++first)
            if (split[first].size() == width_ && NumberCount(split[first]) >= 2 && !NamesFields(split, first))
                break;
        firstRowLine_ = first < lines.size() ? lines[first].lineNo : 0;
        names_.resize(width_);
        if (first > 0 && first < lines.size()) {
            const std::vector<std::string>& header = split[first - 1];
            std::vector<int32_t> origins;
            SplitImportLine(lines[first].text, delimiter, &origins);
            for (std::size_t f = 0; f < width_ && f < origins.size(); ++f)
                if (static_cast<std::size_t>(origins[f]) <= header.size())
                    names_[f] = header[static_cast<std::size_t>(origins[f] - 1)];
        }
        for (std::size_t i = first; i < lines.size(); ++i)
            if (split[i].size() == width_) {
                rows_.push_back(std::move(split[i]));
                dates_.push_back(FindDate(lines[i].text));
            }
    }

    std::size_t width() const { return width_; }
    int32_t headerLines() const { return firstRowLine_ > 0 ? firstRowLine_ - 1 : 0; }
    const std::string& name(std::size_t field) const { return names_[field]; }
    std::size_t rowCount() const { return rows_.size(); }

    // The field's values, one per row; empty where the row's field is no number.
    std::vector<std::optional<int32_t>> column(std::size_t field) const
    {
        std::vector<std::optional<int32_t>> values;
        for (const auto& row : rows_)
            values.push_back(ImportNumber(row[field]));
        return values;
    }
    const std::vector<std::optional<int32_t>>& dates() const { return dates_; }

private:
    // A line of the usual width is a header when it has words where the lines
    // after it nearly always have numbers ("Тираж;Дата;1;2;3;4;5;6").
    bool NamesFields(const std::vector<std::vector<std::string>>& split, std::size_t line) const
    {
        for (std::size_t f = 0; f < width_; ++f) {
            if (ImportNumber(split[line][f]))
                continue;
            std::size_t rows = 0, numbers = 0;
            for (std::size_t next = line + 1; next < split.size(); ++next)
                if (split[next].size() == width_) {
                    ++rows;
                    numbers += ImportNumber(split[next][f]).has_value();
                }
            if (rows >= 3 && numbers * 10 >= rows * 9)
                return true;
        }
        return false;
    }

    static int32_t NumberCount(const std::vector<std::string>& fields)
    {
        return static_cast<int32_t>(std::count_if(
            fields.begin(), fields.end(), [](const std::string& f) { return ImportNumber(f).has_value(); }));
    }

    std::size_t width_ = 0;
    int32_t firstRowLine_ = 0;
    std::vector<std::string> names_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<std::optional<int32_t>> dates_;
};

// How the values of a field run down the rows.
struct TFieldTrend {
    double lotteryShare = 0; // rows whose value is a number in 1..99
    int32_t max = 0;
    bool increasing = false; // strictly, over every row with a value
    bool decreasing = false;
    bool sequential = false; // most steps from row to row are 0 or 1 up or down: a counter, a week
    bool unitSteps = false; // the typical step is exactly 1: a draw number
};

TFieldTrend Trend(const std::vector<std::optional<int32_t>>& values)
{
    TFieldTrend trend;
    int32_t lottery = 0;
    int32_t steps = 0;
    int32_t small = 0;
    int32_t up = 0;
    int32_t down = 0;
    std::vector<int32_t> sizes;
    std::optional<int32_t> previous;
    for (const auto& value : values) {
        if (!value)
            continue;
        if (*value >= 1 && *value <= 99) {
            ++lottery;
            trend.max = std::max(trend.max, *value);
        }
        if (previous) {
            const int32_t step = *value - *previous;
            ++steps;
            small += step >= -1 && step <= 1;
            up += step > 0;
            down += step < 0;
            sizes.push_back(step < 0 ? -step : step);
        }
        previous = value;
    }
    trend.lotteryShare = values.empty() ? 0 : static_cast<double>(lottery) / static_cast<double>(values.size());
    if (steps > 0) {
        trend.increasing = up == steps;
        trend.decreasing = down == steps;
        trend.sequential = steps >= 5 && small * 10 >= steps * 9;
        std::nth_element(sizes.begin(), sizes.begin() + static_cast<std::ptrdiff_t>(sizes.size() / 2), sizes.end());
        trend.unitSteps = sizes[sizes.size() / 2] == 1;
    }
    return trend;
}

// The share of rows whose values in fields [from, to) are numbers, all distinct.
double DistinctShare(const std::vector<std::vector<std::optional<int32_t>>>& columns, std::size_t from, std::size_t to)
{
    const std::size_t rows = columns.empty() ? 0 : columns[0].size();
    if (rows == 0)
        return 0;
    std::size_t good = 0;
    for (std::size_t r = 0; r < rows; ++r) {
        std::array<bool, 100> seen {};
        bool distinct = true;
        for (std::size_t f = from; f < to && distinct; ++f) {
            const auto& v = columns[f][r];
            distinct = v && *v >= 1 && *v <= 99 && !seen[static_cast<std::size_t>(*v)];
            if (distinct)
                seen[static_cast<std::size_t>(*v)] = true;
        }
        good += distinct;
    }
    return static_cast<double>(good) / static_cast<double>(rows);
}

// The share of rows whose values in fields [from, to) rise from left to right.
double AscendingShare(const std::vector<std::vector<std::optional<int32_t>>>& columns, std::size_t from, std::size_t to)
{
    const std::size_t rows = columns[0].size();
    std::size_t good = 0;
    for (std::size_t r = 0; r < rows; ++r) {
        bool ascending = true;
        for (std::size_t f = from + 1; f < to && ascending; ++f)
            ascending = columns[f][r] && columns[f - 1][r] && *columns[f][r] > *columns[f - 1][r];
        good += ascending;
    }
    return static_cast<double>(good) / static_cast<double>(rows);
}

// The main numbers: the longest run of adjacent fields whose values are
// lottery numbers, distinct within each row; a trailing field that breaks the
// ascending order of sorted numbers, or whose values stay far below the
// others', is a bonus from a second pool and is left out.
std::vector<int32_t> ProposeNumberFields(
    const TSampleTable& table, const std::vector<TFieldTrend>& trends, const std::vector<bool>& candidate)
{
    std::vector<std::vector<std::optional<int32_t>>> columns;
    for (std::size_t f = 0; f < table.width(); ++f)
        columns.push_back(table.column(f));

    std::size_t bestFrom = 0;
    std::size_t bestTo = 0;
    for (std::size_t from = 0; from < table.width(); ++from) {
        std::size_t to = from;
        while (to < table.width() && candidate[to] && DistinctShare(columns, from, to + 1) >= 0.9)
            ++to;
        if (to - from > bestTo - bestFrom) {
            bestFrom = from;
            bestTo = to;
        }
    }
    if (bestTo - bestFrom >= 3 && AscendingShare(columns, bestFrom, bestTo) < 0.9)
        for (std::size_t to = bestTo - 1; to >= bestFrom + 2 && to + 2 >= bestTo; --to)
            if (AscendingShare(columns, bestFrom, to) >= 0.99) {
                bestTo = to;
                break;
            }
    if (table.rowCount() >= 30)
        while (bestTo - bestFrom >= 3) {
            int32_t othersMax = 0;
            for (std::size_t f = bestFrom; f + 1 < bestTo; ++f)
                othersMax = std::max(othersMax, trends[f].max);
            if (trends[bestTo - 1].max * 4 >= othersMax * 3)
                break;
            --bestTo;
        }
    std::vector<int32_t> fields;
    for (std::size_t f = bestFrom; f < bestTo; ++f)
        fields.push_back(static_cast<int32_t>(f + 1));
    return fields;
}

// Newest first when draw numbers fall, or else when most dates fall.
bool ProposeNewestFirst(const TSampleTable& table, const std::vector<TFieldTrend>& trends, int32_t drawNoField)
{
    if (drawNoField > 0)
        return trends[static_cast<std::size_t>(drawNoField - 1)].decreasing;
    int32_t later = 0;
    int32_t earlier = 0;
    std::optional<int32_t> previous;
    for (const auto& date : table.dates()) {
        if (!date)
            continue;
        if (previous) {
            later += *date > *previous;
            earlier += *date < *previous;
        }
        previous = date;
    }
    return earlier > later;
}

// M: the largest main number over the rows of the file that would be read
// with any M up to 99, leaving out a value seen once far above all others (a
// typing slip, which the summary then reports).
int32_t LargestNumber(const std::string& fileName, const TImportLayout& layout)
{
    if (layout.NumberFields.empty())
        return 0;
    TImportLayout widest = layout;
    widest.MaxNumber = 99;
    if (widest.NumberFields.size() > MaxNumbersPerDraw)
        widest.NumberFields.resize(MaxNumbersPerDraw);
    std::array<int32_t, 100> seen {};
    const auto k = static_cast<int32_t>(widest.NumberFields.size());
    ScanDrawHistory(fileName, widest, [&seen, k](int32_t, const TDrawRecord& draw) {
        for (int32_t n = 1; n <= k; ++n)
            ++seen[static_cast<std::size_t>(draw.Numbers[n])];
    });
    int32_t largest = 99;
    while (largest > 0 && seen[static_cast<std::size_t>(largest)] == 0)
        --largest;
    int32_t next = largest - 1;
    while (next > 0 && seen[static_cast<std::size_t>(next)] == 0)
        --next;
    if (seen[static_cast<std::size_t>(largest)] == 1 && next * 5 < largest * 4)
        return next;
    return largest;
}

} // namespace

TImportLayout ProposeImportLayout(const std::string& fileName)
{
    std::vector<TSampleLine> lines;
    {
        THistoryText text(fileName);
        std::string line;
        while (static_cast<int32_t>(lines.size()) < SampleRows && text.next(line))
            if (line.find_first_not_of(" \t") != std::string::npos)
                lines.push_back({ text.lineNo(), line });
    }
    TImportLayout layout;
    if (lines.empty())
        return layout;

    layout.Delimiter = ProposeDelimiter(lines);
    const TSampleTable table(lines, layout.Delimiter);
    layout.HeaderLines = table.headerLines();

    std::vector<TFieldTrend> trends;
    for (std::size_t f = 0; f < table.width(); ++f)
        trends.push_back(Trend(table.column(f)));

    // The draw number rises or falls by one from row to row; a field named for
    // it wins over one that only behaves so.
    for (bool byName : { true, false })
        for (std::size_t f = 0; f < table.width() && layout.DrawNoField == 0; ++f)
            if ((trends[f].increasing || trends[f].decreasing) && trends[f].unitSteps
                && (!byName || IsDrawNoName(table.name(f))))
                layout.DrawNoField = static_cast<int32_t>(f + 1);

    std::vector<bool> candidate(table.width());
    for (std::size_t f = 0; f < table.width(); ++f)
        candidate[f] = static_cast<int32_t>(f + 1) != layout.DrawNoField && trends[f].lotteryShare >= 0.9
            && !trends[f].sequential && !IsBonusName(table.name(f));
    layout.NumberFields = ProposeNumberFields(table, trends, candidate);
    layout.NewestFirst = ProposeNewestFirst(table, trends, layout.DrawNoField);
    layout.MaxNumber = LargestNumber(fileName, layout);
    return layout;
}

} // namespace Main
