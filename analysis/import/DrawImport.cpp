#include "analysis/import/DrawImport.h"

#include "analysis/import/HistoryText.h"
#include "analysis/tables/Errors.h"
#include "analysis/tables/Tables.h"
#include "analysis/text/MessageCatalogue.h"

#include <algorithm>
#include <deque>
#include <functional>

namespace Main {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The blank-separated words of a field, when there are two or more and every
// one is a number.
std::vector<std::string_view> NumberWords(std::string_view field)
{
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < field.size()) {
        while (pos < field.size() && IsBlank(field[pos]))
            ++pos;
        std::size_t end = pos;
        while (end < field.size() && !IsBlank(field[end]))
            ++end;
        if (end > pos) {
            if (!ImportNumber(field.substr(pos, end - pos)))
                return {};
            words.push_back(field.substr(pos, end - pos));
        }
        pos = end;
    }
    if (words.size() < 2)
        return {};
    return words;
}

// A field's text as a message quotes it: at most 24 bytes, never half a UTF-8
// character, "…" where it is cut.
std::string Excerpt(std::string_view text)
{
    std::size_t shown = std::min<std::size_t>(text.size(), 24);
    while (shown < text.size() && (static_cast<unsigned char>(text[shown]) & 0xC0) == 0x80)
        --shown; // not inside a UTF-8 character
    return std::string(text.substr(0, shown)) + (shown < text.size() ? "…" : "");
}

void CheckLayout(const TImportLayout& layout, int32_t lastDraws)
{
    const auto k = static_cast<int32_t>(layout.NumberFields.size());
    if (k < 1 || k > MaxNumbersPerDraw)
        throw EAnalysisError(Text(Messages::NumberFieldCount, k));
    if (layout.MaxNumber < 2 || layout.MaxNumber > 99)
        throw EAnalysisError(Text(Messages::MaxNumberLimits, layout.MaxNumber));
    if (lastDraws < 1 || lastDraws > MaxDraws)
        throw EAnalysisError(Text(Messages::LoadedDrawsLimits, lastDraws));
    for (int32_t field : layout.NumberFields)
        if (field < 1)
            throw EAnalysisError(Text(Messages::FieldNumbering, field));
    if (layout.DrawNoField < 0)
        throw EAnalysisError(Text(Messages::FieldNumbering, layout.DrawNoField));
}

// One row read against the layout: the draw, or why it is skipped. Without a
// draw-number field DrawNo is left 0 to be filled in from the row's position.
std::optional<std::string> ReadRow(
    const std::vector<std::string>& fields, const TImportLayout& layout, TDrawRecord& draw)
{
    const int32_t needed
        = std::max(layout.DrawNoField, *std::max_element(layout.NumberFields.begin(), layout.NumberFields.end()));
    if (static_cast<int32_t>(fields.size()) < needed)
        return Text(Messages::TooFewFields, fields.size(), needed);
    const auto field = [&fields](int32_t n) -> const std::string& { return fields[static_cast<std::size_t>(n - 1)]; };

    draw.DrawNo = 0;
    if (layout.DrawNoField > 0) {
        const auto drawNo = ImportNumber(field(layout.DrawNoField));
        if (!drawNo)
            return Text(Messages::DrawNoNotNumber, layout.DrawNoField, Excerpt(field(layout.DrawNoField)));
        draw.DrawNo = *drawNo;
    }
    std::array<bool, 100> seen {};
    int32_t k = 0;
    for (int32_t n : layout.NumberFields) {
        const auto number = ImportNumber(field(n));
        if (!number)
            return Text(Messages::FieldNotNumber, n, Excerpt(field(n)));
        if (*number < 1 || *number > layout.MaxNumber)
            return Text(Messages::NumberOutOfRange, *number, n, layout.MaxNumber);
        if (seen[static_cast<std::size_t>(*number)])
            return Text(Messages::NumberRepeated, *number);
        seen[static_cast<std::size_t>(*number)] = true;
        draw.Numbers[++k] = *number;
    }
    return std::nullopt;
}

bool IsBlankLine(std::string_view line)
{
    return Trim(line).empty();
}

} // namespace

