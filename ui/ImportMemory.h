#pragma once

#include "analysis/import/DrawImport.h"

#include <QString>

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

// What tells files of one shape apart for a layout: the last header line, or,
// without a header, the number of fields of the first line.
struct TFileShape {
    QString Header; // empty without a header
    int Fields = 0; // without a header: fields of the first line

    friend bool operator==(const TFileShape&, const TFileShape&) = default;
};

namespace ImportMemory {

inline constexpr int Kept = 20;
// The lines of a file looked at to tell its shape.
inline constexpr int32_t HeadLines = 30;

// `head`: the file's first lines, as ReadHistoryHead gives them.
std::optional<TRememberedLayout> Recall(const std::vector<std::string>& head);
void Remember(const std::vector<std::string>& head, const TRememberedLayout& remembered);

// The shape of a file read with the layout; empty when its head is too short
// to tell (a header longer than HeadLines, or no line at all).
std::optional<TFileShape> ShapeOf(const std::vector<std::string>& head, const Main::TImportLayout& layout);
// Whether a file still has the shape the layout was chosen for: the same last
// header line, or the same field count in a first line that reads as a draw.
bool HasShape(const std::vector<std::string>& head, const Main::TImportLayout& layout, const TFileShape& shape);

} // namespace ImportMemory
