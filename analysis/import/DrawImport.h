#pragma once

#include "analysis/tables/Records.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Main {

// How to read one delimited history. Fields are numbered from 1 in each line:
// the line is cut at each Delimiter (double quotes as in CSV: a quoted field
// may hold the delimiter, "" inside quotes is one quote), blanks around each
// field are dropped, then every field made only of two or more integers
// separated by blanks is replaced, in place, by one field per integer.
struct TImportLayout {
    char Delimiter = ','; // ',', ';', '\t', '|', or ' ' (fields separated by runs of blanks)
    int32_t HeaderLines = 0; // lines skipped before the first draw row
    int32_t DrawNoField = 0; // field of the draw number; 0: none, draws numbered by position, oldest = 1
    std::vector<int32_t> NumberFields; // fields of the K main numbers, in order (bonus numbers left out)
    int32_t MaxNumber = 0; // M
    bool NewestFirst = false; // rows run from the most recent draw to the oldest

    friend bool operator==(const TImportLayout&, const TImportLayout&) = default;
};

struct TImportProblem {
    int32_t Line; // 1-based line of the file
    std::string Reason; // Russian text
};

struct TImportResult {
    int32_t Rows = 0; // draw rows after the header lines (blank lines not counted)
    int32_t Loaded = 0; // draws put into the draw table (= DrawCount)
    // Rows the layout does not read that kept a draw out of the ones loaded:
    // every such row newer than the oldest draw loaded, or all of them when
    // fewer draws than asked for could be loaded.
    std::vector<TImportProblem> Skipped;
    // Rows the layout does not read that are older than the oldest draw loaded
    // (an earlier game's rows, say): they kept nothing out.
    int32_t Older = 0;
};

// The layout a user would most likely want, read from the file itself. Throws
// like LoadDrawFile when the file cannot be opened.
TImportLayout ProposeImportLayout(const std::string& fileName);

// The proposal with what it was unsure of. M is proposed from the most recent
// `lastDraws` rows that would be loaded.
struct TImportProposal {
    TImportLayout Layout;
    bool LastFieldMayBeBonus = false; // the last number field may be a bonus from the same pool
    std::vector<std::string> Notes; // for the user, Russian text
};
TImportProposal ProposeImport(const std::string& fileName, int32_t lastDraws = 1000);

// M for a layout: the largest number among the most recent `lastDraws` rows
// that the layout reads with any M up to 99, and among all such rows of the
// file, each leaving out a value seen once far above all others (a typing
// slip). 0 without number fields or rows.
struct TMaxNumberProposal {
    int32_t Recent = 0;
    int32_t Whole = 0;
};
TMaxNumberProposal ProposeMaxNumber(const std::string& fileName, const TImportLayout& layout, int32_t lastDraws);

// Why a line would not be read as a draw with the layout; empty when it would.
std::optional<std::string> ImportRowProblem(std::string_view line, const TImportLayout& layout);

// Reads every row, oldest first; keeps the most recent `lastDraws` (1..1000)
// good rows (Skipped and Older tell the bad rows apart); on success sets NumbersPerDraw = NumberFields.size(),
// MaxNumber = layout.MaxNumber, Draws[1..DrawCount] oldest first, DrawCount = Loaded. A row whose number fields are
// missing, not integers, outside 1..M or repeated is skipped and reported. Without DrawNoField, a draw's number is its
// position in the whole file counted from the oldest row (1). Throws, leaving every table unchanged, when the file
// cannot be opened, holds binary data, no row is usable, K is outside 1..20, M outside 2..99 or lastDraws
// outside 1..1000.
TImportResult ImportDrawHistory(const std::string& fileName, const TImportLayout& layout, int32_t lastDraws = 1000);

// What ImportDrawHistory would load, without touching the tables: the draws
// oldest first. Throws as ImportDrawHistory does.
struct TImportedHistory {
    TImportResult Result;
    std::vector<TDrawRecord> Draws;
};
TImportedHistory ReadDrawHistory(const std::string& fileName, const TImportLayout& layout, int32_t lastDraws = 1000);

// Reads every row against the layout, calling goodRow with the row's position
// among all rows (1-based, file order) and its draw (DrawNo 0 without a
// draw-number field) for each row that is read whole. The layout's K and M are
// not checked beyond what the row check needs.
TImportResult ScanDrawHistory(const std::string& fileName, const TImportLayout& layout,
    const std::function<void(int32_t row, const TDrawRecord& draw)>& goodRow);

// ScanDrawHistory that stops reading as soon as goodRow returns false.
TImportResult ScanDrawHistoryWhile(const std::string& fileName, const TImportLayout& layout,
    const std::function<bool(int32_t row, const TDrawRecord& draw)>& goodRow);

// ScanDrawHistoryWhile that also hands over the row's line as read (UTF-8).
TImportResult ScanDrawHistoryLines(const std::string& fileName, const TImportLayout& layout,
    const std::function<bool(int32_t row, std::string_view line, const TDrawRecord& draw)>& goodRow);

// One line cut into fields as TImportLayout describes. With `origins`, the
// field of the line as cut at the delimiters (1-based) that each field came
// from, so that a header's names can be matched with the fields.
std::vector<std::string> SplitImportLine(
    std::string_view line, char delimiter, std::vector<int32_t>* origins = nullptr);

// A field that is a whole non-negative decimal number fitting 32 bits.
std::optional<int32_t> ImportNumber(std::string_view field);

// The first `count` lines of the file as the import reads them (byte-order
// mark skipped, text in UTF-8), for a preview.
std::vector<std::string> ReadHistoryHead(const std::string& fileName, int32_t count);

} // namespace Main
