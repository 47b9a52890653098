#include "analysis/history/HistoryRows.h"

#include "analysis/import/DrawDates.h"

#include <algorithm>

namespace Main {

THistoryRows ReadHistoryRows(const std::string& fileName, const TImportLayout& layout)
{
    TImportLayout widest = layout;
    widest.MaxNumber = 99;
    THistoryRows rows;
    std::vector<int32_t> rowOf; // each draw's row among all rows, file order
    rows.Result = ScanDrawHistoryLines(
        fileName, widest, [&rows, &rowOf, &layout](int32_t row, std::string_view line, const TDrawRecord& record) {
            THistoryDraw draw;
            draw.DrawNo = layout.DrawNoField > 0 ? record.DrawNo : 0;
            draw.Date = FindDate(line).value_or(0);
            const auto k = static_cast<int32_t>(layout.NumberFields.size());
            draw.Numbers.reserve(static_cast<std::size_t>(k));
            for (int32_t i = 1; i <= k; ++i)
                draw.Numbers.push_back(record.Numbers[i]);
            rows.Draws.push_back(std::move(draw));
            rowOf.push_back(row);
            return true;
        });
    const int32_t total = rows.Result.Rows;
    for (std::size_t i = 0; i < rows.Draws.size(); ++i)
        rows.Draws[i].Position = layout.NewestFirst ? total - rowOf[i] + 1 : rowOf[i];
    if (layout.NewestFirst)
        std::reverse(rows.Draws.begin(), rows.Draws.end());
    rows.Result.Loaded = static_cast<int32_t>(rows.Draws.size());
    return rows;
}

} // namespace Main
