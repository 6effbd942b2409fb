#pragma once

#include <vector>

namespace penvaro::widgets {

// What one grid column asks for: the width the user gave it, the width its whole text needs,
// and whether it may give up width (free text does, amounts and dates do not).
struct ColumnNeed {
    int preferred = 0;
    int minimum = 0;
    bool yields = false;
};

// The narrowest a yielding column gets: its text is cut, but the column stays findable.
inline constexpr int YieldingFloor = 40;

// Widths for the columns in the available width: each column at least its minimum, else as
// preferred; when that does not fit, the yielding columns give up width in proportion to what
// they have above their floor. What still does not fit is left to a horizontal scroll bar.
std::vector<int> FitColumnWidths(const std::vector<ColumnNeed> &columns, int available);

} // namespace penvaro::widgets
