#pragma once

#include "analysis/tables/Records.h"

#include <cstdint>
#include <vector>

// The analysis done the straightforward way, independently of the library: the
// tests check the library against it and the benchmarks measure the library
// against it. Entry i-1 of each vector stands for entry i of the library's table.
namespace TestSupport {

// Tests every pair of Main::Pairs against every draw of Main::Draws: the
// statistics in pair order, gaps included.
std::vector<Main::TPairStat> ReferenceStatistics();

// Stable ascending insertion sort by one measure.
void InsertionSort(std::vector<Main::TPairStat>& table, int32_t Main::TPairStat::*key);

} // namespace TestSupport
