#pragma once

#include "analysis/history/HistoryDraw.h"
#include "analysis/import/DrawImport.h"

#include <string>
#include <vector>

namespace Main {

// Every draw of a delimited history, for keeping: all rows the layout reads,
// with any M up to 99, so that a game whose pool grew keeps its draws too.
struct THistoryRows {
    TImportResult Result; // Rows and Skipped as the import counts them with M = 99; Loaded = Draws.size()
    std::vector<THistoryDraw> Draws; // oldest first
};

// Reads the whole file with the layout (its M aside). Each draw gets the
// date written in its row, and the position the import would number it by
// without a draw-number field. Throws like ImportDrawHistory when the file
// cannot be read or K is outside 1..20; a file without a single good row
// gives no draws.
THistoryRows ReadHistoryRows(const std::string& fileName, const TImportLayout& layout);

} // namespace Main
