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

// A yielding column gives way first down to a width that still shows a few words, then the
// other columns down to their whole text, then it again down to a width that keeps it findable.
inline constexpr int ComfortableFloor = 80;
inline constexpr int YieldingFloor = 40;

// Widths for the columns in the available width: each column at least its minimum, else as
// preferred, room left over going to the yielding columns; when that does not fit, columns give up
// width in the three steps above, each in proportion to what it has above its floor. What still
// does not fit is left to a horizontal scroll bar.
std::vector<int> FitColumnWidths(const std::vector<ColumnNeed> &columns, int available);

} // namespace penvaro::widgets
