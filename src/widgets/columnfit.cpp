#include "columnfit.h"

#include <algorithm>
#include <cstdint>

namespace penvaro::widgets {

std::vector<int> FitColumnWidths(const std::vector<ColumnNeed> &columns, int available) {
    std::vector<int> widths;
    widths.reserve(columns.size());
    int total = 0;
    std::int64_t spare = 0;
    for (const ColumnNeed &column : columns) {
        const int width = std::max(column.preferred, column.minimum);
        widths.push_back(width);
        total += width;
        if (column.yields)
            spare += std::max(width - std::max(column.minimum, YieldingFloor), 0);
    }
    const int excess = total - available;
    if (excess <= 0 || spare == 0)
        return widths;
    const std::int64_t given = std::min<std::int64_t>(excess, spare);
    std::int64_t taken = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!columns[i].yields)
            continue;
        const int own = std::max(widths[i] - std::max(columns[i].minimum, YieldingFloor), 0);
        // Rounded up, so that the shares together give at least what is missing.
        const std::int64_t share = std::min<std::int64_t>(
            {(own * given + spare - 1) / spare, given - taken, static_cast<std::int64_t>(own)});
        widths[i] -= static_cast<int>(share);
        taken += share;
    }
    return widths;
}

} // namespace penvaro::widgets
