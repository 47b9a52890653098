#pragma once

#include <string>

// Loads `bytes` as a draw file, runs everything the statistics command runs on
// what was loaded (pairs, statistics, rankings, extremes) and checks what must
// hold whatever the file holds. Returns the first broken rule, empty when all
// hold. The loader's own failures are expected and checked for their message.
std::string CheckDrawFile(const std::string& bytes);
