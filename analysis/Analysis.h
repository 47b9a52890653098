#pragma once

// The pair analysis of a K-out-of-M lottery: the draw file, the pair table,
// the statistics of every pair and their rankings. No user-interface code.
#include "analysis/DrawDates.h"
#include "analysis/DrawFileLoader.h"
#include "analysis/DrawImport.h"
#include "analysis/Errors.h"
#include "analysis/Fairness.h"
#include "analysis/Groups.h"
#include "analysis/PairStatistics.h"
#include "analysis/PairTable.h"
#include "analysis/Rankings.h"
#include "analysis/RecentPairs.h"
#include "analysis/Records.h"
#include "analysis/StrategyCheck.h"
#include "analysis/Tables.h"
