#pragma once

#include "analysis/history/HistoryMerge.h"

#include <QString>

struct TStoredHistory;

// What the plain box says after an update: how many draws are new, which
// (their numbers, or dates), the total kept, every conflict (the stored draw
// kept), a grown pool, and rows that could not be placed.
QString UpdateReportText(const TStoredHistory& history, const Main::THistoryMerge& merge, int32_t total, int32_t loaded,
    int32_t previousMaxNumber);

// How the report names one draw: its number, else its date, else its place.
QString DrawLabel(const Main::THistoryDraw& draw);
