#pragma once

#include <cstdint>
#include <vector>

class QWidget;

// The numbers of the pairs selected in the main window's ranked pair table
// (StringGrid2, whose column 0 holds the pair's number in the pair table),
// ascending, each once; empty when nothing is selected.
std::vector<int32_t> SelectedPairNumbers(const QWidget* mainWindow);
