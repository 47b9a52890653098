#pragma once

#include "analysis/import/DrawImport.h"

#include <optional>
#include <string>
#include <vector>

// Layouts the user corrected, proposed again for the next file of the same
// shape: the same last header line, or, without a header, the same delimiter
// and field count in a first line that reads as a draw. Kept in the
// program's settings, the most recent first.
struct TRememberedLayout {
    Main::TImportLayout Layout;
    bool MaxNumberTyped = false; // M as the user typed it, not from the draws
};

namespace ImportMemory {

inline constexpr int Kept = 20;
// The lines of a file looked at to tell its shape.
inline constexpr int32_t HeadLines = 30;

// `head`: the file's first lines, as ReadHistoryHead gives them.
std::optional<TRememberedLayout> Recall(const std::vector<std::string>& head);
void Remember(const std::vector<std::string>& head, const TRememberedLayout& remembered);

} // namespace ImportMemory
