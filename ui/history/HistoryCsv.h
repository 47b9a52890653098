#pragma once

#include "analysis/history/HistoryDraw.h"

#include <QByteArray>

#include <vector>

struct TStoredHistory;

// A kept history as CSV for a Russian spreadsheet and for "Импорт…": UTF-8
// with a byte-order mark, semicolons, one header line, then one draw a line,
// oldest first: the draw number (or its place without one), the date as
// dd.mm.yyyy (empty without one) and the K numbers.
QByteArray HistoryCsv(const TStoredHistory& history, const std::vector<Main::THistoryDraw>& draws);
