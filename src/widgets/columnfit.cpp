#include "columnfit.h"

#include <algorithm>
#include <cstdint>

namespace penvaro::widgets {
namespace {

// Takes up to the excess from the chosen columns, each in proportion to what it has above its
// floor; returns what is still missing.
int shrink(std::vector<int> &widths, const std::vector<std::pair<std::size_t, int>> &floors,
           int excess) {
    std::int64_t spare = 0;
    for (const auto &[column, floor] : floors)
        spare += std::max(widths[column] - floor, 0);
    if (excess <= 0 || spare == 0)
        return std::max(excess, 0);
    const std::int64_t given = std::min<std::int64_t>(excess, spare);
    std::int64_t taken = 0;
    for (const auto &[column, floor] : floors) {
        const std::int64_t own = std::max(widths[column] - floor, 0);
        // Rounded up, so that the shares together give what is missing.
        const std::int64_t share =
            std::min<std::int64_t>({(own * given + spare - 1) / spare, given - taken, own});
        widths[column] -= static_cast<int>(share);
        taken += share;
    }
    return excess - static_cast<int>(taken);
}

// Gives the room left to the yielding columns in proportion to their widths, so that a wide
// window shows more of the free text.
void grow(std::vector<int> &widths, const std::vector<ColumnNeed> &columns, int room) {
    std::int64_t yielding = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].yields)
            yielding += widths[i];
    }
    if (yielding == 0)
        return;
    std::int64_t given = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!columns[i].yields)
            continue;
        const std::int64_t share =
            std::min<std::int64_t>(widths[i] * room / yielding, room - given);
        widths[i] += static_cast<int>(share);
        given += share;
    }
    // What rounding left over goes to the last of them.
    for (std::size_t i = columns.size(); i-- > 0;) {
        if (columns[i].yields) {
            widths[i] += static_cast<int>(room - given);
            return;
        }
    }
}

} // namespace

std::vector<int> FitColumnWidths(const std::vector<ColumnNeed> &columns, int available) {
    std::vector<int> widths;
    widths.reserve(columns.size());
    int total = 0;
    for (const ColumnNeed &column : columns) {
        widths.push_back(std::max(column.preferred, column.minimum));
        total += widths.back();
    }
    const auto floors = [&columns](bool yielding, int floor) {
        std::vector<std::pair<std::size_t, int>> chosen;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (columns[i].yields == yielding)
                chosen.emplace_back(i, std::max(columns[i].minimum, floor));
        }
        return chosen;
    };
    int excess = total - available;
    if (excess < 0) {
        grow(widths, columns, -excess);
        return widths;
    }
    excess = shrink(widths, floors(true, ComfortableFloor), excess);
    excess = shrink(widths, floors(false, 0), excess);
    shrink(widths, floors(true, YieldingFloor), excess);
    return widths;
}

} // namespace penvaro::widgets
