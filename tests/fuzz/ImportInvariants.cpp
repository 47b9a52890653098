#include "ImportInvariants.h"
#include "MemoryFile.h"

#include "analysis/Analysis.h"

#include <algorithm>
#include <array>

using namespace Main;

namespace {

std::string CheckLayout(const TImportLayout& layout)
{
    if (std::string(",;\t| ").find(layout.Delimiter) == std::string::npos)
        return "proposed delimiter is not one of the five";
    if (layout.HeaderLines < 0 || layout.DrawNoField < 0 || layout.MaxNumber < 0 || layout.MaxNumber > 99)
        return "proposed counts out of range";
    for (std::size_t i = 0; i < layout.NumberFields.size(); ++i)
        if (layout.NumberFields[i] < 1 || (i > 0 && layout.NumberFields[i] <= layout.NumberFields[i - 1])
            || layout.NumberFields[i] == layout.DrawNoField)
            return "proposed number fields are not distinct ascending fields apart from the draw number";
    return {};
}

std::string CheckHistory(const TImportedHistory& history, const TImportLayout& layout, int32_t lastDraws)
{
    const TImportResult& r = history.Result;
    if (r.Loaded != static_cast<int32_t>(history.Draws.size()) || r.Loaded < 1 || r.Loaded > lastDraws
        || r.Loaded > r.Rows - static_cast<int32_t>(r.Skipped.size()))
        return "loaded count does not add up";
    for (std::size_t i = 1; i < r.Skipped.size(); ++i)
        if (r.Skipped[i].Line <= r.Skipped[i - 1].Line)
            return "skipped rows out of order";
    for (std::size_t j = 0; j < history.Draws.size(); ++j) {
        const TDrawRecord& draw = history.Draws[j];
        std::array<bool, 100> seen {};
        for (int32_t k = 1; k <= static_cast<int32_t>(layout.NumberFields.size()); ++k) {
            const int32_t n = draw.Numbers[k];
            if (n < 1 || n > layout.MaxNumber || seen[static_cast<std::size_t>(n)])
                return "a loaded draw has a number outside 1..M or twice";
            seen[static_cast<std::size_t>(n)] = true;
        }
        if (layout.DrawNoField == 0
            && (draw.DrawNo < 1 || draw.DrawNo > r.Rows || (j > 0 && draw.DrawNo <= history.Draws[j - 1].DrawNo)))
            return "draws numbered by position are not 1..Rows, oldest first";
    }
    return {};
}

} // namespace

std::string CheckImportHistory(const std::string& bytes)
{
    const MemoryFile file(bytes);
    TImportLayout layout;
    try {
        layout = ProposeImportLayout(file.name());
    } catch (const EAnalysisError& e) {
        return std::string(e.what()).starts_with("Файл не похож на историю тиражей") ? "" : "unexpected failure";
    }
    if (std::string broken = CheckLayout(layout); !broken.empty())
        return broken;
    if (layout.NumberFields.empty() || layout.NumberFields.size() > 20 || layout.MaxNumber < 2)
        return {};
    for (bool newestFirst : { layout.NewestFirst, !layout.NewestFirst })
        for (int32_t lastDraws : { 1, 1000 }) {
            TImportLayout read = layout;
            read.NewestFirst = newestFirst;
            try {
                if (std::string broken = CheckHistory(ReadDrawHistory(file.name(), read, lastDraws), read, lastDraws);
                    !broken.empty())
                    return broken;
            } catch (const EAnalysisError&) {
                // no usable row: a message, nothing loaded
            }
        }
    return {};
}
