// The import layout read from the history itself: the delimiter, the header,
// the draw-number field, the main numbers, M and the order of the rows.
#include "analysis/files/TextEncoding.h"
#include "analysis/import/DrawDates.h"
#include "analysis/import/DrawImport.h"
#include "analysis/import/HistoryText.h"
#include "analysis/text/MessageCatalogue.h"

#include <algorithm>
#include <array>
#include <deque>
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
    return NameHasAny(name, { "draw", "тираж", "номер", "no", "nr", "#", "id", "numero", "numéro", "tirage" });
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
        : lines_(lines)
    {
        std::map<std::size_t, int32_t> counts;
        for (const TSampleLine& line : lines) {
            split_.push_back(SplitImportLine(line.text, delimiter));
            ++counts[split_.back().size()];
        }
        width_ = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
        // Which fields of the usual rows nearly always hold a number or a date.
        std::vector<int32_t> filled(width_);
        int32_t usual = 0;
        for (const auto& fields : split_)
            if (fields.size() == width_) {
                ++usual;
                for (std::size_t f = 0; f < width_; ++f)
                    filled[f] += IsNumberOrDate(fields[f]);
            }
        valued_.resize(width_);
        for (std::size_t f = 0; f < width_; ++f)
            valued_[f] = usual >= 3 && filled[f] * 10 >= usual * 9;
        for (std::size_t i = 0; i < lines.size(); ++i)
            namesLine_.push_back(NamesFields(i));
        // The rows of the usual width tell what each field holds; rows of
        // another shape (a trailing field filled only lately, a field more)
        // are still draws, but only the header names the fields.
        std::size_t first = 0;
        while (first < lines.size() && !(split_[first].size() == width_ && LooksLikeData(first)))
            ++first;
        std::size_t header = first;
        while (header > 0 && LooksLikeData(header - 1))
            --header;
        names_.resize(width_);
        if (header > 0 && first < lines.size()) {
            const std::vector<std::string>& names = split_[header - 1];
            std::vector<int32_t> origins;
            SplitImportLine(lines[first].text, delimiter, &origins);
            for (std::size_t f = 0; f < width_ && f < origins.size(); ++f)
                if (static_cast<std::size_t>(origins[f]) <= names.size())
                    names_[f] = names[static_cast<std::size_t>(origins[f] - 1)];
        }
        for (std::size_t i = first; i < lines.size(); ++i)
            if (split_[i].size() == width_ && LooksLikeData(i)) {
                rows_.push_back(split_[i]);
                dates_.push_back(FindDate(lines[i].text));
            }
    }

    std::size_t width() const { return width_; }
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

    // The header: the leading lines before the first that reads as a draw
    // with the layout or looks like one (a bad row is a row, reported as
    // skipped, never a header), the file's line numbers counted.
    int32_t headerLines(const TImportLayout& layout) const
    {
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (!namesLine_[i] && (LooksLikeData(i) || !ImportRowProblem(lines_[i].text, layout)))
                return lines_[i].lineNo - 1;
        return 0;
    }

private:
    static bool IsNumberOrDate(const std::string& field)
    {
        return ImportNumber(field).has_value() || FindDate(field).has_value();
    }

    // A line names the fields when it has words where the rows of the usual
    // width nearly always have numbers or dates, and more of them than
    // numbers, or its numbers count the columns 1, 2, 3, ...
    // ("Тираж;Дата;1;2;3;4;5;6").
    bool NamesFields(std::size_t line) const
    {
        const std::vector<std::string>& fields = split_[line];
        int32_t words = 0;
        int32_t numbers = 0;
        for (std::size_t f = 0; f < fields.size() && f < width_; ++f) {
            if (IsNumberOrDate(fields[f]))
                ++numbers;
            else
                words += valued_[f];
        }
        if (words == 0)
            return false;
        if (words > numbers)
            return true;
        int32_t expected = 1;
        for (const std::string& field : fields)
            if (const auto n = ImportNumber(field)) {
                if (*n != expected)
                    return false;
                ++expected;
            }
        return expected > 2;
    }

    // Two lottery numbers or a date, and no names.
    bool LooksLikeData(std::size_t line) const
    {
        const std::vector<std::string>& fields = split_[line];
        const auto numbers = std::count_if(fields.begin(), fields.end(), [](const std::string& f) {
            const auto n = ImportNumber(f);
            return n && *n >= 1 && *n <= 99;
        });
        return (numbers >= 2 || FindDate(lines_[line].text)) && !namesLine_[line];
    }

    const std::vector<TSampleLine>& lines_;
    std::vector<std::vector<std::string>> split_;
    std::size_t width_ = 0;
    std::vector<bool> valued_; // by field of the usual rows
    std::vector<bool> namesLine_; // by line
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
    bool mostlyIncreasing = false; // all but a few rows in three hundred: a special draw out of turn
    bool mostlyDecreasing = false;
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
        trend.mostlyIncreasing = up * 100 >= steps * 97;
        trend.mostlyDecreasing = down * 100 >= steps * 97;
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
        return trends[static_cast<std::size_t>(drawNoField - 1)].mostlyDecreasing;
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

// The largest number seen, leaving out a value seen once far above all
// others (a typing slip, which the summary then reports).
int32_t Largest(const std::array<int32_t, 100>& seen)
{
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

// A trailing field of the main numbers that is empty in rows where the
// others are filled is a bonus added to the game later, not a main number.
void DropPartlyFilled(const TSampleTable& table, std::vector<int32_t>& fields)
{
    while (fields.size() >= 3) {
        const auto last = table.column(static_cast<std::size_t>(fields.back() - 1));
        const auto before = table.column(static_cast<std::size_t>(fields[fields.size() - 2] - 1));
        std::size_t missing = 0;
        for (std::size_t r = 0; r < last.size(); ++r)
            missing += before[r] && !last[r];
        if (missing * 100 <= last.size())
            return;
        fields.pop_back();
    }
}

} // namespace

