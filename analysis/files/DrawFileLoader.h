#pragma once

#include <functional>
#include <string>

namespace Main {

// Reads a draw file into NumbersPerDraw, MaxNumber, Draws and DrawCount.
//
// Line 1 holds K in columns 1-2 and M in columns 4-5; every further line is a
// draw: its number in columns 1-4 and its K numbers two columns each from
// column 7. headerRead, when given, is called as soon as K and M are stored,
// before any draw line is read.
//
// DrawCount counts only draws read whole. A failure throws an EAnalysisError
// and leaves what was read before it: EInOutError when the file cannot be
// opened or read (nothing changes but DrawCount, which is 0), EConvertError for
// a field that is not an integer, ECapacityError for K above 20 or a 1001st draw.
void LoadDrawFile(const std::string& fileName, const std::function<void()>& headerRead = {});

// Whether a file begins as a draw file does: a header whose K and M convert,
// and a second line, if there is one, whose draw number converts. A file that
// cannot be opened counts as one, so that Open reports why. Any other file is
// a history to import.
bool IsDrawFileFormat(const std::string& fileName);

} // namespace Main