std::optional<int32_t> ImportNumber(std::string_view field)
{
    if (field.empty() || field.size() > 10)
        return std::nullopt;
    int64_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<std::string> ImportRowProblem(std::string_view line, const TImportLayout& layout)
{
    if (layout.NumberFields.empty() || layout.NumberFields.size() > MaxNumbersPerDraw || layout.MaxNumber > 99
        || layout.DrawNoField < 0 || *std::min_element(layout.NumberFields.begin(), layout.NumberFields.end()) < 1)
        return Text(Messages::LayoutIncomplete);
    TDrawRecord draw;
    return ReadRow(SplitImportLine(line, layout.Delimiter), layout, draw);
}

namespace {

// The buffers of one line's splitting, kept from line to line so that a long
// history is split without allocating for each line.
struct TSplitBuffers {
    std::vector<std::string> raw;
    std::vector<std::string> fields;
};

void SplitInto(std::string_view line, char delimiter, TSplitBuffers& buffers, std::vector<int32_t>* origins)
{
    std::vector<std::string>& raw = buffers.raw;
    std::size_t count = 0;
    const bool blanks = delimiter == ' ';
    std::size_t pos = 0;
    for (;;) {
        if (blanks) {
            while (pos < line.size() && IsBlank(line[pos]))
                ++pos;
            if (pos == line.size())
                break;
        }
        if (raw.size() == count)
            raw.emplace_back();
        std::string& field = raw[count++];
        field.clear();
        bool quoted = false;
        bool wasQuoted = false;
        std::size_t quotedEnd = 0; // the quoted text's length; what follows it is trimmed
        for (; pos < line.size(); ++pos) {
            const char c = line[pos];
            if (quoted) {
                if (c != '"')
                    field.push_back(c);
                else if (pos + 1 < line.size() && line[pos + 1] == '"')
                    field.push_back(line[++pos]);
                else {
                    quoted = false;
                    quotedEnd = field.size();
                }
            } else if (c == '"' && Trim(field).empty() && !wasQuoted) {
                field.clear();
                quoted = wasQuoted = true;
            } else if (c == delimiter || (blanks && IsBlank(c))) {
                break;
            } else {
                // The plain run up to the next delimiter or quote, at once.
                std::size_t stop = pos + 1;
                while (stop < line.size() && line[stop] != delimiter && line[stop] != '"'
                    && !(blanks && IsBlank(line[stop])))
                    ++stop;
                field.append(line.substr(pos, stop - pos));
                pos = stop - 1;
            }
        }
        // Blanks around the field go; a quoted field keeps its own.
        const std::size_t keep = wasQuoted ? quotedEnd : 0;
        std::size_t end = field.size();
        while (end > keep && IsBlank(field[end - 1]))
            --end;
        field.resize(end);
        std::size_t begin = keep;
        while (begin < field.size() && IsBlank(field[begin]))
            ++begin;
        field.erase(keep, begin - keep);
        if (pos >= line.size())
            break;
        ++pos; // past the delimiter
    }

    std::vector<std::string>& fields = buffers.fields;
    std::size_t out = 0;
    const auto put = [&fields, &out](std::string_view text) {
        if (fields.size() == out)
            fields.emplace_back();
        fields[out++].assign(text);
    };
    if (origins)
        origins->clear();
    for (std::size_t i = 0; i < count; ++i) {
        if (raw[i].find_first_of(" \t") == std::string::npos)
            put(raw[i]);
        else if (const auto words = NumberWords(raw[i]); !words.empty())
            for (std::string_view word : words)
                put(word);
        else
            put(raw[i]);
        if (origins)
            origins->resize(out, static_cast<int32_t>(i + 1));
    }
    fields.resize(out);
}

} // namespace

std::vector<std::string> SplitImportLine(std::string_view line, char delimiter, std::vector<int32_t>* origins)
{
    TSplitBuffers buffers;
    SplitInto(line, delimiter, buffers, origins);
    return std::move(buffers.fields);
}

std::vector<std::string> ReadHistoryHead(const std::string& fileName, int32_t count)
{
    THistoryText text(fileName);
    std::vector<std::string> lines;
    std::string line;
    while (static_cast<int32_t>(lines.size()) < count && text.next(line))
        lines.push_back(line);
    return lines;
}

TImportResult ScanDrawHistory(const std::string& fileName, const TImportLayout& layout,
    const std::function<void(int32_t row, const TDrawRecord& draw)>& goodRow)
{
    return ScanDrawHistoryWhile(fileName, layout, [&goodRow](int32_t row, const TDrawRecord& draw) {
        goodRow(row, draw);
        return true;
    });
}

TImportResult ScanDrawHistoryWhile(const std::string& fileName, const TImportLayout& layout,
    const std::function<bool(int32_t row, const TDrawRecord& draw)>& goodRow)
{
    return ScanDrawHistoryLines(fileName, layout,
        [&goodRow](int32_t row, std::string_view, const TDrawRecord& draw) { return goodRow(row, draw); });
}

TImportResult ScanDrawHistoryLines(const std::string& fileName, const TImportLayout& layout,
    const std::function<bool(int32_t row, std::string_view line, const TDrawRecord& draw)>& goodRow)
{
    if (layout.NumberFields.empty() || layout.NumberFields.size() > MaxNumbersPerDraw)
        throw EAnalysisError(Text(Messages::NumbersPerDrawLimits));
    THistoryText text(fileName);
    TImportResult result;
    std::string line;
    TSplitBuffers buffers;
    while (text.next(line)) {
        if (text.lineNo() <= layout.HeaderLines || IsBlankLine(line))
            continue;
        ++result.Rows;
        TDrawRecord draw;
        SplitInto(line, layout.Delimiter, buffers, nullptr);
        if (auto problem = ReadRow(buffers.fields, layout, draw))
            result.Skipped.push_back({ text.lineNo(), std::move(*problem) });
        else if (!goodRow(result.Rows, line, draw))
            break;
    }
    return result;
}

TImportedHistory ReadDrawHistory(const std::string& fileName, const TImportLayout& layout, int32_t lastDraws)
{
    CheckLayout(layout, lastDraws);
    // The rows kept, with their positions among all rows in file order; only
    // the most recent lastDraws are ever held.
    struct TKept {
        int32_t row;
        int32_t badBefore; // rows not read before this one, in file order
        TDrawRecord draw;
    };
    std::deque<TKept> kept;
    int32_t good = 0;
    TImportedHistory history;
    history.Result = ScanDrawHistory(fileName, layout, [&](int32_t row, const TDrawRecord& draw) {
        const TKept entry { row, row - 1 - good++, draw };
        if (layout.NewestFirst) {
            if (static_cast<int32_t>(kept.size()) < lastDraws)
                kept.push_back(entry);
        } else {
            kept.push_back(entry);
            if (static_cast<int32_t>(kept.size()) > lastDraws)
                kept.pop_front();
        }
    });
    TImportResult& result = history.Result;
    // Bad rows beyond the oldest draw loaded kept nothing out of a full window.
    if (static_cast<int32_t>(kept.size()) == lastDraws) {
        auto& skipped = result.Skipped;
        if (layout.NewestFirst) {
            const auto newer = static_cast<std::size_t>(kept.back().badBefore);
            result.Older = static_cast<int32_t>(skipped.size() - newer);
            skipped.resize(newer);
        } else {
            result.Older = kept.front().badBefore;
            skipped.erase(skipped.begin(), skipped.begin() + result.Older);
        }
    }
    if (kept.empty())
        throw EAnalysisError(result.Rows == 0 ? Text(Messages::NoDrawInFile) : Text(Messages::NoDrawFits, result.Rows));

    if (layout.NewestFirst)
        std::reverse(kept.begin(), kept.end());
    history.Draws.reserve(kept.size());
    for (TKept& entry : kept) {
        if (layout.DrawNoField == 0)
            entry.draw.DrawNo = layout.NewestFirst ? result.Rows - entry.row + 1 : entry.row;
        history.Draws.push_back(entry.draw);
    }
    result.Loaded = static_cast<int32_t>(history.Draws.size());
    return history;
}

TImportResult ImportDrawHistory(const std::string& fileName, const TImportLayout& layout, int32_t lastDraws)
{
    TImportedHistory history = ReadDrawHistory(fileName, layout, lastDraws);
    NumbersPerDraw = static_cast<int32_t>(layout.NumberFields.size());
    MaxNumber = layout.MaxNumber;
    DrawCount = 0;
    for (const TDrawRecord& draw : history.Draws)
        Draws[++DrawCount] = draw;
    return history.Result;
}

} // namespace Main
