#pragma once

// The pair analysis of a K-out-of-M lottery: the draw file, the pair table,
// the statistics of every pair and their rankings. No user-interface code.
#include "analysis/chance/Fairness.h"
#include "analysis/chance/StrategyCheck.h"
#include "analysis/files/DrawFileLoader.h"
#include "analysis/groups/Groups.h"
#include "analysis/import/DrawDates.h"
#include "analysis/import/DrawImport.h"
#include "analysis/pairs/PairStatistics.h"
#include "analysis/pairs/PairTable.h"
#include "analysis/pairs/Rankings.h"
#include "analysis/pairs/RecentPairs.h"
#include "analysis/tables/Errors.h"
#include "analysis/tables/Records.h"
#include "analysis/tables/Tables.h"
#include "analysis/wheels/TicketCheck.h"
#include "analysis/wheels/Wheels.h"