namespace {

// M for a layout; without `whole`, a newest-first file is read only as far as
// its most recent rows go, and Whole is left 0.
TMaxNumberProposal MaxNumbers(const std::string& fileName, const TImportLayout& layout, int32_t lastDraws, bool whole)
{
    TMaxNumberProposal proposal;
    if (layout.NumberFields.empty())
        return proposal;
    TImportLayout widest = layout;
    widest.MaxNumber = 99;
    if (widest.NumberFields.size() > MaxNumbersPerDraw)
        widest.NumberFields.resize(MaxNumbersPerDraw);
    const auto k = static_cast<std::size_t>(widest.NumberFields.size());
    const auto window = static_cast<std::size_t>(std::max(lastDraws, 1));
    // The most recent `window` rows' numbers; in an oldest-first file the
    // oldest kept row is dropped as each new one comes.
    std::deque<std::array<uint8_t, MaxNumbersPerDraw>> recent;
    std::array<int32_t, 100> all {};
    ScanDrawHistoryWhile(fileName, widest, [&](int32_t, const TDrawRecord& draw) {
        std::array<uint8_t, MaxNumbersPerDraw> numbers {};
        for (std::size_t n = 0; n < k; ++n) {
            numbers[n] = static_cast<uint8_t>(draw.Numbers[static_cast<int32_t>(n + 1)]);
            ++all[numbers[n]];
        }
        if (!layout.NewestFirst || recent.size() < window)
            recent.push_back(numbers);
        if (recent.size() > window)
            recent.pop_front();
        return whole || !layout.NewestFirst || recent.size() < window;
    });
    std::array<int32_t, 100> seen {};
    for (const auto& numbers : recent)
        for (std::size_t n = 0; n < k; ++n)
            ++seen[numbers[n]];
    proposal.Recent = Largest(seen);
    proposal.Whole = whole ? Largest(all) : 0;
    return proposal;
}

} // namespace

TMaxNumberProposal ProposeMaxNumber(const std::string& fileName, const TImportLayout& layout, int32_t lastDraws)
{
    return MaxNumbers(fileName, layout, lastDraws, true);
}

TImportLayout ProposeImportLayout(const std::string& fileName)
{
    return ProposeImport(fileName).Layout;
}

TImportProposal ProposeImport(const std::string& fileName, int32_t lastDraws)
{
    std::vector<TSampleLine> lines;
    {
        THistoryText text(fileName);
        std::string line;
        while (static_cast<int32_t>(lines.size()) < SampleRows && text.next(line))
            if (line.find_first_not_of(" \t") != std::string::npos)
                lines.push_back({ text.lineNo(), line });
    }
    TImportProposal proposal;
    TImportLayout& layout = proposal.Layout;
    if (lines.empty())
        return proposal;

    layout.Delimiter = ProposeDelimiter(lines);
    const TSampleTable table(lines, layout.Delimiter);

    std::vector<TFieldTrend> trends;
    for (std::size_t f = 0; f < table.width(); ++f)
        trends.push_back(Trend(table.column(f)));

    // The draw number rises or falls by one from row to row (numbers coded by
    // year, 2023066, jump once a year); a field named for it wins over one
    // that only behaves so, and may hold a few draws out of turn.
    for (bool byName : { true, false })
        for (std::size_t f = 0; f < table.width() && layout.DrawNoField == 0; ++f) {
            const TFieldTrend& t = trends[f];
            const bool ordered = byName ? t.mostlyIncreasing || t.mostlyDecreasing : t.increasing || t.decreasing;
            if (ordered && t.unitSteps && (!byName || IsDrawNoName(table.name(f))))
                layout.DrawNoField = static_cast<int32_t>(f + 1);
        }

    std::vector<bool> candidate(table.width());
    for (std::size_t f = 0; f < table.width(); ++f)
        candidate[f] = static_cast<int32_t>(f + 1) != layout.DrawNoField && trends[f].lotteryShare >= 0.9
            && !trends[f].sequential && !IsBonusName(table.name(f));
    layout.NumberFields = ProposeNumberFields(table, trends, candidate);
    DropPartlyFilled(table, layout.NumberFields);
    layout.NewestFirst = ProposeNewestFirst(table, trends, layout.DrawNoField);
    layout.MaxNumber = 99;
    layout.HeaderLines = table.headerLines(layout);
    layout.MaxNumber = MaxNumbers(fileName, layout, lastDraws, false).Recent;

    // Seven or more unsorted numbers of one pool may end in a bonus drawn
    // from the same pool; nothing in the rows tells, so the user is asked.
    const auto k = layout.NumberFields.size();
    if (k >= 7 && !IsBonusName(table.name(static_cast<std::size_t>(layout.NumberFields.back() - 1)))) {
        std::vector<std::vector<std::optional<int32_t>>> columns;
        for (std::size_t f = 0; f < table.width(); ++f)
            columns.push_back(table.column(f));
        const auto from = static_cast<std::size_t>(layout.NumberFields.front() - 1);
        if (AscendingShare(columns, from, from + k) < 0.9) {
            std::vector<int32_t> main(layout.NumberFields.begin(), layout.NumberFields.end() - 1);
            proposal.LastFieldMayBeBonus = true;
            proposal.Notes.push_back(
                Text(Messages::LastFieldMayBeBonus, layout.NumberFields.back(), k - 1, main.front(), main.back()));
        }
    }
    return proposal;
}

} // namespace Main
